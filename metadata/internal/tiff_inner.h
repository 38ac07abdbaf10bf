#pragma once
// The XMP packet (tag 700) and IPTC datasets (tag 33723) of a TIFF file's
// IFD0. They may lie anywhere in the file, so they are read by their own
// offsets, not from the window the date read takes, and only when the
// caller asks (a date from EXIF makes them needless).

#include "metadata/byte_stream.h"

#include <string>

struct TiffInnerBlocks {
  std::string xmpPacket; // at most kMaxXmpBytes; empty without the tag
  std::string iptc;      // at most kMaxTiffIptcBytes; empty without the tag
};

// An IPTC block is a few KiB (a JPEG's APP13 segment holds at most 64 KiB);
// the bound leaves room for long captions and keeps a forged count cheap.
inline constexpr size_t kMaxTiffIptcBytes = 1024 * 1024;

// Empty blocks when the data does not start with a TIFF header, IFD0 does
// not lie in the data, or a value's bytes lie outside the data or above its
// bound.
TiffInnerBlocks ReadTiffInnerBlocks(ByteStream& stream);
