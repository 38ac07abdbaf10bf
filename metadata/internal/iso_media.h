#pragma once
// The boxes of ISO base media files (MP4, QuickTime, 3GP, HEIF and AVIF
// images, CR3 raw files) that say when a file was made. The walk reads box
// headers and the few small boxes it needs, and skips every other box by its
// recorded size, so the media data is never read: a movie header behind
// gigabytes of media costs a seek.

#include "metadata/byte_stream.h"
#include "metadata/exif_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct IsoMediaDates {
  // TIFF-structured bytes to ask for an EXIF date, in this order: the Exif
  // item of a HEIF or AVIF image, then CR3's CMT2 (its EXIF directory) and
  // CMT1 (its IFD0). Each at most kMaxExifBlockBytes.
  std::vector<std::string> exifBlocks;
  // The value of com.apple.quicktime.creationdate, empty when there is none.
  std::string quickTimeCreationDate;
  // The movie header's creation time: seconds since 1904-01-01 00:00 UTC.
  std::optional<uint64_t> movieHeaderCreation;
  // The movie's user data holds a GoPr, FIRM or GPMF box: a GoPro camera
  // wrote it, which puts its local time into the movie header.
  bool goProUserData = false;
  // The text of a GoPro clip's udta/FIRM box ("H22.01.01.10.00"), at most
  // kMaxFirmwareBytes; empty when there is none.
  std::string goProFirmware;
  // The wall-clock date of a Nikon clip's udta/NCTG box: its CreateDate
  // (tag 0x11), else its DateTimeOriginal (0x12), as written
  // ("yyyy:mm:dd hh:mm:ss"); empty when there is none.
  std::string nikonDate;
  // The bytes of a HEIF image's XMP item (an item of type mime with the
  // content type application/rdf+xml), when asked for; empty when there is
  // none or it is larger than kMaxXmpBytes.
  std::string xmpPacket;
};

// Which items of a HEIF image the walk reads.
enum class IsoItems { Exif, ExifAndXmp };

// A firmware text is some 15 characters; a longer one is cut.
inline constexpr size_t kMaxFirmwareBytes = 32;

// The TIFF read's own bound: an Exif block is read up to as many bytes as
// the TIFF read takes of a file.
inline constexpr size_t kMaxExifBlockBytes = kTiffBufferSize;

// Walks the boxes from the start of the stream's data. Nothing when the data
// does not begin with a box of an ISO base media file (ftyp, or moov, mdat,
// free, skip, wide or pnot for QuickTime files without one).
std::optional<IsoMediaDates> ReadIsoMediaDates(ByteStream& stream, IsoItems items = IsoItems::Exif);
