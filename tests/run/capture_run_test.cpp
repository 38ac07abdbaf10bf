// The phone and camera formats in a run: with the option ticked, each file is
// collected and dated by its own metadata whatever its modification time;
// without it, the run is the run it always was.

#include "run/distribution_run.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Files = std::vector<std::string>;

class CaptureRunTest : public runtest::RunTest {
protected:
  void SetUp() override {
    RunTest::SetUp();
    frontEnd_.options.structure = FolderStructure::YearMonthDay;
    // Files made by Debian's tools, and raw and AVI files built to their
    // published structure, all last modified on one day long after.
    for (const auto& entry : fs::directory_iterator(FOTOMAZ_FORMAT_SAMPLES_DIR)) {
      if (entry.path().extension() == ".md") continue;
      Add(entry.path().filename().string(), testkit::ReadWholeFile(entry.path().string()));
    }
    Add("kamera.NEF",
        testkit::RawTiff(testkit::RawKind::Nef, testkit::DatedIfd0("2016:08:09 10:11:12", ""),
                         testkit::ByteOrder::Motorola));
    Add("clip.avi", testkit::AviWithDateText("2015:04:05 06:07:08"));
  }

  void Add(const std::string& name, const std::string& bytes) {
    runtest::WriteFileAt(source_ + name, bytes, runtest::LocalSeconds(2001, 2, 3, 4, 5, 6));
  }
};

TEST_F(CaptureRunTest, WithTheOptionEachFormatIsDatedByItsOwnMetadata) {
  frontEnd_.options.modernFormats = true;
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_TRUE(runtest::FilesBelow(source_).empty());
  EXPECT_EQ(runtest::FilesBelow(target_),
            (Files{
                "2001/02/03/2001-02-03_040506.jxl",  // Exif packed with Brotli
                "2001/02/03/2001-02-03_040506.m2ts", // a transport stream without MDPM
                "2015/04/05/2015-04-05_060708.avi",  // IDIT text
                "2016/08/09/2016-08-09_101112.nef",  // EXIF in the raw file
                "2017/01/02/2017-01-02_030405.tiff", // DateTime alone
                "2018/11/12/2018-11-12_131415.png",  // eXIf chunk
                "2018/11/12/2018-11-12_131415.tif",  // DateTimeOriginal over DateTime
                "2019/03/04/2019-03-04_050607.avif", // Exif items of HEIF images
                "2019/03/04/2019-03-04_050607.heic", "2019/03/04/2019-03-04_050607.hif",
                "2019/03/04/2019-03-04_050607.jpg",  // as JPEGs always were
                "2019/03/04/2019-03-04_050607.raf",  // EXIF of the embedded JPEG
                "2019/03/04/2019-03-04_050607.webp", // EXIF chunk
                "2020/01/20/2020-01-20_190000.mov",  // movie header, UTC in winter
                "2021/07/14/2021-07-14_043015.mov",  // creation date as written
                "2021/07/14/2021-07-14_113015.3gp",  // movie header, UTC in summer
                "2021/07/14/2021-07-14_113015.mkv",  // DateUTC
                "2021/07/14/2021-07-14_113015.mp4",
                "2021/07/14/2021-07-14_113015.mts", // MDPM as written
                "2022/01/01/2022-01-01_003000.m4v", // a New Year's Eve in UTC
                "2022/01/01/2022-01-01_003000.webm",
            }));
}

// Unticked: only today's patterns are collected, and only JPEGs by their
// EXIF date; everything else by its modification time.
TEST_F(CaptureRunTest, WithoutTheOptionTheRunIsUnchanged) {
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(runtest::FilesBelow(target_), (Files{
                                              "2001/02/03/2001-02-03_040506.avi",
                                              "2001/02/03/2001-02-03_040506.m2ts",
                                              "2001/02/03/2001-02-03_040506.mov",
                                              "2001/02/03/2001-02-03_040506.png",
                                              "2001/02/03/2001-02-03_040506.tif",
                                              "2001/02/03/2001-02-03_040506_[0001].mov",
                                              "2019/03/04/2019-03-04_050607.jpg",
                                          }));
  EXPECT_EQ(runtest::FilesBelow(source_),
            (Files{"clip.mts", "image.avif", "image.heic", "image.hif", "image.jxl", "image.raf",
                   "image.webp", "kamera.NEF", "modifydate.tiff", "movie.3gp", "movie.m4v",
                   "movie.mkv", "movie.mp4", "movie.webm"}));
}

// The run dates a file by the sidecar its walk saw beside it; the sidecars
// themselves stay, being no pictures.
using SidecarRunTest = runtest::RunTest;
TEST_F(SidecarRunTest, TheWalksSidecarsDateTheirFiles) {
  testkit::UseBerlinTime();
  frontEnd_.options.structure = FolderStructure::YearMonthDay;
  frontEnd_.options.modernFormats = true;
  const time_t modified = runtest::LocalSeconds(2001, 2, 3, 4, 5, 6);
  runtest::WriteFileAt(source_ + "a/IMG_1.jpg", testkit::JpegWithoutExif(), modified);
  testkit::WriteFile(source_ + "a/IMG_1.jpg.json",
                     R"({"photoTakenTime": {"timestamp": "1777630052"}})");
  runtest::WriteFileAt(source_ + "b/DJI_0002.MP4", "no movie", modified);
  testkit::WriteFile(source_ + "b/DJI_0002.SRT", "1\n00:00:00,000 --> 00:00:00,033\n"
                                                 "2026-05-01 12:07:33.123\n");
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(runtest::FilesBelow(target_),
            (Files{"2026/05/01/2026-05-01_120732.jpg", "2026/05/01/2026-05-01_120733.mp4"}));
  EXPECT_EQ(runtest::FilesBelow(source_), (Files{"a/IMG_1.jpg.json", "b/DJI_0002.SRT"}));
}

// With the companions option the export data travels with its picture and
// dates the whole group, its edited copy included.
TEST_F(SidecarRunTest, AGroupIsDatedByItsMembersExportData) {
  testkit::UseBerlinTime();
  frontEnd_.options.structure = FolderStructure::YearMonthDay;
  frontEnd_.options.modernFormats = true;
  frontEnd_.options.companions = true;
  const time_t modified = runtest::LocalSeconds(2001, 2, 3, 4, 5, 6);
  runtest::WriteFileAt(source_ + "IMG_1.jpg", testkit::JpegWithoutExif(), modified);
  runtest::WriteFileAt(source_ + "IMG_1-edited.jpg", testkit::JpegWithoutExif(), modified);
  runtest::WriteFileAt(source_ + "IMG_1.jpg.json",
                       R"({"photoTakenTime": {"timestamp": "1777630052"}})", modified);
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(runtest::FilesBelow(target_),
            (Files{"2026/05/01/2026-05-01_120732-edited.jpg", "2026/05/01/2026-05-01_120732.jpg",
                   "2026/05/01/2026-05-01_120732.jpg.json"}));
}

} // namespace
