#include "platform/date_conversion_error.h"
#include "platform/file_time.h"
#include "tests/kit/temp_files.h"

#include <array>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class FileTime : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
  }

  // Sets the file's modification time to the given UTC seconds.
  void SetTime(time_t utc) {
    testkit::WriteFile(file_, "x");
    const timespec times[2] = {{utc, 0}, {utc, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, file_.c_str(), times, 0), 0);
  }

  testkit::TempDir dir_;
  std::string file_ = dir_.File("a.png");
};

TEST_F(FileTime, LocalTimeWithEvenSeconds) {
  SetTime(1682935653); // 2023-05-01 10:07:33 UTC, 12:07:33 in Berlin summer time
  const LocalDateTime t = FileModificationTime(file_);
  EXPECT_EQ((std::array{t.year, t.month, t.day, t.hour, t.minute, t.second}),
            (std::array{2023, 5, 1, 12, 7, 32}));
  SetTime(1704067199); // 2023-12-31 23:59:59 UTC, already 2024 in Berlin
  const LocalDateTime n = FileModificationTime(file_);
  EXPECT_EQ((std::array{n.year, n.month, n.day, n.hour, n.minute, n.second}),
            (std::array{2024, 1, 1, 0, 59, 58}));
}

TEST_F(FileTime, OutsideTheRangeOrMissingRaisesTheConversionError) {
  for (const time_t utc :
       {time_t{252460800} /* 1978 */, time_t{315529199} /* 1979-12-31 23:59:59 CET */,
        time_t{4354819200} /* 2108 */}) {
    SetTime(utc);
    EXPECT_THROW(FileModificationTime(file_), DateConversionError) << utc;
  }
  SetTime(315532800); // 1980-01-01 01:00:00 CET: in range
  EXPECT_EQ(FileModificationTime(file_).year, 1980);
  try {
    FileModificationTime(dir_.File("gone.png"));
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Ungültiges Argument zum Codieren des Datums");
  }
}

TEST(PackedTime, RoundTripsAndRejectsImpossibleValues) {
  const LocalDateTime last{2107, 12, 31, 23, 59, 59};
  const LocalDateTime back = UnpackFileTime(PackFileTime(last));
  EXPECT_EQ(back.year, 2107);
  EXPECT_EQ(back.second, 58);
  EXPECT_THROW(UnpackFileTime(kInvalidPackedTime), DateConversionError);
  EXPECT_THROW(UnpackFileTime(PackFileTime({2023, 2, 29, 0, 0, 0})), DateConversionError);
  EXPECT_THROW(UnpackFileTime(PackFileTime({2023, 13, 1, 0, 0, 0})), DateConversionError);
  EXPECT_NO_THROW(UnpackFileTime(PackFileTime({2024, 2, 29, 0, 0, 0})));
}

} // namespace
