// fotomaz-exif [--tags] [--dump] [--iptc] [--makernote] FILE...: prints what the metadata reader
// finds in each file, and the capture date the run gives it. fotomaz-exif --version: its name
// and version.

#include "fotomaz_identity.h"
#include "tools/exif_report.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << "fotomaz-exif " << kFotomazVersion << "\n";
    return 0;
  }
  const std::optional<ExifReportArguments> arguments =
      ParseExifReportArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!arguments) {
    std::cerr << "usage: fotomaz-exif [--tags] [--dump] [--iptc] [--makernote] FILE...\n"
                 "       fotomaz-exif --version\n"
                 "  --tags  list every decoded tag\n"
                 "  --dump  print the readable dump\n"
                 "  --iptc  list the IPTC records\n"
                 "  --makernote  print whether the maker note was decoded, and its dump\n";
    return 2;
  }
  for (const std::string& file : arguments->files)
    PrintExifReport(std::cout, file, arguments->options);
  return 0;
}
