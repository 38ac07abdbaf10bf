// ReadFile on real files: what it records about the file and its outcome texts.

#include "reader_helpers.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>

using namespace testkit;

TEST(ReadFile, MissingFileLeavesNoText) {
  TempDir dir;
  ExifRead img = ReadExifFile(dir.File("missing.jpg"), ExifDetail::Everything);
  EXPECT_FALSE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "");
  EXPECT_EQ(img.fileName, "");
  // A folder is not a file.
  img = ReadExifFile(dir.path(), ExifDetail::Everything);
  EXPECT_FALSE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "");
}

TEST(ReadFile, RecordsTheFileAndResetsBetweenReads) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  TempDir dir;
  const std::string withDate = dir.File("IMG_1.JPG");
  const std::string plain = dir.File("plain.jpg");
  WriteFile(withDate, JpegWithExifDate("2008:05:17 14:03:20", true));
  WriteFile(plain, JpegWithoutExif());
  // 2021-06-15 12:00:00 local summer time.
  std::tm local{};
  local.tm_year = 121;
  local.tm_mon = 5;
  local.tm_mday = 15;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const auto stamp = std::chrono::system_clock::from_time_t(std::mktime(&local));
  std::filesystem::last_write_time(withDate, std::chrono::file_clock::from_sys(stamp));

  ExifRead img = ReadExifFile(withDate, ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  EXPECT_EQ(img.fileName, withDate);
  EXPECT_EQ(img.fileSize, static_cast<int64_t>(ReadWholeFile(withDate).size()));
  EXPECT_DOUBLE_EQ(img.fileDate, 44362.5); // days since 1899-12-30
  EXPECT_EQ(img.exif.dateTime, "2008:05:17 14:03:20");
  EXPECT_EQ(img.exif.make, "Testkamera");

  img = ReadExifFile(plain, ExifDetail::Everything);

  EXPECT_FALSE(img.Succeeded());
  EXPECT_FALSE(img.HasExif());
  EXPECT_FALSE(img.HasMetadata());
  EXPECT_EQ(img.fileName, plain);
  EXPECT_EQ(ErrorText(img), "Not an EXIF file");
}

TEST(ReadFile, UnreadableFileIsAnIllegalConstruction) {
  TempDir dir;
  const std::string path = dir.File("locked.jpg");
  WriteFile(path, JpegWithExifDate("2008:05:17 14:03:20"));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (FILE* probe = std::fopen(path.c_str(), "rb")) { // root reads anything
    std::fclose(probe);
    GTEST_SKIP() << "permissions do not stop this user";
  }
  ExifRead img = ReadExifFile(path, ExifDetail::Everything);
  EXPECT_FALSE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "Illegal Exif construction");
}

// A FIFO saved in place of a photo is no file to read: the read fails at
// once instead of waiting for a writer that never comes.
TEST(ReadFile, AFifoIsRefusedWithoutBlocking) {
  TempDir dir;
  const std::string path = dir.File("pipe.jpg");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  ExifRead img = ReadExifFile(path, ExifDetail::Everything);
  EXPECT_FALSE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "Illegal Exif construction");
}
