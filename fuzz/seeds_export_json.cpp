// Writes the seed corpus of fuzz_export_json into the folder given as
// argv[1]: data files as a photo export writes them.

#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_export_json FOLDER\n";
    return 2;
  }
  const std::vector<std::string> seeds = {
      R"({"title": "IMG_1.jpg", "description": "", "imageViews": "3",
          "creationTime": {"timestamp": "1777800000", "formatted": "3. Mai 2026"},
          "photoTakenTime": {"timestamp": "1777630052", "formatted": "1. Mai 2026, 10:07:32 UTC"},
          "geoData": {"latitude": 52.5, "longitude": 13.4, "altitude": 0.0},
          "people": [{"name": "A"}], "url": "https://example.invalid/p"})",
      R"({"photoTakenTime": {"timestamp": 1777630052}})",
      R"({"photoTakenTime": {"nested": {"timestamp": "1"}, "timestamp": "-5"}})",
      R"([{"photoTakenTime": {"timestamp": "1777630052"}}])",
      R"({"a": [[[[{"b": "\u00e4\ud83d\ude00"}]]]], "photoTakenTime": {"timestamp": 1.5e9}})",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    testkit::WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
