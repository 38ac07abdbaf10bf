#pragma once
// The date of a file as four texts: from the EXIF data of a JPEG file, or
// from the modification time.

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

// year-month-day_time, e.g. 2023-05-01_120732.
std::string DateStamp(const FileDate& date);
