// The date texts of the containers: which forms are read, and that nothing
// but a real calendar date and time comes out.

#include "metadata/date_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

std::string Shown(const std::optional<LocalDateTime>& t) {
  if (!t) return "none";
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day,
                t->hour, t->minute, t->second);
  return text;
}

} // namespace

TEST(DateText, FormsAndTheirLimits) {
  using Parser = std::function<std::optional<LocalDateTime>(std::string_view)>;
  const Parser exif = ParseExifDateText;
  const Parser offset = ParseLocalDateWithOffset;
  const Parser avi = ParseAviDateText;
  const struct {
    const Parser& parse;
    std::string text;
    const char* expected;
  } cases[] = {
      {exif, "2023:05:01 12:07:32", "2023-05-01 12:07:32"},
      {exif, std::string("2024:02:29 23:59:59\0 ", 21), "2024-02-29 23:59:59"},
      {exif, "2024:02:29 23:59:59.", "2024-02-29 23:59:59"},
      {exif, "2023-02-29 12:00:00", "none"},
      {exif, "2023:04:31 12:00:00", "none"},
      {exif, "2023:00:10 12:00:00", "none"},
      {exif, "2023:05:01 24:00:00", "none"},
      {exif, "2023:05:01 12:60:00", "none"},
      {exif, "2023:05:01 12:07:60", "none"},
      {exif, "2023:05:01 12:07", "none"},
      {exif, "2023:05:01 12:07:32 and more", "none"},
      {exif, "2023:../.. 12:07:32", "none"},
      {exif, "    :  :     :  :  ", "none"},
      {offset, "2019-08-24T11:22:33+0200", "2019-08-24 11:22:33"},
      {offset, "2019-08-24T11:22:33.5-05:30", "2019-08-24 11:22:33"},
      {offset, "2019-08-24T11:22+01", "2019-08-24 11:22:00"},
      {offset, "2019-08-24T11:22:33Z", "none"},
      {offset, "2019-08-24T11:22:33", "none"},
      {offset, "2019-08-24T11:22:33+2500", "none"},
      {avi, "Mon Mar  3 09:44:56 2008\n", "2008-03-03 09:44:56"},
      {avi, "SEP 09 23:01:02 2011", "2011-09-09 23:01:02"},
      {avi, "2008/03/03 09:44:56", "2008-03-03 09:44:56"},
      {avi, "Mon Mrz 03 09:44:56 2008", "none"},
      {avi, "Mon Mar 03 09:44:56", "none"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Shown(c.parse(c.text)), c.expected) << c.text;
}
