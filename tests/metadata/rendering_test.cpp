#include "metadata/internal/rendering.h"
#include "metadata/internal/tagtables.h"
#include "tests/kit/tiff_builder.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

using testkit::ByteOrder;
using testkit::U16;
using testkit::U32;

// A main-table renderer's text; none of them names values.
std::string Rendered(TextRenderer renderer, const std::string& text) {
  RenderSink sink;
  return renderer(text, sink);
}

class RenderValueTest : public testing::TestWithParam<ByteOrder> {
protected:
  ByteOrder Order() const { return GetParam(); }
  Endianness Buffer() const {
    return GetParam() == ByteOrder::Motorola ? Endianness::Big : Endianness::Little;
  }
  std::string Rational(uint32_t numerator, uint32_t denominator) const {
    return U32(numerator, Order()) + U32(denominator, Order());
  }
  // The value rendered with the list and format of its main-table row.
  std::string Render(uint16_t tag, const std::string& raw, uint16_t type) const {
    const Tag row = LookupTag(tag, MainTagTable);
    return RenderValue(Buffer(), raw, type, row.valueList, row.formatText);
  }
};

TEST_P(RenderValueTest, IntegersShowTheirValueListText) {
  EXPECT_EQ(Render(0x0103, U16(6, Order()), testkit::kShort), "Jpeg");
  EXPECT_EQ(Render(0x0103, U16(7, Order()), testkit::kShort), "");
  EXPECT_EQ(Render(0x0106, U16(2, Order()), testkit::kShort), "RGB");
  EXPECT_EQ(Render(0x9208, U16(17, Order()), testkit::kShort), "Std A");
  EXPECT_EQ(Render(0x0102, U16(8, Order()) + U16(8, Order()) + U16(8, Order()), testkit::kShort),
            "8, 8, 8");
}

TEST_P(RenderValueTest, FormatsApplyToTheNumberOrTheText) {
  EXPECT_EQ(Render(0x011A, Rational(72, 1), testkit::kRational), "72.00");
  EXPECT_EQ(Render(0x920A, Rational(71, 10), testkit::kRational), " 7.10 mm");
  EXPECT_EQ(Render(0x829D, Rational(28, 10), testkit::kRational), "F2.8");
  EXPECT_EQ(Render(0x829A, Rational(1, 250), testkit::kRational), "1/250 sec");
}

TEST_P(RenderValueTest, RationalsShowBothPartsAndZeroDenominatorsCountZero) {
  const std::string raw = Rational(5, 0);
  EXPECT_EQ(RenderValue(Buffer(), raw, testkit::kRational, "", ""), "5/0");
  EXPECT_EQ(NumericValue(Buffer(), raw, testkit::kRational), 0);
  EXPECT_EQ(NumericValue(Buffer(), Rational(3, 2) + Rational(9, 1), testkit::kRational), 1.5);
  EXPECT_EQ(NumericValue(Buffer(), Rational(0xFFFFFFFF, 2), testkit::kSRational), -0.5);
  EXPECT_EQ(NumericValue(Buffer(), U32(3, Order()), testkit::kRational), 0); // no denominator
}

TEST_P(RenderValueTest, SignsFollowTheByteWidth) {
  EXPECT_EQ(RenderValue(Buffer(), U16(0xFFFF, Order()), testkit::kSShort, "", ""), "65535");
  EXPECT_EQ(RenderValue(Buffer(), "\xFF", testkit::kSByte, "", ""), "255");
  EXPECT_EQ(RenderValue(Buffer(), U32(0xFFFFFFFF, Order()), testkit::kSLong, "", ""), "-1");
  EXPECT_EQ(RenderValue(Buffer(), U32(0x80000000, Order()), testkit::kLong, "", ""), "-2147483648");
  EXPECT_EQ(NumericValue(Buffer(), U32(0xFFFFFFFE, Order()), testkit::kLong), -2);
}

TEST_P(RenderValueTest, FloatsRenderAsPlaceholderAndReadTheFirstComponent) {
  const std::string f = U32(std::bit_cast<uint32_t>(1.5f), Order());
  EXPECT_EQ(RenderValue(Buffer(), f + f, testkit::kFloat, "", ""), "-9999.99, -9999.99");
  EXPECT_EQ(NumericValue(Buffer(), f + U32(0, Order()), testkit::kFloat), 1.5);
  const uint64_t bits = std::bit_cast<uint64_t>(-2.25);
  const std::string d = Order() == ByteOrder::Motorola
                            ? U32(bits >> 32, Order()) + U32(bits & 0xFFFFFFFF, Order())
                            : U32(bits & 0xFFFFFFFF, Order()) + U32(bits >> 32, Order());
  EXPECT_EQ(NumericValue(Buffer(), d, testkit::kDouble), -2.25);
  // Too short for a component, or not a finite number: 0.
  EXPECT_EQ(NumericValue(Buffer(), "\x01\x02", testkit::kFloat), 0);
  EXPECT_EQ(NumericValue(Buffer(), U32(0x7FC00000, Order()), testkit::kFloat), 0);
  EXPECT_EQ(NumericValue(Buffer(), U32(0x7F800000, Order()), testkit::kFloat), 0);
}

INSTANTIATE_TEST_SUITE_P(BothOrders, RenderValueTest,
                         testing::Values(ByteOrder::Intel, ByteOrder::Motorola));

TEST(RenderValueShapeTest, ElementsAreCountedAndCapped) {
  const Endianness order = Endianness::Little;
  EXPECT_EQ(RenderValue(order, "ab", 0, "", ""), "0");
  EXPECT_EQ(RenderValue(order, "ab", 13, "", ""), "0");
  EXPECT_EQ(RenderValue(order, "ab", testkit::kAscii, "", ""), "?, ?");
  EXPECT_EQ(RenderValue(order, std::string("\x05\0\x07", 3), testkit::kShort, "", ""), "5");
  EXPECT_EQ(RenderValue(order, "", testkit::kShort, "", ""), "");
  const std::string many(200, '\x01');
  const std::string text = RenderValue(order, many, testkit::kByte, "", "");
  EXPECT_EQ(text.size(), 128 + 127 * 2); // 128 ones and 127 separators
  EXPECT_EQ(NumericValue(order, "x", testkit::kAscii), 0);
  EXPECT_EQ(NumericValue(order, "x", 42), 0);
}

TEST(RenderValueShapeTest, NumbersUseADecimalPointWhateverTheLocale) {
  const char* german = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"})
    if (std::setlocale(LC_ALL, name)) {
      german = name;
      break;
    }
  if (!german) GTEST_SKIP() << "no German locale installed";
  const Endianness order = Endianness::Little;
  const std::string raw = U32(71, ByteOrder::Intel) + U32(10, ByteOrder::Intel);
  const std::string text = RenderValue(order, raw, testkit::kRational, "", "%5.2f mm");
  const std::string shutter = Rendered(RenderShutterSpeed, "8/1");
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(text, " 7.10 mm");
  EXPECT_EQ(shutter, "0.0039 sec (1/256)");
}

TEST(ValueListTextTest, FindsTheWholeKeyOnly) {
  const std::string list = "0:Unidentified,1:Daylight,10:Flash,17:Std A";
  EXPECT_EQ(ValueListText(list, "1"), "Daylight");
  EXPECT_EQ(ValueListText(list, " 10 "), "Flash");
  EXPECT_EQ(ValueListText(list, "17"), "Std A");
  EXPECT_EQ(ValueListText(list, "0"), "Unidentified");
  EXPECT_EQ(ValueListText(list, "7"), "");
  EXPECT_EQ(ValueListText("", "1"), "");
}

TEST(FractionValueTest, ReadsWholeNumbersAndFractions) {
  const std::pair<const char*, double> cases[] = {
      {"1/250", 0.004}, {" 1 1/2 ", 1.5}, {"-5/1", -5.0}, {"+3/4", 0.75}, {"5", 0.0},
      {"a/2", 0.0},     {"3/0", 0.0},     {"1.5/2", 0.0}, {"", 0.0},      {"x 1/2", 0.0},
  };
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(FractionValue(text), value) << text;
}

TEST(RendererTest, Components) {
  EXPECT_EQ(Rendered(RenderComponents, "\"\x01\x02\x03\""), "YCbCr");
  EXPECT_EQ(Rendered(RenderComponents, "\"\x04\x05\x06\x01\x02"), "RGBY");
  EXPECT_EQ(Rendered(RenderComponents, "\"\x01"), "Y");
  EXPECT_EQ(Rendered(RenderComponents, ""), "");
}

TEST(RendererTest, ShutterSpeed) {
  EXPECT_EQ(Rendered(RenderShutterSpeed, "8/1"), "0.0039 sec (1/256)");
  EXPECT_EQ(Rendered(RenderShutterSpeed, "-5/1"), "32.0000 sec");
  EXPECT_EQ(Rendered(RenderShutterSpeed, "1/1"), "0.5000 sec (1/2)");
  EXPECT_EQ(Rendered(RenderShutterSpeed, "2147483647/1"), "0.0000 sec"); // no absurd reciprocal
}

TEST(RendererTest, FlashBits) {
  const std::pair<const char*, const char*> cases[] = {
      {"25", "On, auto mode"},
      {"16", "Off, surpressed"},
      {"0", "Off"},
      {"3", "On, UNKNOWN"},
      {"13", "On, no strobe return, forced"},
      {"95", "On, strobe return, auto mode, red-eye reduction"},
      {"32", "Off, no flash function"},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(Rendered(RenderFlash, text), expected) << text;
  EXPECT_THROW(Rendered(RenderFlash, "abc"), std::runtime_error);
  EXPECT_THROW(Rendered(RenderFlash, "25, 0"), std::runtime_error);
  EXPECT_THROW(Rendered(RenderFlash, ""), std::runtime_error);
}

TEST(RendererTest, UserCommentDropsTheCodePrefix) {
  EXPECT_EQ(Rendered(RenderUserComment, std::string("ASCII\0\0\0Hello", 13)), "Hello");
  EXPECT_EQ(Rendered(RenderUserComment, "short"), "");
}

TEST(RendererTest, WideTextKeepsLowBytesAndNeverReadsTheLastItem) {
  EXPECT_EQ(Rendered(RenderWideText, "84, 0, 101, 0, 0, 0"), "Te");
  EXPECT_EQ(Rendered(RenderWideText, "84, 0, 101"), "T");
  EXPECT_EQ(Rendered(RenderWideText, "228, 0, 0, 0"), "\xC3\xA4"); // Latin-1 ä written as UTF-8
  EXPECT_EQ(Rendered(RenderWideText, ""), "");
  EXPECT_THROW(Rendered(RenderWideText, "abc, 0"), std::runtime_error);
  EXPECT_THROW(Rendered(RenderWideText, "84, 0, 1x, 0"), std::runtime_error);
}

TEST(RendererTest, DegreesAndTimeStamps) {
  EXPECT_EQ(Rendered(RenderDegrees, "50/1, 451/10, 0/1"), "50 Degrees 45 Minutes 6 Seconds");
  EXPECT_EQ(Rendered(RenderDegrees, "48/1, 8/1, 3012/100"), "48 Degrees 8 Minutes 30 Seconds");
  EXPECT_EQ(Rendered(RenderDegrees, "7/1"), "7 Degrees 0 Minutes 0 Seconds");
  EXPECT_EQ(Rendered(RenderTimeStamp, "14/1, 3/1, 7/1"), "14:3:7");
  EXPECT_EQ(Rendered(RenderTimeStamp, ""), "0:0:0");
}

TEST(FormatValuesTest, FollowsPrintfForItsConversions) {
  EXPECT_EQ(FormatValues("%5.2f|%-6.1f|%05.1f", {7.1, 2.25, -2.5}), " 7.10|2.2   |-02.5");
  EXPECT_EQ(FormatValues("%0.0f %f", {2.5, 1.0}), "2 1.000000");
  EXPECT_EQ(FormatValues("%+d %4d %.3d 100%%", {int64_t{5}, int64_t{-7}, int64_t{4}}),
            "+5   -7 004 100%");
  EXPECT_EQ(FormatValues("[%s|%3s|%.2s]",
                         {std::string_view("ab"), std::string_view("c"), std::string_view("xyz")}),
            "[ab|  c|xy]");
  EXPECT_THROW(FormatValues("%x", {int64_t{1}}), std::runtime_error);
  EXPECT_THROW(FormatValues("%d", {1.0}), std::runtime_error);
  EXPECT_THROW(FormatValues("%f %f", {1.0}), std::runtime_error);
  EXPECT_THROW(FormatValues("%5", {1.0}), std::runtime_error);
}

} // namespace
