#pragma once
// Turning a tag's value bytes into display text and into a number.

#include "metadata/byte_order.h"
#include "metadata/text_renderer.h"
#include "metadata/field_type.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// A printf subset whose output never depends on the locale ("." is always the
// decimal point): literal text, "%%" and %[flags][width][.precision] followed by
// f (a double argument), d (an integer argument) or s (a text argument); flags
// '-', '+', ' ' and '0'. Throws std::runtime_error when a conversion is not one
// of these, does not match its argument, or has no argument left.
using FormatArg = std::variant<double, int64_t, std::string_view>;
std::string FormatValues(std::string_view format, std::initializer_list<FormatArg> args);

// Formats are constant program data; these bounds only keep the buffers fixed.
inline constexpr int kMaxFormatWidth = 256;
inline constexpr int kMaxFormatPrecision = 64;

// One conversion of a format, what follows its '%': flags, width,
// precision and the conversion character.
struct ConversionSpec {
  bool leftAlign = false;
  bool zeroPad = false;
  char positiveSign = 0; // '+' or ' ' when a flag asks for it
  int width = 0;
  std::optional<int> precision;
  char conversion = 0;
};

// Reads the conversion that starts at i (behind its '%') and leaves i behind
// its conversion character; nothing when the format ends first or a number
// exceeds its bound. The one grammar of formats: RenderValue's and the
// tables' check below.
constexpr std::optional<ConversionSpec> ScanConversion(std::string_view format, size_t& i) {
  ConversionSpec conversion;
  for (; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '-')
      conversion.leftAlign = true;
    else if (c == '0')
      conversion.zeroPad = true;
    else if (c == '+')
      conversion.positiveSign = '+';
    else if (c == ' ' && conversion.positiveSign != '+')
      conversion.positiveSign = ' ';
    else
      break;
  }
  const auto number = [&](int limit) -> std::optional<int> {
    int value = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
      value = value * 10 + (format[i++] - '0');
      if (value > limit) return std::nullopt;
    }
    return value;
  };
  const std::optional<int> width = number(kMaxFormatWidth);
  if (!width) return std::nullopt;
  conversion.width = *width;
  if (i < format.size() && format[i] == '.') {
    ++i;
    conversion.precision = number(kMaxFormatPrecision);
    if (!conversion.precision) return std::nullopt;
  }
  if (i >= format.size()) return std::nullopt;
  conversion.conversion = format[i++];
  return conversion;
}

// True when RenderValue applies format to every value without refusing it:
// no format, a "%s" format (the value's text goes in its place), or literal
// text with at most one %f conversion within the bounds above. The tag
// tables assert it of every row, so a walk never meets a format error.
constexpr bool IsValueFormat(std::string_view format) {
  if (format.find("%s") != std::string_view::npos) return true;
  int conversions = 0;
  for (size_t i = 0; i < format.size();) {
    if (format[i++] != '%') continue;
    if (i < format.size() && format[i] == '%') {
      ++i;
      continue;
    }
    const std::optional<ConversionSpec> conversion = ScanConversion(format, i);
    if (!conversion || conversion->conversion != 'f' || ++conversions > 1) return false;
  }
  return true;
}

// Renders raw (elements of the given type, read in order's byte order) as text,
// applying the value list and the format; at most 128 elements.
std::string RenderValue(Endianness order, std::string_view raw, uint16_t type,
                        std::string_view valueList, std::string_view format);
double NumericValue(Endianness order, std::string_view raw, uint16_t type);

std::string ValueListText(std::string_view list, std::string_view key);
double FractionValue(std::string_view text);

// What a table's renderer made of a value text: its text, or why it refused
// the value (the message of the std::runtime_error a TextRenderer may throw).
struct RendererResult {
  std::string text;
  std::optional<std::string> refusal;
};
// Applies renderer to text. The walks call renderers only through this; it
// is the one place a renderer's refusal is caught, and each walk ends the
// directory it walks on a refusal (docs/metadata-reader.md).
RendererResult ApplyRenderer(TextRenderer renderer, const std::string& text, RenderSink& sink);

std::string RenderComponents(const std::string& text, RenderSink& sink);
std::string RenderShutterSpeed(const std::string& text, RenderSink& sink);
std::string RenderFlash(const std::string& text,
                        RenderSink& sink); // throws std::runtime_error on a non-integer
std::string RenderUserComment(const std::string& text, RenderSink& sink);
std::string RenderWideText(const std::string& text,
                           RenderSink& sink); // throws std::runtime_error on a non-integer
std::string RenderDegrees(const std::string& text, RenderSink& sink);
std::string RenderTimeStamp(const std::string& text, RenderSink& sink);
