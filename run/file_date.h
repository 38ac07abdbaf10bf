#pragma once
// The date of a file as a value: from the EXIF data of a JPEG file, another
// format's own metadata, the XMP or IPTC data inside the file, its name, or
// the modification time. Rules that compute with
// a date (a shift, a day-only date, a UTC time made local) take its numbers;
// its texts are made from it in one place (date_texts.h, included here so
// that a user of the date has them).

#include "metadata/capture_date.h"
#include "platform/file_time.h"
#include "run/date_texts.h"
#include "run/folder_sidecars.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class FileSource;

// The calendar day and time of day a file is filed by, as its clock showed
// them, and that clock's offset from UTC where the source states it.
struct FileDate {
  LocalDateTime local{};
  // Local time minus UTC, in minutes (+120 for summer time in Berlin).
  // Set where the source states it (an XMP or IPTC date with its offset, a
  // name written in UTC); none otherwise.
  std::optional<int> utcOffsetMinutes = std::nullopt;
};

// The date of the EXIF date text of the file at path, "yyyy:mm:dd hh:mm:ss"
// as written: the text the reader met last if it names a real day and time
// (year 0001 to 9999), else the other of DateTimeOriginal and DateTime if
// that one does. A zero or blank date is what a camera with an unset clock
// writes; used as it stands it would make folders named 0000 or of blanks.
// False (and date all zero) when no text qualifies or the reader cannot read the
// file. An exception that escapes the reader's ReadFile is passed on.
bool ReadExifDate(const std::string& path, FileDate& date);
// The same read from the file opened already (path names its extension).
bool ReadExifDate(FileSource& opened, const std::string& path, FileDate& date);

// The date of the file's modification time (local time, even seconds).
// Throws DateConversionError when the file is gone or its time lies outside
// 1980 to 2107.
void ReadFileDate(const std::string& path, FileDate& date);

// Where the date of a file came from.
enum class DateSource {
  JpegExif,         // the EXIF date text of a JPEG, cut by position
  CaptureDate,      // another format's own metadata (capture_date.h)
  ModificationTime, // the file's modification time
  XmpPacket,        // the XMP packet inside the file (xmp_date.h)
  IptcDateCreated,  // the IPTC DateCreated and TimeCreated inside the file (iptc_date.h)
  ExifDateTime,     // IFD0 DateTime (0x0132) behind XMP and IPTC: when the file was last written
  FileName,         // the file's name (name_date.h)
  TakeoutJson,      // a photo export's data file beside it (export_json_date.h)
  XmpSidecar,       // an .xmp file beside it (xmp_date.h)
  SonyClipXml,      // a clip's XML file beside it (clip_xml_date.h)
  DjiSrt,           // a clip's subtitle file beside it (srt_date.h)
};

struct DatedFile {
  FileDate date;
  DateSource source = DateSource::JpegExif;
  CaptureSource captureSource{}; // for CaptureDate: which metadata
};

// Whether the date is the file's own capture date (step 1 of the order).
constexpr bool IsOwnCaptureDate(DateSource source) {
  return source == DateSource::JpegExif || source == DateSource::CaptureDate;
}

// The English identifier fotomaz-exif prints for where dated's date came
// from: "JpegExif", a capture source's name (CaptureSourceName),
// "TakeoutJson", "XmpSidecar", "SonyClipXml", "DjiSrt", "XmpPacket",
// "IptcDateCreated", "ExifDateTime", "FileName" or "ModificationTime".
std::string_view DateSourceIdentifier(const DatedFile& dated);

// The date the run gives the file at path. Without allFormats: a JPEG (its
// extension contains ".jp") by its EXIF date, else the modification time.
// With allFormats (the capture-date option), the first real date of this
// order of sources (docs/capture-dates.md):
//   1. the file's own capture date: a JPEG's (or Insta360 .insp's) EXIF
//      DateTimeOriginal, the other formats' readers (capture_date.h);
//   2. the file's export or sidecar file, found among sidecars (the
//      sidecars of its folder): NAME.json, NAME.supplemental-metadata.json,
//      (each JSON name also cut to 51 bytes, as the export cuts it),
//      NAME.xmp, BASE.xmp, BASEM01.xml, BASE.srt (NAME its name, BASE
//      that without its extension, compared in lower case);
//   3. the XMP packet inside a JPEG, TIFF, PNG or HEIF file, then its IPTC
//      DateCreated;
//   4. a JPEG's or those formats' IFD0 DateTime (ReadCaptureDates);
//   5. the file's name (name_date.h);
//   6. the modification time.
// The modification time is modifiedSeconds where the caller's stat gave it
// (the run stats every file anyway), else the file's. Throws
// DateConversionError as ReadFileDate when it is the file's date. opened,
// when given, is the file at path opened already: its metadata is read from
// it (looked_at_file.h), once for all of the steps. Without sidecars, step 2
// finds nothing.
DatedFile DateOfFile(const std::string& path, bool allFormats,
                     std::optional<int64_t> modifiedSeconds = std::nullopt,
                     FileSource* opened = nullptr, const FolderSidecars* sidecars = nullptr);
// The date of a file that joined a group unasked, without the capture-date
// option: its own format's capture date (the companions option promises
// RAW+JPEG), else the modification time, as before the order of sources;
// the other sources of the order belong to the option.
DatedFile DateOfJoinedFile(const std::string& path, std::optional<int64_t> modifiedSeconds);
// Whether the date of the file at path comes from its own metadata, so that
// DateOfFile opens it.
bool DatedByMetadata(const std::string& path, bool allFormats);
