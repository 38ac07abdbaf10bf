// Capture dates of WebP, HIF, RAF, AVCHD, Matroska, JPEG XL, GoPro clips and
// the further TIFF-based raws, from files built by the test kit to each
// format's published structure.

#include "metadata/capture_date.h"
#include "tests/kit/camera_file_builder.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

const std::string kOriginal = "2015:06:07 08:09:10";

std::string DateOf(const std::string& bytes, const std::string& name) {
  UseBerlinTime();
  MemorySource source(bytes);
  const std::optional<CaptureDate> date = ReadCaptureDate(source, name);
  if (!date) return "none";
  return CaptureDateText(date->Time) + " (" + std::string(CaptureSourceName(date->Source)) + ")";
}

std::string Matroska(int year, int month, int day, int hour, int minute, int second) {
  const int64_t nanoseconds = MatroskaNanoseconds(year, month, day, hour, minute, second);
  return MatroskaFile("matroska", &nanoseconds);
}

std::string GoProClip(uint64_t headerSeconds, std::string_view box) {
  return MovieFile(Mvhd(headerSeconds) + IsoBox("udta", IsoBox(box, "HD9.01.01.60.00")), "mp41");
}

struct Case {
  const char* what;
  std::string name;
  std::string bytes;
  std::string expected;
};

} // namespace

TEST(CaptureFormats, EachNewFormatGivesItsDateOrNone) {
  const std::string tiff = Tiff(DatedIfd0(kOriginal, ""), ByteOrder::Motorola);
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

TEST(CaptureFormats, FurtherTiffRawsAreReadByTheirHeader) {
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
TEST(CaptureFormats, MatroskaDateFollowsBerlinTime) {
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

TEST(CaptureFormats, EveryTruncationEndsCleanly) {
  const std::string tiff = Tiff(DatedIfd0(kOriginal, "2015:06:07 08:09:11"), ByteOrder::Intel);
  const int64_t moment = MatroskaNanoseconds(2021, 7, 14, 9, 30, 15);
  const std::string samples = FOTOMAZ_FORMAT_SAMPLES_DIR;
  const Case files[] = {
      {"webp", "a.webp", ReadWholeFile(samples + "/image.webp"), ""},
      {"raf", "a.raf", RafFile(JpegWithExifDate(kOriginal)), ""},
      {"mts", "a.mts", AvchdStream(MdpmUserData(2009, 8, 1, 1, 25, 45), false), ""},
      {"mkv", "a.mkv", MatroskaFile("matroska", &moment), ""},
      {"jxl", "a.jxl", JxlFile(tiff, JxlExif::Plain), ""},
      {"gopro", "a.mp4", GoProClip(MovieSeconds(2021, 7, 14, 9, 30, 15), "GPMF"), ""},
  };
  for (const Case& c : files) {
    ASSERT_NE(DateOf(c.bytes, c.name), "none") << c.what;
    for (size_t cut = 0; cut < c.bytes.size(); ++cut)
      DateOf(c.bytes.substr(0, cut), c.name); // the sanitizers watch every read
  }
}

TEST(CaptureFormats, HostileSizesEndWithinTheReadsBounds) {
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
