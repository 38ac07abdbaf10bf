#pragma once
// The date of a file as four texts: from the EXIF data of a JPEG file, or
// from the modification time.

#include "metadata/capture_date.h"
#include "platform/file_time.h"

#include <cstdint>
#include <optional>
#include <string>

class FileSource;

struct FileDate {
  std::string year;  // "yyyy"
  std::string month; // "mm"
  std::string day;   // "dd"
  std::string time;  // "hhnnss"
};

// The date of the EXIF date text of the file at path, "yyyy:mm:dd hh:mm:ss"
// as written: the text the reader met last if it names a real day and time
// (year 0001 to 9999), else the other of DateTimeOriginal and DateTime if
// that one does. A zero or blank date is what a camera with an unset clock
// writes; used as it stands it would make folders named 0000 or of blanks.
// False (and date empty) when no text qualifies or the reader cannot read the
// file. An exception that escapes the reader's ReadFile is passed on.
bool ReadExifDate(const std::string& path, FileDate& date);
// The same read from the file opened already (path names its extension).
bool ReadExifDate(FileSource& opened, const std::string& path, FileDate& date);

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
// opened, when given, is the file at path opened already: its metadata is
// read from it (looked_at_file.h).
DatedFile DateOfFile(const std::string& path, bool allFormats,
                     std::optional<int64_t> modifiedSeconds = std::nullopt,
                     FileSource* opened = nullptr);
// Whether the date of the file at path comes from its own metadata, so that
// DateOfFile opens it.
bool DatedByMetadata(const std::string& path, bool allFormats);

// year-month-day_time, e.g. 2023-05-01_120732.
std::string DateStamp(const FileDate& date);
