// The order of date sources of the capture-date option: a JPEG's
// DateTimeOriginal, its XMP packet, its IPTC date, its IFD0 DateTime, the
// file's name, the modification time; and none of it without the option.

#include "platform/lower_name.h"
#include "run/file_date.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iptc_builder.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/jpeg_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/tiff_builder.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

std::string Xmp(const std::string& createDate) {
  return "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
         "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:CreateDate=\"" +
         createDate + "\"/></rdf:RDF></x:xmpmeta>";
}

struct Parts {
  std::string original, dateTime; // EXIF texts, each left out when empty
  std::string xmp;                // xmp:CreateDate, no packet when empty
  std::string iptcDay;            // IPTC DateCreated, none when empty
  bool xmpFirst = false;          // the XMP segment before the EXIF one
};

std::string Jpeg(const Parts& parts) {
  const std::string exif =
      parts.original.empty() && parts.dateTime.empty()
          ? ""
          : ExifApp1(Tiff(DatedIfd0(parts.original, parts.dateTime), ByteOrder::Intel));
  const std::string xmp = parts.xmp.empty() ? "" : XmpApp1(Xmp(parts.xmp));
  const std::string iptc = parts.iptcDay.empty()
                               ? ""
                               : App13(PhotoshopIptcBlock(IptcDataset(2, 55, parts.iptcDay) +
                                                          IptcDataset(2, 60, "101010+0100")));
  return Soi() + App0Jfif() + (parts.xmpFirst ? xmp + exif : exif + xmp) + iptc + ScanAndEnd();
}

std::string Result(const DatedFile& dated) {
  return DateStamp(dated.date) + " " + std::string(DateSourceIdentifier(dated));
}

} // namespace

TEST(DateOrder, EachSourceComesInItsPlace) {
  UseBerlinTime();
  TempDir dir;
  const time_t modified = LocalSeconds(2019, 11, 3, 8, 9, 11);
  const std::string dto = "2023:05:01 12:07:32";
  const std::string written = "2024:01:02 03:04:05"; // a scanner's save
  const std::string zero = "0000:00:00 00:00:00";
  struct Case {
    std::string name;
    Parts parts;
    std::string withOption, without;
  };
  const Case cases[] = {
      {"a.jpg",
       {dto, written, "2001-02-03T04:05:06", "19990101"},
       "2023-05-01_120732 JpegExif",
       "2023-05-01_120732 JpegExif"},
      {"scan.jpg",
       {"", written, "2001-02-03T04:05:06+02:00", "19990101"},
       "2001-02-03_040506 XmpPacket",
       "2024-01-02_030405 JpegExif"},
      {"scan.jpg",
       {zero, written, "2001-02-03T04:05:06", "", true},
       "2001-02-03_040506 XmpPacket",
       "2024-01-02_030405 JpegExif"},
      {"scan.jpg",
       {"", written, "2001-02", "19990101"},
       "1999-01-01_101010 IptcDateCreated",
       "2024-01-02_030405 JpegExif"},
      {"IMG_20220202_222222.jpg",
       {"", written, "", ""},
       "2024-01-02_030405 ExifDateTime",
       "2024-01-02_030405 JpegExif"},
      {"IMG_20220202_222222.jpg",
       {zero, zero, "", ""},
       "2022-02-02_222222 FileName",
       "2019-11-03_080910 ModificationTime"},
      {"IMG-20190103-WA0001.jpg",
       {"", "", "", ""},
       "2019-01-03_000000 FileName",
       "2019-11-03_080910 ModificationTime"},
      {"IMG-20191103-WA0001.jpg",
       {"", "", "", ""},
       "2019-11-03_080910 FileName",
       "2019-11-03_080910 ModificationTime"},
      {"Screenshot_20260501-120732.png",
       {},
       "2026-05-01_120732 FileName",
       "2019-11-03_080910 ModificationTime"},
      {"IMG_1234.jpg",
       {"", "", "", "20231399"},
       "2019-11-03_080910 ModificationTime",
       "2019-11-03_080910 ModificationTime"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " " + c.withOption);
    const std::string file = dir.File(c.name);
    WriteFileAt(file, c.name.ends_with(".png") ? "no png" : Jpeg(c.parts), modified);
    EXPECT_EQ(Result(DateOfFile(file, true)), c.withOption);
    EXPECT_EQ(Result(DateOfFile(file, false)), c.without);
    std::remove(file.c_str());
  }
}

// Step 2: the export or sidecar file beside the file, found among its
// folder's sidecars, outranks all the file holds but its own capture date.
TEST(DateOrder, ASidecarComesAfterTheFilesOwnCaptureDate) {
  UseBerlinTime();
  const time_t modified = LocalSeconds(2019, 11, 3, 8, 9, 11);
  const std::string dto = "2023:05:01 12:07:32";
  const std::string xmpFile = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                              "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                              "<rdf:Description KEYS/></rdf:RDF></x:xmpmeta>";
  const auto xmp = [&](const std::string& keys) {
    std::string text = xmpFile;
    return text.replace(text.find("KEYS"), 4, keys);
  };
  const std::string json = R"({"photoTakenTime": {"timestamp": "1777630052"}})";
  const std::string srt = "1\n00:00:00,000 --> 00:00:00,033\n<font>FrameCnt: 1\n";
  struct Case {
    std::string name; // the dated file, a JPEG built of parts (a clip: no date inside)
    Parts parts;
    std::vector<std::pair<std::string, std::string>> beside; // name, bytes
    std::string withOption;
  };
  const Case cases[] = {
      {"IMG_1.jpg", {}, {{"IMG_1.jpg.json", json}}, "2026-05-01_120732 TakeoutJson"},
      {"IMG_1.JPG", {}, {{"img_1.jpg.JSON", json}}, "2026-05-01_120732 TakeoutJson"},
      {"IMG_1.jpg",
       {},
       {{"IMG_1.jpg.supplemental-metadata.json",
         R"({"creationTime": {"timestamp": "1"}, "photoTakenTime": {"timestamp": 1777630052}})"}},
       "2026-05-01_120732 TakeoutJson"},
      // An export cuts a data file's name to 51 bytes; the file's own name comes after.
      {"Screenshot_20250101-000000_Galerie.png",
       {},
       {{"Screenshot_20250101-000000_Galerie.png.supplem.json", json}},
       "2026-05-01_120732 TakeoutJson"},
      // The upload's time is no capture date.
      {"IMG_1.jpg",
       {},
       {{"IMG_1.jpg.json", R"({"creationTime": {"timestamp": "1777630052"}})"}},
       "2019-11-03_080910 ModificationTime"},
      {"scan.jpg",
       {"", "2024:01:02 03:04:05", "2001-02-03T04:05:06", "19990101"},
       {{"scan.xmp", xmp("xmlns:exif=\"http://ns.adobe.com/exif/1.0/\" "
                         "exif:DateTimeOriginal=\"1988-07-01T10:11:12+02:00\"")}},
       "1988-07-01_101112 XmpSidecar"},
      {"scan.tif.jpg",
       {},
       {{"scan.tif.jpg.xmp",
         xmp("xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:CreateDate=\"1988-07-01\"")},
        {"scan.tif.xmp", xmp("xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
                             "xmp:CreateDate=\"1977-01-01\"")}},
       "1988-07-01_000000 XmpSidecar"},
      {"IMG_20220202_222222.jpg",
       {},
       {{"IMG_20220202_222222.xmp", xmp("xmlns:photoshop=\"http://ns.adobe.com/photoshop/1.0/\" "
                                        "photoshop:DateCreated=\"1988-07-01T10:11\"")}},
       "1988-07-01_101100 XmpSidecar"},
      {"a.jpg", {dto, "", "", ""}, {{"a.jpg.json", json}}, "2023-05-01_120732 JpegExif"},
      {"C0001.MP4",
       {},
       {{"C0001M01.XML", "<NonRealTimeMeta><CreationDate value=\"2026-05-01T12:07:32+02:00\"/>"
                         "</NonRealTimeMeta>"}},
       "2026-05-01_120732 SonyClipXml"},
      {"DJI_0002.MP4",
       {},
       {{"DJI_0002.SRT", srt + "2026-05-01 12:07:32.123\n[iso: 100]</font>\n"}},
       "2026-05-01_120732 DjiSrt"},
      {"DJI_0003.MP4",
       {},
       {{"DJI_0003.srt", srt + "HOME(13.40,52.52) 0000.00.00 00:00:00 2026.05.01 12:07:32\n"}},
       "2026-05-01_120732 DjiSrt"},
      // A sidecar that states nothing leaves the rest of the order.
      {"IMG_20220202_222222.jpg",
       {},
       {{"IMG_20220202_222222.jpg.json", "{}"}, {"IMG_20220202_222222.srt", srt}},
       "2022-02-02_222222 FileName"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " " + c.withOption);
    TempDir dir;
    const std::string file = dir.File(c.name);
    WriteFileAt(file, c.name.ends_with(".MP4") ? "no movie" : Jpeg(c.parts), modified);
    std::vector<FolderSidecars::Name> names;
    for (const auto& [name, bytes] : c.beside) {
      WriteFile(dir.File(name), bytes);
      names.emplace_back(LowerName(name), name);
    }
    const FolderSidecars sidecars(names);
    EXPECT_EQ(Result(DateOfFile(file, true, std::nullopt, nullptr, &sidecars)), c.withOption);
    EXPECT_EQ(Result(DateOfFile(file, true, std::nullopt, nullptr, nullptr)),
              Result(DateOfFile(file, true)));
    EXPECT_EQ(Result(DateOfFile(file, false, std::nullopt, nullptr, &sidecars)),
              Result(DateOfFile(file, false)));
    // A program that dates one file lists its folder as the run's walk does.
    const FolderSidecars listed = FolderSidecars::Listed(dir.path());
    EXPECT_EQ(Result(DateOfFile(file, true, std::nullopt, nullptr, &listed)), c.withOption);
  }
}

namespace {

// The formats besides JPEG that keep XMP and IPTC: what each holds where.
enum class Format { Tiff, Png, PngCompressedText, Heif };

std::string FileOf(Format format, const Parts& parts, size_t padding = 0) {
  Ifd ifd0 = DatedIfd0(parts.original, parts.dateTime);
  const std::string xmp = parts.xmp.empty() ? "" : Xmp(parts.xmp);
  switch (format) {
  case Format::Tiff:
    if (!xmp.empty()) ifd0.Add(Undefined(700, xmp));
    if (!parts.iptcDay.empty()) ifd0.Add(Undefined(33723, IptcDataset(2, 55, parts.iptcDay)));
    return Tiff(ifd0.Padding(padding), ByteOrder::Motorola);
  case Format::Png:
  case Format::PngCompressedText:
    return PngWithChunks(PngChunk("eXIf", Tiff(ifd0, ByteOrder::Intel)) +
                         PngItxt("XML:com.adobe.xmp", xmp, format == Format::PngCompressedText));
  case Format::Heif:
    return HeifWithXmp(Tiff(ifd0, ByteOrder::Intel), xmp);
  }
  return {};
}

} // namespace

TEST(DateOrder, XmpAndIptcInsideOtherFormatsComeBeforeTheirDateTime) {
  UseBerlinTime();
  TempDir dir;
  const time_t modified = LocalSeconds(2019, 11, 3, 8, 9, 11);
  const std::string dto = "2023:05:01 12:07:32";
  const std::string scanned = "2026:01:02 03:04:05";
  const std::string taken = "1987-06-05T04:03:02";
  struct Case {
    std::string name;
    Format format;
    Parts parts;
    std::string withOption;
    size_t padding = 0;
  };
  const Case cases[] = {
      {"scan.tif", Format::Tiff, {"", scanned, taken, "19990101"}, "1987-06-05_040302 XmpPacket"},
      {"scan.tif",
       Format::Tiff,
       {"", scanned, "", "19870605"},
       "1987-06-05_000000 IptcDateCreated"},
      {"scan.tif", Format::Tiff, {"", scanned, "", ""}, "2026-01-02_030405 ExifDateTime"},
      {"raw.nef",
       Format::Tiff,
       {dto, scanned, taken, "19990101"},
       "2023-05-01_120732 ExifDateTimeOriginal"},
      // The packet lies behind the window the date read takes first.
      {"big.tif", Format::Tiff, {"", scanned, taken, ""}, "1987-06-05_040302 XmpPacket", 100000},
      {"scan.png", Format::Png, {"", scanned, taken, ""}, "1987-06-05_040302 XmpPacket"},
      {"scan.png",
       Format::PngCompressedText,
       {"", scanned, taken, ""},
       "2026-01-02_030405 ExifDateTime"},
      {"IMG_20220202_222222.png", Format::Png, {"", "", "", ""}, "2022-02-02_222222 FileName"},
      {"edit.heic", Format::Heif, {"", scanned, taken, ""}, "1987-06-05_040302 XmpPacket"},
      {"photo.heic",
       Format::Heif,
       {dto, scanned, taken, ""},
       "2023-05-01_120732 ExifDateTimeOriginal"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " " + c.withOption);
    const std::string file = dir.File(c.name);
    WriteFileAt(file, FileOf(c.format, c.parts, c.padding), modified);
    EXPECT_EQ(Result(DateOfFile(file, true)), c.withOption);
    // Without the option the files' own readers decide as before.
    const std::string before = c.parts.original.empty() ? "2026-01-02_030405 ExifDateTime"
                                                        : "2023-05-01_120732 ExifDateTimeOriginal";
    if (!c.parts.dateTime.empty()) {
      EXPECT_EQ(Result(DateOfJoinedFile(file, std::nullopt)), before);
    }
    std::remove(file.c_str());
  }
}
