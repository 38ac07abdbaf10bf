// Capture dates of the formats that are not JPEG, from files built by the
// test kit to each format's published structure.

#include "metadata/capture_date.h"
#include "tests/kit/camera_file_builder.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"
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
  return CaptureDateText(date->time) + " (" + std::string(CaptureSourceName(date->source)) + ")";
}

std::string Tiff(const std::string& original, const std::string& dateTime) {
  return testkit::Tiff(DatedIfd0(original, dateTime), ByteOrder::Intel);
}

std::string Movie(const std::string& moovChildren) {
  return MovieFile(moovChildren, "isom");
}

std::string Matroska(int year, int month, int day, int hour, int minute, int second) {
  const int64_t nanoseconds = MatroskaNanoseconds(year, month, day, hour, minute, second);
  return MatroskaFile("matroska", &nanoseconds);
}

std::string GoProClip(uint64_t headerSeconds, std::string_view box,
                      const std::string& firmware = "HD9.01.01.60.00") {
  return MovieFile(Mvhd(headerSeconds) + IsoBox("udta", IsoBox(box, firmware)), "mp41");
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

TEST(CaptureDate, EachNewFormatGivesItsDateOrNone) {
  const std::string tiff = testkit::Tiff(DatedIfd0(kOriginal, ""), ByteOrder::Motorola);
  const std::string jpeg = JpegWithExifDate(kOriginal);
  const uint64_t lateEvening = MovieSeconds(2021, 7, 14, 23, 30, 15);
  const Case cases[] = {
      {"RAF", "a.RAF", RafFile(jpeg), kOriginal + " (ExifDateTimeOriginal)"},
      {"RAF pointing past its JPEG", "a.raf", RafFile(jpeg).substr(0, 150), "none"},
      {"AVCHD, time-stamped packets", "a.mts", AvchdStream(MdpmUserData(2009, 8, 1, 1, 25, 45)),
       "2009:08:01 01:25:45 (AvchdRecordingTime)"},
      {"AVCHD, zeros escaped", "a.m2ts", AvchdStream(MdpmUserData(2010, 1, 1, 0, 0, 0), false),
       "2010:01:01 00:00:00 (AvchdRecordingTime)"},
      {"AVCHD behind 200 KiB of video", "a.mts",
       AvchdStream(MdpmUserData(2012, 12, 24, 18, 0, 5), true, 200 * 1024),
       "2012:12:24 18:00:05 (AvchdRecordingTime)"},
      {"AVCHD behind the first megabyte", "a.mts",
       AvchdStream(MdpmUserData(2012, 12, 24, 18, 0, 5), true, 1 << 20), "none"},
      {"AVCHD impossible day", "a.mts", AvchdStream(MdpmUserData(2012, 2, 30, 18, 0, 5)), "none"},
      {"transport stream without MDPM", "a.m2ts", AvchdStream("no camera data"), "none"},
      {"Matroska without DateUTC", "a.mkv", MatroskaFile("matroska", nullptr), "none"},
      {"WebM before 2001", "a.webm", Matroska(1999, 12, 31, 23, 0, 0),
       "2000:01:01 00:00:00 (MatroskaDateUtc)"},
      {"JPEG XL Exif box", "a.jxl", JxlFile(tiff, JxlExif::Plain),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"JPEG XL Brotli Exif", "a.jxl", JxlFile(tiff, JxlExif::Brotli), "none"},
      {"JPEG XL bare code stream", "a.jxl", std::string("\xFF\x0A\x10\x20", 4), "none"},
      // GoPro cameras write the local time; any other clip keeps UTC.
      {"GoPro FIRM", "GOPR0001.MP4", GoProClip(lateEvening, "FIRM"),
       "2021:07:14 23:30:15 (GoProMovieHeader)"},
      {"GoPro GPMF", "a.mp4", GoProClip(lateEvening, "GPMF"),
       "2021:07:14 23:30:15 (GoProMovieHeader)"},
      {"GoPro GoPr", "a.mov", GoProClip(lateEvening, "GoPr"),
       "2021:07:14 23:30:15 (GoProMovieHeader)"},
      {"other user data", "a.mp4", GoProClip(lateEvening, "\xA9too"),
       "2021:07:15 01:30:15 (MovieHeader)"},
      {"HIF", "a.hif", HeifWithExif(tiff, ItemPlace::ItemData),
       kOriginal + " (ExifDateTimeOriginal)"},
      {"raw without a TIFF header", "a.iiq", "IIII" + tiff, "none"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DateOf(c.bytes, c.name), c.expected) << c.what;
}

// GoPro's firmware family decides the header's clock: local up to H21,
// UTC from H22 on; a clip whose firmware text is unreadable keeps local.
// Nikon's own tag list comes before the header, which Nikon fills with
// the wall clock as if it were UTC.
TEST(CaptureDate, VideoClocksByMaker) {
  const uint64_t lateEvening = MovieSeconds(2021, 7, 14, 23, 30, 15);
  const std::string local = "2021:07:14 23:30:15 (GoProMovieHeader)";
  const std::string utc = "2021:07:15 01:30:15 (GoProMovieHeaderUtc)";
  const auto nikon = [&](const std::vector<NikonTag>& tags) {
    return MovieFile(Mvhd(lateEvening) + IsoBox("udta", NikonTagBox(tags)), "qt  ");
  };
  const NikonTag make{0x01, 2, std::string("NIKON\0", 6)};
  const NikonTag width{0x13, 3, std::string("\x07\x80", 2)};
  const NikonTag created{0x11, 2, std::string("2021:07:14 21:00:00\0", 20)};
  const NikonTag original{0x12, 2, std::string("2021:07:14 20:00:00\0", 20)};
  const Case cases[] = {
      {"HERO8", "GX010001.MP4", GoProClip(lateEvening, "FIRM", "HD8.01.02.50.00"), local},
      {"HERO10", "GX010001.MP4", GoProClip(lateEvening, "FIRM", "H21.01.01.46.00"), local},
      {"HERO11", "GX010001.MP4", GoProClip(lateEvening, "FIRM", "H22.01.01.20.00"), utc},
      {"HERO12", "GX010001.MP4", GoProClip(lateEvening, "FIRM", "H23.01.02.32.00"), utc},
      {"HERO13", "GL010001.LRV", GoProClip(lateEvening, "FIRM", "H24.01.01.10.00"), utc},
      {"no firmware text", "GX010001.MP4", GoProClip(lateEvening, "FIRM", ""), local},
      {"firmware text of no family", "a.mp4", GoProClip(lateEvening, "FIRM", "H2X"), local},
      {"Insta360 video", "VID_1.insv", Movie(Mvhd(kSummerMoment)),
       "2021:07:14 11:30:15 (MovieHeader)"},
      {"Nikon CreateDate", "DSC_0001.MOV", nikon({make, width, original, created}),
       "2021:07:14 21:00:00 (NikonMovieDate)"},
      {"Nikon DateTimeOriginal", "DSC_0001.MOV", nikon({make, original}),
       "2021:07:14 20:00:00 (NikonMovieDate)"},
      {"Nikon list without a date", "DSC_0001.MOV", nikon({make}),
       "2021:07:15 01:30:15 (MovieHeader)"},
      {"Nikon date of zeros", "DSC_0001.MOV",
       nikon({{0x11, 2, std::string("0000:00:00 00:00:00\0", 20)}}),
       "2021:07:15 01:30:15 (MovieHeader)"},
      {"Nikon entry past the end", "DSC_0001.MOV",
       MovieFile(Mvhd(lateEvening) +
                 IsoBox("udta", IsoBox("NCTG", U32(0x11, ByteOrder::Motorola) + BigU16(2) +
                                                   BigU16(20) + "2021:07:14"))),
       "2021:07:15 01:30:15 (MovieHeader)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DateOf(c.bytes, c.name), c.expected) << c.what;
}

TEST(CaptureDate, FurtherTiffRawsAreReadByTheirHeader) {
  const std::string file = RawTiff(RawKind::Rw2, DatedIfd0(kOriginal, ""), ByteOrder::Intel);
  const std::string motorola = RawTiff(RawKind::Nef, DatedIfd0(kOriginal, ""), ByteOrder::Motorola);
  for (const char* name : {"a.nrw", "a.srw", "a.rwl", "a.3fr", "a.erf", "a.mef", "a.mos", "a.iiq",
                           "a.kdc", "a.dcr", "a.sr2", "a.SRF"}) {
    EXPECT_EQ(DateOf(file, name), kOriginal + " (ExifDateTimeOriginal)") << name;
    EXPECT_EQ(DateOf(motorola, name), kOriginal + " (ExifDateTimeOriginal)") << name;
  }
}

// DateUTC is UTC: Berlin's local time of that moment, across the year's
// end and both changes of daylight-saving time.
TEST(CaptureDate, MatroskaDateFollowsBerlinTime) {
  const Case cases[] = {
      {"New Year's Eve", "a.mkv", Matroska(2021, 12, 31, 23, 30, 0),
       "2022:01:01 00:30:00 (MatroskaDateUtc)"},
      {"before midnight in summer", "a.webm", Matroska(2021, 7, 14, 21, 59, 59),
       "2021:07:14 23:59:59 (MatroskaDateUtc)"},
      {"after midnight in summer", "a.webm", Matroska(2021, 7, 14, 22, 0, 0),
       "2021:07:15 00:00:00 (MatroskaDateUtc)"},
      {"last second of winter time", "a.mkv", Matroska(2021, 3, 28, 0, 59, 59),
       "2021:03:28 01:59:59 (MatroskaDateUtc)"},
      {"first second of summer time", "a.mkv", Matroska(2021, 3, 28, 1, 0, 0),
       "2021:03:28 03:00:00 (MatroskaDateUtc)"},
      {"last summer half hour", "a.mkv", Matroska(2021, 10, 31, 0, 30, 0),
       "2021:10:31 02:30:00 (MatroskaDateUtc)"},
      {"the hour repeated in winter time", "a.mkv", Matroska(2021, 10, 31, 1, 30, 0),
       "2021:10:31 02:30:00 (MatroskaDateUtc)"},
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
  EXPECT_EQ(CaptureDateText(date->time), "2021:07:14 05:30:15");
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
      {"webp", "a.webp", ReadWholeFile(std::string(FOTOMAZ_FORMAT_SAMPLES_DIR) + "/image.webp"),
       ""},
      {"raf", "a.raf", RafFile(JpegWithExifDate(kOriginal)), ""},
      {"mts", "a.mts", AvchdStream(MdpmUserData(2009, 8, 1, 1, 25, 45), false), ""},
      {"mkv", "a.mkv", Matroska(2021, 7, 14, 9, 30, 15), ""},
      {"jxl", "a.jxl", JxlFile(tiff, JxlExif::Plain), ""},
      {"gopro", "a.mp4", GoProClip(kSummerMoment, "GPMF"), ""},
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

  std::string manyChunks = "RIFF" + std::string("\xF0\xFF\xFF\x7F", 4) + "WEBP";
  for (int i = 0; i < 5000; ++i)
    manyChunks += "JUNK" + std::string(4, '\0');
  // An empty EBML header, a segment of unknown size, and no information.
  std::string unknownClusters(
      "\x1A\x45\xDF\xA3\x80\x18\x53\x80\x67\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 17);
  for (int i = 0; i < 5000; ++i)
    unknownClusters += std::string("\x1F\x43\xB6\x75\x80", 5); // clusters of size 0
  std::string raf = RafFile(JpegWithExifDate(kOriginal));
  raf.replace(84, 4, "\xFF\xFF\xFF\xF0"); // the JPEG far behind the end
  const std::string hugeExif =
      "RIFF" + std::string("\xF0\xFF\xFF\x7F", 4) + "WEBPEXIF" + std::string("\xF0\xFF\xFF\xFF", 4);
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
      {"many WebP chunks", "a.webp", manyChunks, "none"},
      {"WebP EXIF chunk larger than the file", "a.webp", hugeExif, "none"},
      {"many Matroska elements", "a.webm", unknownClusters, "none"},
      {"RAF JPEG far behind the end", "a.raf", raf, "none"},
      {"JPEG XL box larger than any file", "a.jxl",
       std::string("\0\0\0\x0CJXL \x0D\x0A\x87\x0A\0\0\0\1Exif\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
                   28),
       "none"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateOf(c.bytes, c.name), c.expected) << c.what;
    MemorySource source(c.bytes);
    ReadCaptureDate(source, c.name);
    EXPECT_LT(source.BytesRead(), 4u << 20) << c.what;
  }
}
