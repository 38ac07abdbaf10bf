#pragma once
// Turning a tag's value bytes into display text and into a number.

#include "metadata/endind.h"
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

// True when RenderValue applies format to every value without refusing it:
// no format, a "%s" format (the value's text goes in its place), or literal
// text with at most one %f conversion within the bounds above. The tag
// tables assert it of every row, so a walk never meets a format error.
constexpr bool IsValueFormat(std::string_view format) {
  if (format.find("%s") != std::string_view::npos) return true;
  int conversions = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (++i < format.size() && format[i] == '%') continue;
    while (i < format.size() &&
           (format[i] == '-' || format[i] == '+' || format[i] == ' ' || format[i] == '0'))
      ++i;
    int width = 0;
    for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
      if ((width = width * 10 + (format[i] - '0')) > kMaxFormatWidth) return false;
    if (i < format.size() && format[i] == '.') {
      int precision = 0;
      for (++i; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
        if ((precision = precision * 10 + (format[i] - '0')) > kMaxFormatPrecision) return false;
    }
    if (i >= format.size() || format[i] != 'f' || ++conversions > 1) return false;
  }
  return true;
}

// Renders raw (elements of the given type, read in order's byte order) as text,
// applying the value list and the format; at most 128 elements.
std::string RenderValue(const tEndInd& order, std::string_view raw, uint16_t type,
                        std::string_view valueList, std::string_view format);
double NumericValue(const tEndInd& order, std::string_view raw, uint16_t type);

std::string ValueListText(std::string_view list, std::string_view key);
double FractionValue(std::string_view text);

// What a table's renderer made of a value text: its text, or why it refused
// the value (the message of the std::runtime_error a TextRenderer may throw).
struct RendererResult {
  std::string Text;
  std::optional<std::string> Refusal;
};
// Applies renderer to text. The walks call renderers only through this; it
// is the one place a renderer's refusal is caught, and each walk ends the
// directory it walks on a refusal (docs/metadata-reader.md).
RendererResult ApplyRenderer(TextRenderer renderer, const std::string& text);

std::string RenderComponents(const std::string& text);
std::string RenderShutterSpeed(const std::string& text);
std::string RenderFlash(const std::string& text); // throws std::runtime_error on a non-integer
std::string RenderUserComment(const std::string& text);
std::string RenderWideText(const std::string& text); // throws std::runtime_error on a non-integer
std::string RenderDegrees(const std::string& text);
std::string RenderTimeStamp(const std::string& text);
