#pragma once
// The text fotomaz-exif prints for one file.

#include <ostream>
#include <string>

struct ExifReportOptions {
  bool Tags = false; // one line per tag of the tag list
  bool Dump = false; // the lines of the dump
};

// Reads the file with a fresh reader and prints what it found.
void PrintExifReport(std::ostream& out, const std::string& path, const ExifReportOptions& options);
