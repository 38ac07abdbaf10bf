// Writes the seed corpus of fuzz_exif into the folder given as argv[1]: each
// file is the selector byte (0 JPEG, 1 TIFF) followed by a file built with the
// test kit.

#include "tests/kit/makernote_builder.h"
#include "tests/kit/testkit.h"

#include <iostream>
#include <string>
#include <utility>
#include <vector>

using namespace testkit;

namespace {

// One note of each maker and layout, with values inline, behind the
// directory and, for Canon, the lists the breakdowns read.
std::vector<std::pair<Camera, NoteAt>> MakerNoteSeeds(ByteOrder order) {
  const Ifd canon{Short(0x0001, {80, 2, 0, 3, 1, 0, 0, 4, 0, 1, 0, 1, 0, 0, 0, 0, 17, 5, 1}),
                  Short(0x0004, {54, 0, 160, 276, 149, 287, 0, 0, 0, 0, 6, 0, 0, 0, 0, 65504}),
                  Ascii(0x0006, "IMG:PowerShot JPEG"), Long(0x0008, {1171771}),
                  Short(0x000F, {257, 1792, 3585, 0})};
  const Ifd nikon{Ascii(0x0004, "FINE  "), Ascii(0x008D, "MODE2"),
                  Rational(0x0084, {{180, 10}, {700, 10}, {35, 10}, {45, 10}})};
  const Ifd general{Short(0x0001, {2}), Short(0x0202, {1}), Ascii(0x0209, "CAMERA-ID"),
                    Short(0x1001, {3}), Short(0x0000, {1}), Short(0x0F00, {1})};
  return {
      {{"NIKON CORPORATION", "NIKON D70", "0220"},
       [=](uint32_t) { return NikonTiffNote(nikon, order); }},
      {{"NIKON", "NIKON D1", ""}, [=](uint32_t) { return NikonTiffNote(nikon, order); }},
      {{"NIKON", "E990", "0200"}, [=](uint32_t at) { return NikonHeaderNote(nikon, order, at); }},
      {{"NIKON", "E700", "0210"}, [=](uint32_t at) { return PlainNote(nikon, order, at); }},
      {{"OLYMPUS OPTICAL CO.,LTD", "C2000Z", "0210"},
       [=](uint32_t at) { return OlympusNote(general, order, at); }},
      {{"CASIO", "EX-Z4", "0220"}, [=](uint32_t at) { return CasioQvcNote(general, order, at); }},
      {{"CASIO", "QV-3000EX", "0210"}, [=](uint32_t at) { return PlainNote(general, order, at); }},
      {{"FUJIFILM", "FinePix6900ZOOM", "0210"}, [=](uint32_t) { return FujifilmNote(general); }},
      {{"Canon", "Canon PowerShot S40", "0220"},
       [=](uint32_t at) { return PlainNote(canon, order, at); }},
      {{"SEIKO EPSON CORP.", "PhotoPC", "0210"},
       [=](uint32_t at) {
         return EightByteHeaderNote(std::string("EPSON\0\1\0", 8), general, order, at);
       }},
      {{"SANYO Electric Co.,Ltd.", "SR6", "0210"},
       [=](uint32_t at) {
         return EightByteHeaderNote(std::string("SANYO\0\1\0", 8), general, order, at);
       }},
      {{"MINOLTA CO.,LTD", "DiMAGE 7", "0210"},
       [=](uint32_t at) { return PlainNote(general, order, at); }},
  };
}

} // namespace

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
    seed(0, JpegWithThumbnail(std::string("\xFF\xD8\xFF\xD9", 4), order));
  }
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    for (const auto& [camera, note] : MakerNoteSeeds(order)) {
      seed(0, JpegWithMakerNote(camera, note, order));
      seed(1, TiffWithMakerNote(camera, note, order));
    }
  }
  seed(0, JpegWithoutExif());
  seed(0, Soi() + Comment("a comment") + Segment(kApp13, "Photoshop 3.0") + ScanAndEnd());
  return 0;
}
