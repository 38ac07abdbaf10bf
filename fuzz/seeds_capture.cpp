// Writes the seed corpus of fuzz_capture into the folder given as argv[1]:
// the selector byte (0 raw TIFF, 1 ISO media, 2 AVI, 3 PNG, 4 WebP, 5 RAF,
// 6 AVCHD, 7 Matroska, 8 JPEG XL, 9 date text) followed by a file of that
// format built with the test kit or made by a tool (tests/data/formats),
// whole and cut short.

#include "tests/kit/camera_file_builder.h"
#include "tests/kit/iptc_builder.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"

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
  // The formats read since: whole, and cut in half, where a reader meets the
  // end of the data inside a header or a block.
  const auto wholeAndCut = [&](char selector, const std::string& bytes) {
    seed(selector, bytes);
    seed(selector, bytes.substr(0, bytes.size() / 2));
  };
  const std::string samples = FOTOMAZ_FORMAT_SAMPLES_DIR;
  const int64_t nanoseconds = MatroskaNanoseconds(2021, 7, 14, 9, 30, 15);
  wholeAndCut(1, MovieFile(Mvhd(moment) + IsoBox("udta", IsoBox("GPMF", "gpmf"))));
  wholeAndCut(1, MovieFile(Mvhd(moment) + IsoBox("udta", IsoBox("FIRM", "H22.01.01.20.00"))));
  wholeAndCut(
      1, MovieFile(Mvhd(moment) + IsoBox("udta", NikonTagBox({{0x01, 2, std::string("NIKON\0", 6)},
                                                              {0x13, 3, std::string("\x07\x80", 2)},
                                                              {0x11, 2, "2021:07:14 21:00:00"}}))));
  wholeAndCut(4, ReadWholeFile(samples + "/image.webp"));
  wholeAndCut(5, RafFile(JpegWithExifDate("2015:06:07 08:09:10")));
  wholeAndCut(6, AvchdStream(MdpmUserData(2010, 1, 1, 0, 0, 0), false));
  wholeAndCut(6, ReadWholeFile(samples + "/clip.mts"));
  wholeAndCut(7, MatroskaFile("webm", &nanoseconds));
  wholeAndCut(7, ReadWholeFile(samples + "/movie.mkv"));
  wholeAndCut(8, JxlFile(tiff, JxlExif::Plain));
  wholeAndCut(8, ReadWholeFile(samples + "/image.jxl"));
  // A scan's dates inside the file, beside its IFD0 DateTime: the XMP
  // packet and IPTC datasets of a TIFF, PNG's iTXt chunk, HEIF's XMP item.
  const std::string packet =
      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
      "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
      "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
      "xmp:CreateDate=\"1987-06-05T04:03:02+02:00\"/></rdf:RDF></x:xmpmeta>";
  const std::string iptc = IptcDataset(2, 55, "19870605") + IptcDataset(2, 60, "040302+0200");
  Ifd scan = DatedIfd0("", "2026:01:02 03:04:05");
  scan.Add(Undefined(700, packet)).Add(Undefined(33723, iptc));
  const std::string scanTiff = Tiff(scan, ByteOrder::Motorola);
  wholeAndCut(0, scanTiff);
  wholeAndCut(3, PngWithChunks(PngChunk("eXIf", scanTiff) + PngItxt("XML:com.adobe.xmp", packet)));
  wholeAndCut(1, HeifWithXmp(scanTiff, packet));
  wholeAndCut(1, HeifWithXmp("", packet));
  // Sizes that point far behind the data.
  seed(4, "RIFF\xF0\xFF\xFF\x7FWEBPEXIF\xF0\xFF\xFF\xFF");
  seed(7, std::string("\x1A\x45\xDF\xA3\x80\x18\x53\x80\x67\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 17));
  seed(8, std::string("\0\0\0\x0CJXL \x0D\x0A\x87\x0A\0\0\0\1Exif\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
                      28));
  for (const char* text :
       {"2023:05:01 12:07:32", "2019-08-24T11:22:33.5+02:00", "Mon Mar  3 09:44:56 2008\n"})
    seed(9, text);
  return 0;
}
