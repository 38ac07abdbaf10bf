#pragma once
// The capture date an XMP packet states, read with expat: the packet a JPEG
// keeps in an APP1 segment, or the whole bytes of an .xmp sidecar file (the
// same XML, with or without the packet wrapper). The keys are tried in this
// order: exif:DateTimeOriginal, xmp:CreateDate, photoshop:DateCreated, each
// as an attribute of an rdf:Description or as an element of its own; the
// first that holds a real date (stated_date.h) gives it.

#include "metadata/stated_date.h"

#include <cstddef>
#include <optional>
#include <string_view>

// A packet or file above this is not read: real packets are a few KiB (a
// JPEG segment holds at most 64 KiB), and expat's work grows with the bytes.
inline constexpr size_t kMaxXmpBytes = 4 * 1024 * 1024;

// Which key gave the date.
enum class XmpDateKey { ExifDateTimeOriginal, XmpCreateDate, PhotoshopDateCreated };

struct XmpDate {
  StatedDate date;
  XmpDateKey key = XmpDateKey::ExifDateTimeOriginal;
};

// The date of the packet; nothing when it is larger than kMaxXmpBytes, is
// not well-formed XML (zeros and blanks behind it aside, which writers pad
// packets with), or none of the keys holds a real date.
std::optional<XmpDate> ReadXmpDate(std::string_view bytes);

// An XMP date value: "yyyy-mm-dd", optionally "Thh:mm", ":ss", a fraction,
// and the offset "Z" or "+hh:mm" ("-", also "+hhmm"). A day alone is taken
// at 00:00:00; a year or a month alone is no date. A time with an offset is
// the wall clock as written, its offset kept; "Z" is UTC, made local by the
// zone in force.
std::optional<StatedDate> ParseXmpDateText(std::string_view text);
