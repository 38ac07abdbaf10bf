// Renderers of maker-note values: two Nikon texts and the three Canon
// breakdowns, which turn a list of 16-bit numbers into named lines.

#include "metadata/internal/makernote_render.h"
#include "metadata/internal/rendering.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kPartSeparator = ", ";
constexpr size_t kLensPartLimit = 64;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ')
    s.remove_suffix(1);
  return s;
}

// Item k of a comma-separated list: the text after the k-th comma up to the
// next one; empty past the end. Later items keep the blank after their comma.
std::string_view Item(std::string_view list, size_t k) {
  size_t start = 0;
  for (size_t i = 0; i < k; ++i) {
    const size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  return list.substr(start, list.find(',', start) - start);
}

// A line with the item looked up in the value list; none when the list has no
// text for it.
void AppendLine(std::string& out, std::string_view label, std::string_view value) {
  out += kLineBreak;
  out += label;
  out += " = ";
  out += value;
}

void AppendDecodedLine(std::string& out, RenderSink& sink, std::string_view label,
                       std::string_view valueList, std::string_view item) {
  const std::string value = ValueListText(valueList, item);
  if (Trimmed(value).empty()) return;
  AppendLine(out, label, value);
  sink.namedValues.push_back({std::string(label), value});
}

// A line with the item as it stands, its leading blank included.
void AppendPlainLine(std::string& out, RenderSink& sink, std::string_view label,
                     std::string_view item) {
  if (Trimmed(item).empty()) return;
  AppendLine(out, label, item);
  sink.namedValues.push_back({std::string(label), std::string(item)});
}

struct BreakdownLine {
  std::string_view label;
  size_t item;
  std::string_view valueList; // empty: a plain line
};

template <size_t N>
std::string Breakdown(const std::array<BreakdownLine, N>& lines, std::string_view text,
                      RenderSink& sink) {
  sink.multiLine = true;
  std::string out;
  for (const BreakdownLine& line : lines) {
    const std::string_view item = Item(text, line.item);
    if (line.valueList.empty())
      AppendPlainLine(out, sink, line.label, item);
    else
      AppendDecodedLine(out, sink, line.label, line.valueList, item);
  }
  return out;
}

constexpr std::string_view kLowNormalHigh = "65535:Low,0:Normal,1:High";

// "Self Timer" reads item 1, the same item as "Macro mode": kept, so that the
// dump shows what it has always shown.
constexpr std::array<BreakdownLine, 20> kCameraSettingsLines = {{
    {"Macro mode", 1, "1:Macro,2:Normal"},
    {"Self Timer", 1, {}},
    {"Compression Rate", 3, "0:SuperFine,1:Fine,2:Normal,3:Basic,5:SuperFine"},
    {"Flash Mode", 4,
     "0:Not fired,1:Auto,2:On,3:Red-eye,4:Slow sync,5:Auto+red-eye,6:On+red eye,16:External "
     "flash"},
    {"Drive Mode", 5, "0:Single,1:Continuous"},
    {"Focus Mode", 7, "0:One-Shot,1:AI Servo,2:AI Focus,3:MF,4:Single,5:Continuous,6:MF"},
    {"Image Size", 10, "0:Large,1:Medium,2:Small,4:5MPixel,5:2 MPixel,6:1.5 MPixel"},
    {"Easy Shoot", 11,
     "0:Full Auto,1:Manual,2:Landscape,3:Fast Shutter,4:Slow Shutter,5:Night,6:B&W,7:Sepia,"
     "8:Portrait,9:Sports,10:Macro/Close-Up,11:Pan Focus"},
    {"Contrast", 13, kLowNormalHigh},
    {"Saturation", 14, kLowNormalHigh},
    {"Sharpness", 15, kLowNormalHigh},
    {"CCD ISO", 16, "0:Not used,15:auto,16:50,17:100,18:200,19:400"},
    {"Metering Mode", 17, kLowNormalHigh},
    {"AF Point", 19, kLowNormalHigh},
    {"Exposure Mode", 20, kLowNormalHigh},
    {"Long focal", 23, {}},
    {"Short focal", 24, {}},
    {"Focal Units", 25, {}},
    {"Flash Details", 28, {}},
    {"Focus Mode", 32, kLowNormalHigh},
}};

constexpr std::array<BreakdownLine, 6> kShotInfoLines = {{
    {"White balance", 7, "0:Auto,1:Sunny,2:Cloudy,3:Tungsten,4:Flourescent,5:Flash,6:Custom"},
    {"Sequence Number", 8, {}},
    {"OpticalZoom Step", 10, {}},
    {"AF point", 13, {}},
    {"Flash bias", 15,
     "65472:-2 EV,65484:-1.67 EV,65488:-1.50 EV,65492:-1.33 EV,65504:-1 EV,65516:-0.67 EV,"
     "65520:-0.50 EV,65524:-0.33 EV,0:0 EV,12:0.33 EV,16:0.50 EV,20:0.67 EV,32:1 EV,44:1.33 EV,"
     "48:1.50 EV,52:1.67 EV,64:2 EV"},
    {"Distance", 18, {}},
}};

struct CustomFunction {
  std::string_view label;
  std::string_view valueList;
};

// Function n is entry n - 1. The "AEB Sequence" texts hold commas, so their
// values end early; the list is kept as the cameras' users know it.
constexpr std::array<CustomFunction, 15> kCustomFunctions = {{
    {"Noise Reduction", "0: Off,1: On"},
    {"Shutter AE Lock Button", "0:AF/AE lock,1:AE lock/AF,2:AF/AF lock,3:AE+release/AE+AF"},
    {"Mirror Lockup", "0:Disable,1:Enable"},
    {"Exposure Level", "0:1/2 stop,1:1/3 stop"},
    {"AF Assist", "0:On (auto),1:Off"},
    {"AV Shutter Speed", "0:Automatic,1: 1/200 (fixed)"},
    {"AEB Sequence",
     "0:0, -, + / Enabled1: 0, -, + / Disabled,2: -, 0, + / Enabled,3: -, 0, + / Disabled"},
    {"Shutter Sync", "0:1st-curtain sync,1: 2nd-curtain sync"},
    {"Lens AF Button", "0:AF stop,1:Operate AF,2:Lock AE and start timer"},
    {"Fill Flash Reduction", "0:Enable,1:Disable"},
    {"Menu Return", "0:Top,1:Previous (volatile),2:Previous"},
    {"Set Button", "0:Not assigned,1:Change quality,2:Change ISO speed,3:Select parameters"},
    {"Sensor Cleaning", "0:Disable,1:Enable"},
    {"Superimposed Display", "0: On,1: Off"},
    {"Shutter Release w/o CF Card", "0:Enable,1:Disable"},
}};

// The item as a decimal integer after leading blanks, or nothing.
std::optional<int64_t> ItemInteger(std::string_view item) {
  while (!item.empty() && item.front() == ' ')
    item.remove_prefix(1);
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
  if (item.empty() || ec != std::errc() || end != item.data() + item.size()) return std::nullopt;
  return value;
}

} // namespace

std::string NikonColorMode(const std::string& text, RenderSink&) {
  const std::string mode = text.substr(std::min<size_t>(1, text.size()), 5);
  if (mode == "MODE1") return "Mode1 (sRGB)";
  if (mode == "MODE2") return "Mode 2 (Adobe RGB)";
  if (mode == "MODE3") return "Mode 3 (sRGB): higher saturation";
  return mode;
}

std::string NikonLensRange(const std::string& text, RenderSink&) {
  std::array<double, 4> numbers{};
  std::string_view rest = text;
  for (size_t k = 0; k < 4; ++k) {
    const size_t at = k < 3 ? rest.find(kPartSeparator) : std::string_view::npos;
    numbers[k] = FractionValue(rest.substr(0, at));
    // The remainder starts at the blank behind the comma.
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
    rest = rest.substr(0, kLensPartLimit);
  }
  return FormatValues("%0.1f-%0.1f(mm)  F%0.1f-F%0.1f",
                      {numbers[0], numbers[1], numbers[2], numbers[3]});
}

std::string CanonCameraSettings(const std::string& text, RenderSink& sink) {
  return Breakdown(kCameraSettingsLines, text, sink);
}

std::string CanonShotInfo(const std::string& text, RenderSink& sink) {
  return Breakdown(kShotInfoLines, text, sink);
}

std::string CanonCustomFunctions(const std::string& text, RenderSink& sink) {
  sink.multiLine = true;
  const size_t commas = static_cast<size_t>(std::count(text.begin(), text.end(), ','));
  std::string out;
  // The item after the last comma is never examined.
  for (size_t k = 0; k < commas; ++k) {
    const std::optional<int64_t> code = ItemInteger(Item(text, k));
    if (!code) continue;
    const int64_t function = *code / 256;
    if (function < 1 || function > static_cast<int64_t>(kCustomFunctions.size())) continue;
    const int64_t setting = *code - 256 * function;
    const CustomFunction& f = kCustomFunctions[static_cast<size_t>(function - 1)];
    AppendDecodedLine(out, sink, f.label, f.valueList, std::to_string(setting));
  }
  return out;
}
