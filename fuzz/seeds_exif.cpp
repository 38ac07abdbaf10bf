// Writes the seed corpus of fuzz_exif into the folder given as argv[1]: each
// file is the selector byte (0 JPEG, 1 TIFF) followed by a file built with the
// test kit.

#include "tests/kit/testkit.h"

#include <iostream>
#include <string>

using namespace testkit;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_exif FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  int count = 0;
  const auto seed = [&](char selector, const std::string& bytes) {
    WriteFile(folder + "/seed_" + std::to_string(count++), std::string(1, selector) + bytes);
  };
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    seed(0, CameraJpeg(order));
    seed(1, Tiff(CameraIfd0(), order));
    seed(0, JpegWithExifDate("2008:05:17 14:03:20", order == ByteOrder::Motorola));
    Ifd loop{Ascii(0x0132, "2001:01:01 00:00:00")};
    loop.Add(RawEntry(0x8769, kLong, 1, 8));
    seed(0, Soi() + ExifApp1(Tiff(loop, order)) + ScanAndEnd());
  }
  seed(0, JpegWithoutExif());
  seed(0, Soi() + Comment("a comment") + Segment(kApp13, "Photoshop 3.0") + ScanAndEnd());
  return 0;
}
