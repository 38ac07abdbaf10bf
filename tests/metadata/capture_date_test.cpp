// Capture dates of the formats that are not JPEG, from files built by the
// test kit to each format's published structure.

#include "metadata/capture_date.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testkit;

namespace {

const std::string kOriginal = "2015:06:07 08:09:10";
const std::string kDateTime = "2015:06:07 08:09:11";
const uint64_t kSummerMoment = MovieSeconds(2021, 7, 14, 9, 30, 15); // 11:30:15 in Berlin

// "yyyy:mm:dd hh:mm:ss (Source)", or "none".
std::string DateOf(const std::string& bytes, const std::string& name) {
  UseBerlinTime();
  MemorySource source(bytes);
  const std::optional<CaptureDate> date = ReadCaptureDate(source, name);
  if (!date) return "none";
  return CaptureDateText(date->Time) + " (" + std::string(CaptureSourceName(date->Source)) + ")";
}

std::string Tiff(const std::string& original, const std::string& dateTime) {
  return testkit::Tiff(DatedIfd0(original, dateTime), ByteOrder::Intel);
}

std::string Movie(const std::string& moovChildren) {
  return MovieFile(moovChildren, "isom");
}

struct Case {
  const char* what;
  std::string name;
  std::string bytes;
  std::string expected;
};

} // namespace

TEST(CaptureDate, EveryRawLayoutInBothOrdersGivesTheOriginalDate) {
  for (RawKind kind : {RawKind::Dng, RawKind::Cr2, RawKind::Nef, RawKind::Arw, RawKind::Orf,
                       RawKind::Rw2, RawKind::Pef}) {
    for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
      const std::string file = RawTiff(kind, DatedIfd0(kOriginal, kDateTime), order);
      for (const char* name : {"a.dng", "b.CR2", "c.nef", "d.arw", "e.orf", "f.rw2", "g.pef"})
        EXPECT_EQ(DateOf(file, name), kOriginal + " (ExifDateTimeOriginal)")
            << name << " " << static_cast<int>(kind);
    }
  }
}

TEST(CaptureDate, EachFormatGivesItsDateOrNone) {
  const std::string keyed = KeyedMeta({{"com.apple.quicktime.make", "Apple"},
                                       {std::string(kCreationDateKey), "2021-07-14T04:30:15-0500"}},
                                      MetaForm::QuickTime);
  const std::string keyedIso =
      KeyedMeta({{std::string(kCreationDateKey), "2021-07-14T04:30:15.123-05:00"}}, MetaForm::Iso);
  const std::string utc =
      KeyedMeta({{std::string(kCreationDateKey), "2021-07-14T09:30:15Z"}}, MetaForm::QuickTime);
  const std::string jpeg = JpegWithExifDate(kOriginal);
  const Case cases[] = {
      {"DateTime alone", "a.tif", Tiff("", kDateTime), kDateTime + " (ExifDateTime)"},
      {"zero original", "a.tif", Tiff("0000:00:00 00:00:00", kDateTime),
       kDateTime + " (ExifDateTime)"},
      {"original before 1970", "a.tif", Tiff("1969:12:31 23:59:59", kDateTime),
       kDateTime + " (ExifDateTime)"},
      {"no plausible date", "a.tif", Tiff("2015:02:29 08:00:00", "2015:06:07 24:00:00"), "none"},
      {"IFD0 behind the first window", "a.tif",
       testkit::Tiff(DatedIfd0(kOriginal, ""), ByteOrder::Motorola, 200000),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"movie header v0", "a.mp4", Movie(Mvhd(kSummerMoment, 0)),
       "2021:07:14 11:30:15 (MovieHeader)"},
      {"movie header v1, winter", "a.3gp", Movie(Mvhd(MovieSeconds(2150, 1, 1, 0, 0, 0), 1)),
       "2150:01:01 01:00:00 (MovieHeader)"},
      {"movie header 0", "a.mov", Movie(Mvhd(0)), "none"},
      {"movie header at the Unix epoch", "a.mov", Movie(Mvhd(2082844800)), "none"},
      {"creation date in moov/meta", "a.mov", Movie(Mvhd(kSummerMoment) + keyed),
       "2021:07:14 04:30:15 (QuickTimeCreationDate)"},
      {"creation date in udta/meta", "a.m4v", Movie(IsoBox("udta", keyedIso) + Mvhd(kSummerMoment)),
       "2021:07:14 04:30:15 (QuickTimeCreationDate)"},
      {"creation date without local offset", "a.mov", Movie(Mvhd(kSummerMoment) + utc),
       "2021:07:14 11:30:15 (MovieHeader)"},
      {"moov behind a 64-bit mdat", "a.mp4",
       Ftyp("isom") + IsoLargeBox("mdat", std::string(300, '\0')) +
           IsoBox("moov", Mvhd(kSummerMoment)),
       "2021:07:14 11:30:15 (MovieHeader)"},
      {"moov before an mdat to the end", "a.mp4",
       Ftyp("isom") + IsoBox("moov", Mvhd(kSummerMoment)) + IsoBoxToTheEnd("mdat", "xyz"),
       "2021:07:14 11:30:15 (MovieHeader)"},
      {"HEIF Exif item in mdat", "a.heic", HeifWithExif(Tiff(kOriginal, ""), ItemPlace::MediaData),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"AVIF Exif item in idat", "a.avif",
       HeifWithExif(Tiff(kOriginal, kDateTime), ItemPlace::ItemData, "avif"),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"CR3", "a.cr3", Cr3File(Tiff("", kDateTime), Tiff(kOriginal, "")),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"CR3 with DateTime only", "a.cr3", Cr3File(Tiff("", kDateTime), Tiff("", "")),
       kDateTime + " (ExifDateTime)"},
      {"AVI clock text", "a.avi", AviWithDateText(std::string("MON MAR 03 09:44:56 2008\n\0", 26)),
       "2008:03:03 09:44:56 (AviDateText)"},
      {"AVI EXIF-like text", "a.AVI", AviWithDateText("2005:08:17 11:42:43"),
       "2005:08:17 11:42:43 (AviDateText)"},
      {"AVI without IDIT", "a.avi", AviWithDateText(""), "none"},
      {"AVI impossible day", "a.avi", AviWithDateText("Thu Feb 30 09:44:56 2008"), "none"},
      {"PNG eXIf before the image data", "a.png",
       PngWithExif(Tiff(kOriginal, ""), ExifPlace::BeforeImageData),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"PNG eXIf behind the image data", "a.png",
       PngWithExif(Tiff(kOriginal, ""), ExifPlace::BehindImageData, 4000),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"JPEG is not dated here", "a.jpg", jpeg, "none"},
      {"JPEG bytes named .tif", "a.tif", jpeg, "none"},
      {"JPEG bytes named .mov", "a.mov", jpeg, "none"},
      {"JPEG bytes named .avi", "a.avi", jpeg, "none"},
      {"JPEG bytes named .png", "a.png", jpeg, "none"},
      {"movie named .png", "a.png", Movie(Mvhd(kSummerMoment)), "none"},
      {"no reader for .mpg", "a.mpg", Movie(Mvhd(kSummerMoment)), "none"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DateOf(c.bytes, c.name), c.expected) << c.what;
}

TEST(CaptureDate, TiffDateNearTheStartReadsOnlyTheWindow) {
  const std::string file = Tiff(kOriginal, "") + std::string(1 << 20, '\x11');
  MemorySource source(file);
  ASSERT_TRUE(ReadCaptureDate(source, "a.dng"));
  EXPECT_LE(source.BytesRead(), 8u + 64 * 1024);
}

TEST(CaptureDate, BrokenChecksumHidesThePngExif) {
  for (ExifPlace place : {ExifPlace::BeforeImageData, ExifPlace::BehindImageData}) {
    std::string file = PngWithExif(Tiff(kOriginal, ""), place);
    // The image data holds the letters too; the chunk is the first or the last.
    const size_t type =
        place == ExifPlace::BeforeImageData ? file.find("eXIf") : file.rfind("eXIf");
    file[type + 8] ^= 1; // a byte of the TIFF data
    EXPECT_EQ(DateOf(file, "a.png"), "none");
  }
}

TEST(CaptureDate, MovieHeaderTimeFollowsTheTimeZone) {
  const std::string file = Movie(Mvhd(kSummerMoment));
  MemorySource source(file);
  setenv("TZ", "America/New_York", 1);
  tzset();
  const std::optional<CaptureDate> date = ReadCaptureDate(source, "a.mp4");
  UseBerlinTime();
  ASSERT_TRUE(date);
  EXPECT_EQ(CaptureDateText(date->Time), "2021:07:14 05:30:15");
}

TEST(CaptureDate, EveryTruncationEndsCleanly) {
  const std::string tiff = Tiff(kOriginal, kDateTime);
  const Case files[] = {
      {"heic", "a.heic", HeifWithExif(tiff, ItemPlace::MediaData), ""},
      {"cr3", "a.cr3", Cr3File(tiff, tiff), ""},
      {"mov", "a.mov",
       Movie(
           Mvhd(kSummerMoment) +
           KeyedMeta({{std::string(kCreationDateKey), "2021-07-14T04:30:15-0500"}}, MetaForm::Iso)),
       ""},
      {"avi", "a.avi", AviWithDateText("2005:08:17 11:42:43"), ""},
      {"png", "a.png", PngWithExif(tiff, ExifPlace::BehindImageData), ""},
      {"rw2", "a.rw2", RawTiff(RawKind::Rw2, DatedIfd0(kOriginal, kDateTime), ByteOrder::Intel),
       ""},
  };
  for (const Case& c : files) {
    ASSERT_NE(DateOf(c.bytes, c.name), "none") << c.what;
    for (size_t cut = 0; cut < c.bytes.size(); ++cut)
      DateOf(c.bytes.substr(0, cut), c.name); // the sanitizers watch every read
  }
}

TEST(CaptureDate, HostileBoxesEndWithinTheReadsBounds) {
  std::string nested = IsoBox("mvhd", "");
  for (int i = 0; i < 200; ++i)
    nested = IsoBox(i % 2 == 0 ? "udta" : "moov", nested);
  std::string manyBoxes = Ftyp("isom");
  for (int i = 0; i < 20000; ++i)
    manyBoxes += IsoBox("free", std::string(24, '\0'));
  const std::string countWord(4, '\xFF');
  const std::string hugeLists =
      Ftyp("heic") +
      IsoFullBox("meta", 0,
                 IsoFullBox("iinf", 1, countWord) + IsoFullBox("iloc", 2, "\x44\x00" + countWord));
  const std::string tiff = Tiff(kOriginal, "");
  std::string farExtent = HeifWithExif(tiff, ItemPlace::MediaData);
  const size_t lengthField = farExtent.find("iloc") + 4 + 4 + 2 + 2 + 14 + 8 + 4;
  farExtent.replace(lengthField - 4, 4, "\x7F\xFF\xFF\xF0"); // Exif item offset far behind the end
  const Case cases[] = {
      {"deep nesting", "a.mov", Ftyp("qt  ") + nested, "none"},
      {"many top-level boxes", "a.mp4", manyBoxes + IsoBox("moov", Mvhd(kSummerMoment)), "none"},
      {"huge item lists", "a.heic", hugeLists, "none"},
      {"item behind the end", "a.heic", farExtent, "none"},
      {"64-bit size past every end", "a.mp4",
       Ftyp("isom") + std::string("\0\0\0\1mdat\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 16) +
           IsoBox("moov", Mvhd(kSummerMoment)),
       "none"},
      {"box smaller than its header", "a.mp4", Ftyp("isom") + std::string("\0\0\0\4moov", 8),
       "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateOf(c.bytes, c.name), c.expected) << c.what;
    MemorySource source(c.bytes);
    ReadCaptureDate(source, c.name);
    EXPECT_LT(source.BytesRead(), 4u << 20) << c.what;
  }
}
