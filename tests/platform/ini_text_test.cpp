// The INI format on text in memory: lookups, edits and integers.

#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace {

TEST(IniTextTest, IntegersFollowTheSettingsFileRules) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"-1", -1},
      {"+7", 7},
      {"   12", 12},
      {"\t3", 3},
      {"0x1F", 31},
      {"0X1f", 31},
      {"$ff", 255},
      {"0x7FFFFFFF", 2147483647},
      {"-2147483648", -2147483648},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"ja", std::nullopt},
      {"12abc", std::nullopt},
      {"12 ", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"0x", std::nullopt},
      {"0x-1", std::nullopt},
      {"$+1", std::nullopt},
      {"- 1", std::nullopt},
      {"2147483648", std::nullopt},
      {"0x80000000", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniParseInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(IniTextTest, LookupsIgnoreCaseAndTakeTheFirstMatch) {
  const std::string text = "; comment=1\r\n"
                           "[Other]\r\n"
                           "key=other\r\n"
                           "  [ OptionenF ]  \r\n"
                           "no equals sign\r\n"
                           " QuellEE =  /a=b/ \r\n"
                           "quellee=second\r\n"
                           "empty=\r\n"
                           "[optionenf]\r\n"
                           "late=1\r\n";
  EXPECT_EQ(IniFindValue(text, "optionenf", "quellee"), "  /a=b/ ");
  EXPECT_EQ(IniFindValue(text, "OPTIONENF", "EMPTY"), "");
  EXPECT_EQ(IniFindValue(text, "other", "key"), "other");
  EXPECT_EQ(IniFindValue(text, "optionenf", "key"), std::nullopt);
  EXPECT_EQ(IniFindValue(text, "optionenf", "late"), std::nullopt);
  EXPECT_EQ(IniFindValue(text, "optionenf", "no equals sign"), std::nullopt);
  EXPECT_EQ(IniFindValue(text, "missing", "key"), std::nullopt);
  EXPECT_EQ(IniFindValue("", "a", "b"), std::nullopt);
}

TEST(IniTextTest, SettingAValueKeepsEverythingElseInPlace) {
  const struct {
    const char* before;
    const char* key;
    const char* value;
    const char* after;
  } cases[] = {
      {"", "k", "v", "[s]\nk=v\n"},
      {"[a]\nx=1", "k", "v", "[a]\nx=1\n[s]\nk=v\n"},
      {"[S]\nK=old\nz=2\n", "k", "new", "[S]\nk=new\nz=2\n"},
      {"[s]\nx=1\n\n[t]\ny=2\n", "k", "v", "[s]\nx=1\nk=v\n\n[t]\ny=2\n"},
      {"[s]\n[t]\n", "k", "v", "[s]\nk=v\n[t]\n"},
      {"[s]\nx=1", "k", "v", "[s]\nx=1\nk=v\n"},
      {"[s]\n", "k", "two\r\nlines", "[s]\nk=two  lines\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IniWithValue(c.before, "s", c.key, c.value), c.after) << c.before;
}

TEST(IniTextTest, ErasingASectionRemovesEveryCopyAndOnlyThat) {
  EXPECT_EQ(IniWithoutSection("[a]\nx=1\n[Form1]\ny=2\n[b]\nz=3\n[form1]\nw=4\n", "FORM1"),
            "[a]\nx=1\n[b]\nz=3\n");
  EXPECT_EQ(IniWithoutSection("[a]\nx=1\n", "Form1"), std::nullopt);
  EXPECT_EQ(IniWithoutSection("[Form1]", "Form1"), "");
}

// A mark some Windows editors write: the first section is behind it, and a
// save keeps it.
TEST(IniTextTest, AByteOrderMarkIsReadPastAndKept) {
  const std::string mark = "\xEF\xBB\xBF";
  const std::string text = mark + "[optionenf]\r\nquellee=/a/\r\n[t]\r\ny=2\r\n";
  EXPECT_EQ(IniFindValue(text, "optionenf", "quellee"), "/a/");
  EXPECT_EQ(IniWithValue(text, "optionenf", "quellee", "/b/"),
            mark + "[optionenf]\r\nquellee=/b/\n[t]\r\ny=2\r\n");
  EXPECT_EQ(IniWithValue(mark, "s", "k", "v"), mark + "[s]\nk=v\n");
  EXPECT_EQ(IniWithoutSection(text, "optionenf"), mark + "[t]\r\ny=2\r\n");
}

} // namespace
