// Capture dates of real files written by Debian's tools (tests/data/formats,
// made by scripts/make-format-samples.sh), and a movie whose header lies
// behind 100 MB of media.

#include "metadata/capture_date.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/temp_files.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace testkit;

TEST(CaptureDateFiles, ToolWrittenDatesAreRead) {
  UseBerlinTime();
  const struct {
    const char* file;
    const char* expected;
  } cases[] = {
      {"image.heic", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {"image.avif", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {"movie.mp4", "2021:07:14 11:30:15 (MovieHeader)"},
      {"movie.3gp", "2021:07:14 11:30:15 (MovieHeader)"},
      {"movie.mov", "2020:01:20 19:00:00 (MovieHeader)"},
      {"movie.m4v", "2022:01:01 00:30:00 (MovieHeader)"},
      {"creationdate.mov", "2021:07:14 04:30:15 (QuickTimeCreationDate)"},
      {"original.tif", "2018:11:12 13:14:15 (ExifDateTimeOriginal)"},
      {"modifydate.tiff", "2017:01:02 03:04:05 (ExifDateTime)"},
      {"exif.png", "2018:11:12 13:14:15 (ExifDateTimeOriginal)"},
      {"exif-date.jpg", "none"}, // the run dates JPEGs by its own rule
      {"image.hif", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {"image.webp", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {"image.raf", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {"image.jxl", "none"}, // the encoder packs its Exif with Brotli
      {"movie.mkv", "2021:07:14 11:30:15 (MatroskaDateUtc)"},
      {"movie.webm", "2022:01:01 00:30:00 (MatroskaDateUtc)"},
      {"clip.mts", "2021:07:14 11:30:15 (AvchdRecordingTime)"},
      {"movie.m2ts", "none"},
  };
  for (const auto& c : cases) {
    const std::optional<CaptureDate> date =
        ReadCaptureDate(std::string(FOTOMAZ_FORMAT_SAMPLES_DIR) + "/" + c.file);
    const std::string text = date ? CaptureDateText(date->time) + " (" +
                                        std::string(CaptureSourceName(date->source)) + ")"
                                  : "none";
    EXPECT_EQ(text, c.expected) << c.file;
  }
}

TEST(CaptureDateFiles, MovieHeaderBehindHundredMegabytesIsReachedBySkipping) {
  UseBerlinTime();
  constexpr uint64_t kMediaBytes = 100ull << 20;
  TempDir dir;
  const std::string path = dir.File("long.mov");
  {
    // The media stays a hole in a sparse file: writing it would cost the test its speed.
    std::ofstream out(path, std::ios::binary);
    const std::string head = Ftyp("qt  ") + IsoBoxHeader("mdat", kMediaBytes, true);
    out << head;
    out.seekp(static_cast<std::streamoff>(head.size() + kMediaBytes));
    out << IsoBox("moov", Mvhd(MovieSeconds(2021, 7, 14, 9, 30, 15)));
    ASSERT_TRUE(out);
  }
  std::optional<FileSource> source = FileSource::Open(path);
  ASSERT_TRUE(source);
  const std::optional<CaptureDate> date = ReadCaptureDate(*source, path);
  ASSERT_TRUE(date);
  EXPECT_EQ(CaptureDateText(date->time), "2021:07:14 11:30:15");
  EXPECT_LT(source->BytesRead(), 1u << 20);
}
