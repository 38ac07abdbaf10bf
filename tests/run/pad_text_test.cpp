// Fixed-width texts of counters and dates.

#include "run/pad_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PadTextTest, PaddingFillsUpToTheWidthAndNeverCuts) {
  EXPECT_EQ(PadText("ab", 'x', 4, true), "xxab");
  EXPECT_EQ(PadText("ab", 'x', 4, false), "abxx");
  EXPECT_EQ(PadText("abcde", 'x', 4, true), "abcde");
  EXPECT_EQ(PadText("ab", 'x', -1, true), "ab");
  EXPECT_EQ(PadNumber(7, 4), "0007");
  EXPECT_EQ(PadNumber(0, 4), "0000");
  EXPECT_EQ(PadNumber(12345, 4), "12345");
  EXPECT_EQ(PadNumber(-7, 4), "00-7");
}

} // namespace
