#include "run/date_texts.h"
#include "run/file_date.h"
#include "run/target_name.h"

#include <gtest/gtest.h>

namespace {

struct TextsCase {
  LocalDateTime time;
  const char *stamp, *days, *german, *exif;
};

// Every piece padded to its width and never cut; the folders name the
// stamp's day.
const TextsCase kTextsCases[] = {
    {{2023, 12, 31, 23, 59, 58},
     "2023-12-31_235958",
     "2023/12/31",
     "31.12.2023 23:59:58",
     "2023:12:31 23:59:58"},
    {{7, 3, 4, 5, 6, 0},
     "0007-03-04_050600",
     "0007/03/04",
     "04.03.0007 05:06:00",
     "0007:03:04 05:06:00"},
    {{999, 10, 1, 0, 0, 9},
     "0999-10-01_000009",
     "0999/10/01",
     "01.10.0999 00:00:09",
     "0999:10:01 00:00:09"},
    {{12345, 1, 2, 3, 4, 5},
     "12345-01-02_030405",
     "12345/01/02",
     "02.01.12345 03:04:05",
     "12345:01:02 03:04:05"},
};

TEST(DateTextsTest, OneDateGivesTheStampFoldersAndReportsAlike) {
  for (const TextsCase& c : kTextsCases) {
    SCOPED_TRACE(c.stamp);
    const FileDate date{c.time};
    EXPECT_EQ(DateStamp(date), c.stamp);
    EXPECT_EQ(DateText(c.time, kGermanDatePattern), c.german);
    EXPECT_EQ(DateText(c.time, kExifDatePattern), c.exif);
    const std::string days = c.days;
    EXPECT_EQ(TargetFolder("ziel/", date, FolderStructure::YearMonthDay), "ziel/" + days);
    EXPECT_EQ(TargetFolder("ziel/", date, FolderStructure::YearMonth),
              "ziel/" + days.substr(0, days.rfind('/')));
    EXPECT_EQ(TargetFolder("ziel/", date, FolderStructure::Year),
              "ziel/" + days.substr(0, days.find('/')));
    EXPECT_EQ(TargetFolder("ziel/", date, FolderStructure::None), "ziel/");
  }
}

TEST(DateTextsTest, AppendingKeepsWhatTheTextHolds) {
  std::string text = "beginn\t";
  AppendDateText(text, {2024, 2, 29, 8, 0, 1}, kRecordStartPattern);
  EXPECT_EQ(text, "beginn\t2024-02-29 08:00:01");
}

} // namespace
