#pragma once
// The text fotomaz-exif prints for one file.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct ExifReportOptions {
  bool tags = false;      // one line per tag of the tag list
  bool dump = false;      // the lines of the dump
  bool makerNote = false; // the maker-note result and dump lines, after the other fields
  bool iptc = false;      // one line per IPTC record, last
};

// Reads the file with a fresh reader and prints what it found, and the
// capture date the run gives the file (CaptureDate: date and source).
void PrintExifReport(std::ostream& out, const std::string& path, const ExifReportOptions& options);

struct ExifReportArguments {
  ExifReportOptions options;
  std::vector<std::string> files;
};

// The command line [--tags] [--dump] [--iptc] [--makernote] [--] FILE...; nothing on an unknown
// option or when no file is named.
std::optional<ExifReportArguments> ParseExifReportArguments(const std::vector<std::string>& args);
