// The renderers of Nikon and Canon values, and the Canon breakdown lines.

#include "metadata/internal/makernote_render.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A comma-separated list of numbers as the walk renders 16-bit values:
// item k is values[k]; items not given are 0.
std::string NumberList(std::initializer_list<std::pair<size_t, int>> items, size_t count) {
  std::vector<int> values(count, 0);
  for (auto [k, v] : items)
    values[k] = v;
  std::string text;
  for (size_t k = 0; k < count; ++k)
    text += (k == 0 ? "" : ", ") + std::to_string(values[k]);
  return text;
}

// Collects the named values the breakdowns hand over.
class CanonBreakdown : public ::testing::Test {
protected:
  std::string NamedText(std::string_view name) const {
    for (const RenderSink::NamedValue& named : sink_.namedValues)
      if (named.name == name) return named.text;
    return "<none>";
  }
  RenderSink sink_;
};

std::string Nikon(TextRenderer renderer, const std::string& text) {
  RenderSink sink;
  return renderer(text, sink);
}

} // namespace

TEST(NikonRenderers, LensRangeAndColorMode) {
  EXPECT_EQ(Nikon(NikonLensRange, "180/10, 700/10, 35/10, 45/10"), "18.0-70.0(mm)  F3.5-F4.5");
  EXPECT_EQ(Nikon(NikonLensRange, "240/10, 1200/10, 0/0, 56/10"), "24.0-120.0(mm)  F0.0-F5.6");
  EXPECT_EQ(Nikon(NikonLensRange, "\"garbage\""), "0.0-0.0(mm)  F0.0-F0.0");

  EXPECT_EQ(Nikon(NikonColorMode, "\"MODE1  \""), "Mode1 (sRGB)");
  EXPECT_EQ(Nikon(NikonColorMode, "\"MODE2\""), "Mode 2 (Adobe RGB)");
  EXPECT_EQ(Nikon(NikonColorMode, "\"MODE3a\""), "Mode 3 (sRGB): higher saturation");
  EXPECT_EQ(Nikon(NikonColorMode, "\"COLOR\""), "COLOR");
  EXPECT_EQ(Nikon(NikonColorMode, "\""), "");
}

TEST_F(CanonBreakdown, CameraSettingsDecodedAndPlainLinesWithTheirBlanks) {
  // Macro mode 1, compression 9 (not in the list: no line), flash 16, CCD ISO
  // 17, long focal 682; the list ends before the last "Focus Mode" item.
  const std::string text =
      NumberList({{0, 80}, {1, 1}, {3, 9}, {4, 16}, {16, 17}, {23, 682}, {24, 227}}, 30);
  const std::string lines = CanonCameraSettings(text, sink_);
  EXPECT_TRUE(sink_.multiLine);
  EXPECT_EQ(lines, "\r\nMacro mode = Macro"
                   "\r\nSelf Timer =  1"
                   "\r\nFlash Mode = External flash"
                   "\r\nDrive Mode = Single"
                   "\r\nFocus Mode = One-Shot"
                   "\r\nImage Size = Large"
                   "\r\nEasy Shoot = Full Auto"
                   "\r\nContrast = Normal"
                   "\r\nSaturation = Normal"
                   "\r\nSharpness = Normal"
                   "\r\nCCD ISO = 100"
                   "\r\nMetering Mode = Normal"
                   "\r\nAF Point = Normal"
                   "\r\nExposure Mode = Normal"
                   "\r\nLong focal =  682"
                   "\r\nShort focal =  227"
                   "\r\nFocal Units =  0"
                   "\r\nFlash Details =  0");
  // Every line's value is handed over by its name.
  EXPECT_EQ(NamedText("Self Timer"), " 1");
  EXPECT_EQ(NamedText("Flash Mode"), "External flash");
}

TEST_F(CanonBreakdown, ShortListsAndEmptyItemsGiveNoLines) {
  EXPECT_EQ(CanonCameraSettings("5", sink_), "");
  EXPECT_EQ(CanonCameraSettings("5, 2", sink_), "\r\nMacro mode = Normal\r\nSelf Timer =  2");
  EXPECT_EQ(CanonShotInfo(NumberList({{7, 6}, {15, 65504}, {18, 3}}, 19), sink_),
            "\r\nWhite balance = Custom"
            "\r\nSequence Number =  0"
            "\r\nOpticalZoom Step =  0"
            "\r\nAF point =  0"
            "\r\nFlash bias = -1 EV"
            "\r\nDistance =  3");
  EXPECT_EQ(sink_.namedValues.size(), 8u);
}

TEST_F(CanonBreakdown, CustomFunctionsDecodeFunctionAndSetting) {
  // 257: function 1 setting 1, whose text keeps its blank; 1792: AEB
  // sequence 0, cut at the list's comma; 1793: AEB setting 1 is not in the
  // list; 255 and 4096: functions 0 and 16; the last item is never examined.
  EXPECT_EQ(CanonCustomFunctions("257, 1792, 1793, 255, 4096, x, 3585", sink_),
            "\r\nNoise Reduction =  On\r\nAEB Sequence = 0");
  EXPECT_TRUE(sink_.multiLine);
  EXPECT_EQ(CanonCustomFunctions("3585", sink_), "");
  EXPECT_EQ(CanonCustomFunctions("3585,", sink_), "\r\nSuperimposed Display =  Off");
}
