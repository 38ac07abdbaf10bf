#pragma once
// The capture date of a photo or video that is not a JPEG, from the file's
// own metadata: EXIF in TIFF-based raw files, in the Exif item of HEIF and
// AVIF images, in CR3's metadata boxes, in PNG's eXIf chunk, WebP's and
// JPEG XL's Exif and RAF's embedded JPEG; the creation date of QuickTime and
// MP4 movies; the IDIT text of AVI files; the recording time of AVCHD clips;
// the DateUTC of Matroska and WebM files. The run asks
// it for every file that is not a JPEG and falls back to the modification
// time when it gives nothing, so nothing comes out that is not a plausible
// date (docs/capture-dates.md states the rules).

#include "metadata/byte_stream.h"
#include "metadata/iptc.h"
#include "platform/file_time.h"

#include <optional>
#include <string>
#include <string_view>

// Which metadata a capture date came from.
enum class CaptureSource {
  ExifDateTimeOriginal,  // EXIF DateTimeOriginal (0x9003), local time as written
  ExifDateTime,          // EXIF DateTime (0x0132), when DateTimeOriginal is missing
  QuickTimeCreationDate, // com.apple.quicktime.creationdate, local time as written
  MovieHeader,           // the movie header's creation time: UTC, turned into local time
  AviDateText,           // the IDIT chunk of an AVI file, local time as written
  AvchdRecordingTime,    // the MDPM block of an AVCHD clip, local time as written
  MatroskaDateUtc,       // DateUTC of a Matroska or WebM file: UTC, turned into local time
  GoProMovieHeader,      // the movie header of a GoPro clip, which holds local time
  NikonMovieDate,        // the CreateDate of a Nikon clip's NCTG tags, local time as written
  GoProMovieHeaderUtc,   // the movie header of a GoPro clip of firmware H22 or later: UTC
};

// The name fotomaz-exif prints for a source.
std::string_view CaptureSourceName(CaptureSource source);

struct CaptureDate {
  LocalDateTime time{}; // a real calendar date and time of day, year 1970 to 9999
  CaptureSource source = CaptureSource::ExifDateTimeOriginal;
};

// The capture date of the file at path; nothing when its format has no
// reader here (JPEGs included), the content does not begin as that format
// does, the file holds no date, or the date is not plausible.
std::optional<CaptureDate> ReadCaptureDate(const std::string& path);
// The same from any source; fileName only supplies the extension.
std::optional<CaptureDate> ReadCaptureDate(ByteSource& source, std::string_view fileName);

// What the order of date sources (docs/capture-dates.md) takes from a file
// beside its capture date: a scan's or an edit's IFD0 DateTime says when
// the file was written, so the XMP packet and IPTC datasets inside it come
// first.
struct CaptureDates {
  // The capture date as ReadCaptureDate's, EXIF DateTime aside.
  std::optional<CaptureDate> own;
  // The XMP packet a TIFF (tag 700), PNG (an uncompressed iTXt chunk
  // "XML:com.adobe.xmp" before the image data) or HEIF file (its
  // application/rdf+xml item) holds; empty when there is none or it is
  // larger than kMaxXmpBytes, which is not read.
  std::string xmpPacket;
  // The IPTC datasets of a TIFF file (tag 33723).
  IptcData iptc;
  // The EXIF DateTime (0x0132): when the file was last written.
  std::optional<CaptureDate> dateTime;
};

// The dates of the file; the packet and the datasets are read only when
// own is empty, within the file's size.
CaptureDates ReadCaptureDates(ByteSource& source, std::string_view fileName);
CaptureDates ReadCaptureDates(const std::string& path);

// Whether a reader here looks for the capture date of a file of that name
// (by its extension), so that opening it is worth it.
bool HasCaptureDateReader(std::string_view fileName);

// "yyyy:mm:dd hh:mm:ss", the form of an EXIF date.
std::string CaptureDateText(const LocalDateTime& time);
