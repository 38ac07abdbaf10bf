#pragma once
// The date of a file as four texts: from the EXIF data of a JPEG file, or
// from the modification time.

#include "metadata/capture_date.h"
#include "platform/file_time.h"

#include <cstdint>
#include <optional>
#include <string>

struct FileDate {
  std::string year;  // "yyyy"
  std::string month; // "mm"
  std::string day;   // "dd"
  std::string time;  // "hhnnss"
};

// The date of the EXIF date text of the file at path, cut by position from
// "yyyy:mm:dd hh:mm:ss". False (and date empty) when the file has no EXIF
// date, the reader cannot read it, or the pieces would not be plain folder
// and file names (a separator, a NUL, "." or ".."). An exception that escapes
// the reader's ReadFile is passed on.
bool ReadExifDate(const std::string& path, FileDate& date);

// The date of the file's modification time (local time, even seconds).
// Throws DateConversionError when the file is gone or its time lies outside
// 1980 to 2107.
void ReadFileDate(const std::string& path, FileDate& date);

// The date pieces of a local time.
FileDate DateOf(const LocalDateTime& time);

// Where the date of a file came from.
enum class DateSource {
  JpegExif,         // the EXIF date text of a JPEG, cut by position
  CaptureDate,      // another format's own metadata (capture_date.h)
  ModificationTime, // the file's modification time
};

struct DatedFile {
  FileDate date;
  DateSource source = DateSource::JpegExif;
  CaptureSource captureSource{}; // for CaptureDate: which metadata
};

// The date the run gives the file at path: a JPEG (its extension contains
// ".jp") by its EXIF date; with allFormats, the other formats by their own
// metadata; otherwise, and when that has no date, the modification time:
// modifiedSeconds where the caller's stat gave it (the run stats every file
// anyway), else the file's. Throws DateConversionError as ReadFileDate.
DatedFile DateOfFile(const std::string& path, bool allFormats,
                     std::optional<int64_t> modifiedSeconds = std::nullopt);

// year-month-day_time, e.g. 2023-05-01_120732.
std::string DateStamp(const FileDate& date);
