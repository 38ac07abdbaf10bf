// Writes the seed corpus of fuzz_srt into the folder given as argv[1]: the
// subtitle files drones write beside their clips.

#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_srt FOLDER\n";
    return 2;
  }
  const std::vector<std::string> seeds = {
      "1\n00:00:00,000 --> 00:00:00,033\n<font size=\"28\">FrameCnt: 1, DiffTime: 33ms\n"
      "2026-05-01 12:07:32.123\n[iso: 100] [shutter: 1/500.0] [fnum: 1.7] [ev: 0] "
      "[latitude: 52.5] [longitude: 13.4] [rel_alt: 1.2 abs_alt: 40.1]</font>\n\n2\n"
      "00:00:00,033 --> 00:00:00,066\n<font size=\"28\">FrameCnt: 2\n2026-05-01 "
      "12:07:32.156</font>\n",
      "1\r\n00:00:00,000 --> 00:00:01,000\r\nHOME(13.4050,52.5200) 2026.05.01 12:07:32\r\n"
      "GPS(13.4051,52.5201,18) BAROMETER:40.1\r\n",
      "1\n00:00:00,000 --> 00:00:01,000\n0000-00-00 00:00:00\n\n2\n00:00:01,000 --> "
      "00:00:02,000\n2026-13-01 12:07:32 2026-05-01 24:00:00 12026-05-01 12:07:32\n",
  };
  for (size_t i = 0; i < seeds.size(); ++i)
    testkit::WriteFile(argv[1] + std::string("/seed") + std::to_string(i), seeds[i]);
  return 0;
}
