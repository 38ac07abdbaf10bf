#include "platform/date_conversion_error.h"
#include "run/file_date.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

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

const std::string kMay1 = "2023:05:01 12:07:32";
const std::string kZero = "0000:00:00 00:00:00";
const std::string kBlank = "    :  :     :  :  ";
// The file's modification time in Berlin (2019-11-03 08:09:11, even seconds).
const std::string kModified = "2019-11-03_080910";

struct DateCase {
  const char* what;
  std::string dateTime, original; // each left out when empty
  bool dateTimeLast;              // else DateTimeOriginal is met last
  std::string stamp;
};

// A date text that is no real date counts as no date; the other tag's date
// comes next, the modification time last. Real dates stay however odd.
const DateCase kDateCases[] = {
    {"zero, then a valid date met last", kZero, kMay1, false, "2023-05-01_120732"},
    {"valid date, then zero met last", kMay1, kZero, false, "2023-05-01_120732"},
    {"zero DateTime met last", kZero, kMay1, true, "2023-05-01_120732"},
    {"both valid: DateTime met last", "2001:02:03 04:05:06", kMay1, true, "2001-02-03_040506"},
    {"blank", "", kBlank, false, kModified},
    {"blank and zero", kBlank, kZero, false, kModified},
    {"year 0000", "", "0000:05:01 12:07:32", false, kModified},
    {"month 00", "", "2023:00:01 12:07:32", false, kModified},
    {"month 13", "", "2023:13:01 12:07:32", false, kModified},
    {"day 00", "", "2023:05:00 12:07:32", false, kModified},
    {"day 31 in April", "", "2023:04:31 12:07:32", false, kModified},
    {"29 February, no leap year", "", "2023:02:29 12:07:32", false, kModified},
    {"hour 24", "", "2023:05:01 24:07:32", false, kModified},
    {"minute 60", "", "2023:05:01 12:60:32", false, kModified},
    {"second 60", "", "2023:05:01 12:07:60", false, kModified},
    {"blank in the year", "", "2 23:05:01 12:07:32", false, kModified},
    {"letter in the time", "", "2023:05:01 12:0x:32", false, kModified},
    {"separator in a piece", "", "2023:..:01 12:07:32", false, kModified},
    {"29 February 2024", "", "2024:02:29 23:59:59", false, "2024-02-29_235959"},
    {"1965", "", "1965:07:14 10:00:00", false, "1965-07-14_100000"},
    {"the epoch", "", "1970:01:01 00:00:00", false, "1970-01-01_000000"},
    {"year 0001", "", "0001:01:01 00:00:00", false, "0001-01-01_000000"},
};

TEST_F(FileDates, OnlyARealDateTextIsTheFilesDate) {
  for (const DateCase& c : kDateCases) {
    SCOPED_TRACE(c.what);
    const std::string file = dir_.File("a.jpg");
    WriteFileAt(file, testkit::JpegWithExifDates(c.dateTime, c.original, c.dateTimeLast),
                modified_);
    const DatedFile dated = DateOfFile(file, false);
    EXPECT_EQ(DateStamp(dated.date), c.stamp);
    EXPECT_EQ(dated.source,
              c.stamp == kModified ? DateSource::ModificationTime : DateSource::JpegExif);
  }
}

TEST_F(FileDates, NoExifDateWithoutExifOrFile) {
  FileDate date{{2000, 1, 1, 0, 0, 0}};
  WriteFileAt(dir_.File("plain.jpg"), testkit::JpegWithoutExif(), modified_);
  EXPECT_FALSE(ReadExifDate(dir_.File("plain.jpg"), date));
  EXPECT_EQ(date.local.year, 0);
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
