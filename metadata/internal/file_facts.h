#pragma once
// What the reader records about a file before it reads it.

#include "platform/file_time.h"

#include <cstdint>
#include <optional>
#include <string>

struct FileFacts {
  double localDate = 0; // last modification, local time, days since 1899-12-30
  int64_t size = 0;
};

// Nothing when no file of that name exists (a folder is not a file).
std::optional<FileFacts> LookUpFile(const std::string& path);
// The facts of a file the caller has looked at already.
FileFacts FactsOf(const FileSizeAndTime& status);

// A local calendar date and time as days since 1899-12-30 with the time of
// day as fraction.
double LocalDateTimeNumber(int year, int month, int day, int hour, int minute, int second);
