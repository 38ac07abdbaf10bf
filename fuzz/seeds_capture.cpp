// Writes the seed corpus of fuzz_capture into the folder given as argv[1]:
// the selector byte (0 raw TIFF, 1 ISO media, 2 AVI, 3 PNG, 4 date text)
// followed by a file of that format built with the test kit.

#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"

#include <iostream>
#include <string>

using namespace testkit;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: seeds_capture FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  int count = 0;
  const auto seed = [&](char selector, const std::string& bytes) {
    WriteFile(folder + "/seed_" + std::to_string(count++), std::string(1, selector) + bytes);
  };
  const Ifd ifd0 = DatedIfd0("2015:06:07 08:09:10", "2015:06:07 08:09:11");
  for (RawKind kind : {RawKind::Dng, RawKind::Cr2, RawKind::Orf, RawKind::Rw2})
    seed(0, RawTiff(kind, ifd0, ByteOrder::Motorola));
  const std::string tiff = Tiff(ifd0, ByteOrder::Intel);
  const uint64_t moment = MovieSeconds(2021, 7, 14, 9, 30, 15);
  const std::string keys =
      KeyedMeta({{std::string(kCreationDateKey), "2021-07-14T04:30:15-0500"}}, MetaForm::QuickTime);
  seed(1, MovieFile(Mvhd(moment, 0) + keys));
  seed(1, MovieFile(Mvhd(moment, 1) + IsoBox("udta", KeyedMeta({{"k", "v"}}, MetaForm::Iso))));
  seed(1, Ftyp("isom") + IsoLargeBox("mdat", "media") + IsoBoxToTheEnd("moov", Mvhd(moment)));
  seed(1, HeifWithExif(tiff, ItemPlace::MediaData));
  seed(1, HeifWithExif(tiff, ItemPlace::ItemData, "avif"));
  seed(1, Cr3File(tiff, tiff));
  seed(2, AviWithDateText(std::string("MON MAR 03 09:44:56 2008\n\0", 26)));
  seed(2, AviWithDateText("2005:08:17 11:42:43"));
  seed(3, PngWithExif(tiff, ExifPlace::BeforeImageData));
  seed(3, PngWithExif(tiff, ExifPlace::BehindImageData));
  for (const char* text :
       {"2023:05:01 12:07:32", "2019-08-24T11:22:33.5+02:00", "Mon Mar  3 09:44:56 2008\n"})
    seed(4, text);
  return 0;
}
