// fotomaz-exif: its command line and the report it prints.

#include "tests/kit/dated_files.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/testkit.h"
#include "tools/exif_report.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace testkit;

TEST(ExifTool, CommandLine) {
  const auto parsed = ParseExifReportArguments({"--dump", "a.jpg", "--tags", "--", "--b.jpg"});
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(parsed->options.tags);
  EXPECT_TRUE(parsed->options.dump);
  EXPECT_EQ(parsed->files, (std::vector<std::string>{"a.jpg", "--b.jpg"}));
  EXPECT_FALSE(ParseExifReportArguments({}));
  EXPECT_FALSE(ParseExifReportArguments({"--tags"}));
  EXPECT_FALSE(ParseExifReportArguments({"--verbose", "a.jpg"}));
}

TEST(ExifTool, ReportsTagsAndDumpInOrder) {
  TempDir dir;
  const std::string path = dir.File("a.jpg");
  WriteFile(path, JpegWithExifDate("2008:05:17 14:03:20"));
  std::ostringstream out;
  PrintExifReport(out, path, {.tags = true, .dump = true});
  EXPECT_EQ(out.str(), "File: " + path +
                           "\nReadFile: true\nErrorText: <none>\nHasMetadata: true\n"
                           "HasExif: true\nDateTimeText: 2008:05:17 14:03:20\n"
                           "CaptureDate: 2008:05:17 14:03:20 (JpegExif)\n"
                           "MakeText: Testkamera\nModelText: TK-1\nExifVersionText: 0220\n"
                           "ImageWidth: 640\nImageHeight: 480\n"
                           "Tag: 0x010F Make = Testkamera\n"
                           "Tag: 0x0110 Model = TK-1\n"
                           "Tag: 0x0132 DateTime = 2008:05:17 14:03:20\n"
                           "Tag: 0x9000 ExifVersion = \"0220\"\n"
                           "Tag: 0x9003 DateTimeOriginal = 2008:05:17 14:03:20\n"
                           "Tag: 0xA002 ExifImageWidth = 640\n"
                           "Tag: 0xA003 ExifImageLength = 480\n"
                           "Tag: 0x8769 ExifOffset = 100\n"
                           "Dump: Make = Testkamera\n"
                           "Dump: Model = TK-1\n"
                           "Dump: Date Time = 2008:05:17 14:03:20\n"
                           "Dump: Exif Offset = 100\n"
                           "Dump: Exif Version = \"0220\"\n"
                           "Dump: Date Time Original = 2008:05:17 14:03:20\n"
                           "Dump: Exif Image Width = 640\n"
                           "Dump: Exif Image Length = 480\n\n");
}

TEST(ExifTool, FileWithoutExifPrintsEmptyFields) {
  std::ostringstream out;
  PrintExifReport(out, "/nonexistent/x.jpg", {.tags = true, .dump = true});
  EXPECT_EQ(out.str(), "File: /nonexistent/x.jpg\nReadFile: false\nErrorText: \n"
                       "HasMetadata: false\nHasExif: false\nDateTimeText: \n"
                       "CaptureDate: none (the modification time cannot be read or lies outside "
                       "1980 to 2107)\n"
                       "MakeText: \nModelText: \nExifVersionText: \nImageWidth: 0\n"
                       "ImageHeight: 0\n\n");
}

TEST(ExifTool, CaptureDateFollowsTheRunsRuleForEveryFile) {
  UseBerlinTime();
  TempDir dir;
  const time_t modified = LocalSeconds(2022, 2, 3, 4, 5, 6);
  const std::string samples = FOTOMAZ_FORMAT_SAMPLES_DIR;
  const struct {
    std::string path;
    const char* expected;
  } cases[] = {
      {samples + "/image.heic", "2019:03:04 05:06:07 (ExifDateTimeOriginal)"},
      {samples + "/movie.mp4", "2021:07:14 11:30:15 (MovieHeader)"},
      {samples + "/exif-date.jpg", "2019:03:04 05:06:07 (JpegExif)"},
      {dir.File("plain.jpg"), "2022:02:03 04:05:06 (ModificationTime)"},
      {dir.File("clip.mpg"), "2022:02:03 04:05:06 (ModificationTime)"},
      {dir.File("dateless.mp4"), "2022:02:03 04:05:06 (ModificationTime)"},
      {samples + "/movie.mkv", "2021:07:14 11:30:15 (MatroskaDateUtc)"},
      {samples + "/clip.mts", "2021:07:14 11:30:15 (AvchdRecordingTime)"},
      {dir.File("GOPR0001.MP4"), "2021:07:14 23:30:15 (GoProMovieHeader)"},
  };
  WriteFileAt(dir.File("GOPR0001.MP4"),
              MovieFile(Mvhd(MovieSeconds(2021, 7, 14, 23, 30, 15)) +
                        IsoBox("udta", IsoBox("FIRM", "HD9.01.01.60.00"))),
              modified);
  WriteFileAt(dir.File("plain.jpg"), JpegWithoutExif(), modified);
  WriteFileAt(dir.File("clip.mpg"), std::string(64, '\0'), modified);
  WriteFileAt(dir.File("dateless.mp4"), Ftyp("isom") + IsoBox("moov", Mvhd(0)), modified);
  for (const auto& c : cases) {
    std::ostringstream out;
    PrintExifReport(out, c.path, {});
    EXPECT_NE(out.str().find(std::string("\nCaptureDate: ") + c.expected + "\n"), std::string::npos)
        << out.str();
  }
}
