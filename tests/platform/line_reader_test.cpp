#include "platform/line_reader.h"
#include "tests/kit/temp_files.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(LineReader, GivesWholeLinesOnly) {
  const size_t window = LineReader::kWindowBytes;
  const std::string spanning(window - 3, 's'); // its newline lies in the next window
  const std::string tooLong(window + 10, 'l');
  struct Row {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Row> rows{
      {"empty", "", {}},
      {"lines", "a\n\nb\tc\n", {"a", "", "b\tc"}},
      {"half a last line", "a\nhal", {"a"}},
      {"across the window", "ab\n" + spanning + "\nz\n", {"ab", spanning, "z"}},
      {"longer than the window", "a\n" + tooLong + "\nz\n", {"a", "z"}},
      {"a window-long line", std::string(window, 'w') + "\nz\n", {"z"}},
  };
  testkit::TempDir dir;
  for (const Row& row : rows) {
    testkit::WriteFile(dir.File("text"), row.text);
    std::optional<LineReader> reader = LineReader::Open(dir.File("text"), 1 << 20);
    ASSERT_TRUE(reader) << row.what;
    std::vector<std::string> lines;
    std::string_view line;
    while (reader->Read(line) == LineReader::Next::Line)
      lines.emplace_back(line);
    EXPECT_EQ(lines, row.lines) << row.what;
    EXPECT_EQ(reader->Read(line), LineReader::Next::End) << row.what;
  }
  EXPECT_FALSE(LineReader::Open(dir.File("text"), 4)); // beyond the bound
  EXPECT_FALSE(LineReader::Open(dir.path(), 1 << 20)); // no regular file
}

} // namespace
