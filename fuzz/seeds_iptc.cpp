// Writes the seed corpus of fuzz_iptc into the folder given as argv[1]: APP13
// segment texts built with the test kit.

#include "tests/kit/iptc_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/tiff_builder.h"

#include <iostream>
#include <string>
#include <vector>

using namespace testkit;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_iptc FOLDER\n";
    return 2;
  }
  const std::string typical = IptcDataset(2, 0, std::string("\0\x04", 2)) +
                              IptcDataset(2, 5, "Titel") + IptcDataset(2, 25, "Berg") +
                              IptcDataset(2, 25, "See") + IptcDataset(2, 20, "Natur") +
                              IptcDataset(2, 90, "Graz") + IptcDataset(2, 120, "Am Ufer");
  const std::vector<std::string> seeds = {
      // As the JPEG scan hands it over: with the segment's length word.
      BigU16(0x40) + PhotoshopIptcBlock(typical),
      PhotoshopIptcBlock(IptcDataset(1, 90, "\x1B%G") + typical + IptcDataset(8, 10, "\x01")),
      std::string(12, '\0') + IptcDataset(2, 200, "eigen") + IptcDataset(8, 25, "acht"),
      std::string(12, '\0') + IptcDataset(2, 5, "") + IptcDatasetWithLength(2, 120, 0x8004, "ab"),
      "Photoshop 3.0",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
