#include "run/run_options.h"
#include "tests/kit/temp_files.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadRunOptionsTest, NamesMatchIgnoringCaseTheFirstSectionCountsBadNumbersKeepTheDefault) {
  testkit::TempDir dir;
  const std::string path = dir.File("TamrelFotomaz.ini");
  testkit::WriteFile(path, "[Form1]\nquellee=/falsch/\n[OptionenF]\n QUELLEE =/q/\nziele=/z/\n"
                           "allcb=2\npiccb=ja\nverteiloptcbb=$2\n[optionenf]\nziele=/zweite/\n");
  RunOptions expected;
  expected.source = "/q/";
  expected.target = "/z/";
  expected.kinds.all = true; // piccb, no number, keeps its default
  expected.structure = FolderStructure::YearMonthDay;
  EXPECT_EQ(ReadRunOptions(path), expected);
}

} // namespace
