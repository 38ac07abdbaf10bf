#pragma once
// The date of a file as a value: from the EXIF data of a JPEG file, another
// format's own metadata, or the modification time. Rules that compute with
// a date (a shift, a day-only date, a UTC time made local) take its numbers;
// its texts are made from it in one place (date_texts.h, included here so
// that a user of the date has them).

#include "metadata/capture_date.h"
#include "platform/file_time.h"
#include "run/date_texts.h"

#include <cstdint>
#include <optional>
#include <string>

class FileSource;

// The calendar day and time of day a file is filed by, as its clock showed
// them, and that clock's offset from UTC where the source states it.
struct FileDate {
  LocalDateTime local{};
  // Local time minus UTC, in minutes (+120 for summer time in Berlin).
  // None of the sources read today states one.
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
