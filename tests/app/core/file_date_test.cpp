#include "app/core/file_date.h"
#include "platform/date_conversion_error.h"
#include "tests/app/core/run_fixture.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

namespace {

using runtest::LocalSeconds;
using runtest::WriteFileAt;

class FileDates : public ::testing::Test {
protected:
  void SetUp() override { runtest::UseBerlinTime(); }
  testkit::TempDir dir_;
  const time_t modified_ = LocalSeconds(2019, 11, 3, 8, 9, 11);
};

TEST_F(FileDates, ExifDateInBothByteOrders) {
  for (const bool bigEndian : {false, true}) {
    const std::string file = dir_.File("a.jpg");
    WriteFileAt(file, testkit::JpegWithExifDate("2023:05:01 12:07:32", bigEndian), modified_);
    FileDate date;
    EXPECT_TRUE(ReadExifDate(file, date));
    EXPECT_EQ(DateStamp(date), "2023-05-01_120732");
  }
}

struct DateTextCase {
  const char* text;
  bool found;
  const char* stamp;
};

// Pieces are cut by position; a piece that would leave the target folder
// makes the date unusable.
const DateTextCase kDateTexts[] = {
    {"2023:05:01 12:07:32", true, "2023-05-01_120732"},
    {"    :  :     :  :  ", true, "    -  -  _      "},
    {"2023:05", true, "2023-05-_"},
    {"2023:..:01 12:07:32", false, "--_"},
    {"2023:05:.. 12:07:32", false, "--_"},
    {"20/3:05:01 12:07:32", false, "--_"},
    {"2023:05:01 12/07:32", false, "--_"},
    {"2023-05-01 12.07.32", false, "--_"},
    {"", false, "--_"},
};

TEST_F(FileDates, ExifDateTextIsCutByPosition) {
  for (const auto& c : kDateTexts) {
    const std::string file = dir_.File("a.jpg");
    WriteFileAt(file, testkit::JpegWithExifDate(c.text), modified_);
    FileDate date;
    EXPECT_EQ(ReadExifDate(file, date), c.found) << c.text;
    EXPECT_EQ(DateStamp(date), c.stamp) << c.text;
  }
}

TEST_F(FileDates, NoExifDateWithoutExifOrFile) {
  FileDate date{"x", "x", "x", "x"};
  WriteFileAt(dir_.File("plain.jpg"), testkit::JpegWithoutExif(), modified_);
  EXPECT_FALSE(ReadExifDate(dir_.File("plain.jpg"), date));
  EXPECT_TRUE(date.year.empty());
  WriteFileAt(dir_.File("junk.jpg"), "not a jpeg", modified_);
  EXPECT_FALSE(ReadExifDate(dir_.File("junk.jpg"), date));
  EXPECT_FALSE(ReadExifDate(dir_.File("missing.jpg"), date));
}

TEST_F(FileDates, ModificationTimeHasEvenSecondsAndFailsOutsideItsRange) {
  const std::string file = dir_.File("clip.mov");
  WriteFileAt(file, "x", LocalSeconds(2023, 5, 1, 12, 7, 33));
  FileDate date;
  ReadFileDate(file, date);
  EXPECT_EQ(DateStamp(date), "2023-05-01_120732");
  WriteFileAt(file, "x", LocalSeconds(1975, 5, 1, 12, 0, 0));
  EXPECT_THROW(ReadFileDate(file, date), DateConversionError);
  EXPECT_THROW(ReadFileDate(dir_.File("gone.mov"), date), DateConversionError);
}

} // namespace
