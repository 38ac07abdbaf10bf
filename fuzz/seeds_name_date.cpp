// Writes the seed corpus of fuzz_name_date into the folder given as
// argv[1]: a name of each family the table knows.

#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>
#include <vector>

using namespace testkit;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_name_date FOLDER\n";
    return 2;
  }
  const std::vector<std::string> seeds = {
      "IMG-20260501-WA0001.jpg",
      "WhatsApp Image 2026-05-01 at 12.07.32 (1).jpeg",
      "Screenshot_20260501-120732.png",
      "Bildschirmfoto vom 2026-05-01 12-07-32.png",
      "signal-2026-05-01-12-07-32-903.jpg",
      "photo_2026-05-01_12-07-32.jpg",
      "DJI_20260501123500_0003_D.MP4",
      "PXL_20261231_233000123.PORTRAIT.jpg",
      "2026-05-01_120732_[0001].jpg",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
