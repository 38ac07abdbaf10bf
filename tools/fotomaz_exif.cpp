// fotomaz-exif [--tags] [--dump] FILE...: prints what the metadata reader
// finds in each file.

#include "tools/exif_report.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage = "usage: fotomaz-exif [--tags] [--dump] FILE...\n"
                                    "  --tags  list every decoded tag\n"
                                    "  --dump  print the readable dump\n";

struct Arguments {
  ExifReportOptions Options;
  std::vector<std::string> Files;
};

// False on an unknown option or when no file is named.
bool ParseArguments(int argc, char** argv, Arguments& result) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsEnded && arg.starts_with("-")) {
      if (arg == "--")
        optionsEnded = true;
      else if (arg == "--tags")
        result.Options.Tags = true;
      else if (arg == "--dump")
        result.Options.Dump = true;
      else
        return false;
      continue;
    }
    result.Files.emplace_back(arg);
  }
  return !result.Files.empty();
}

} // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) {
    std::cerr << kUsage;
    return 2;
  }
  for (const std::string& file : arguments.Files)
    PrintExifReport(std::cout, file, arguments.Options);
  return 0;
}
