#include "metadata/internal/rendering.h"

#include "metadata/internal/tagtables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

// Element cap of one rendered value: keeps the text of a huge array bounded.
constexpr size_t kMaxRenderedElements = 128;

[[noreturn]] void FormatError(std::string_view format) {
  throw std::runtime_error("Invalid format \"" + std::string(format) + "\"");
}

// Parses the part after '%' and leaves i behind the conversion character.
ConversionSpec ParseConversion(std::string_view format, size_t& i) {
  const std::optional<ConversionSpec> conversion = ScanConversion(format, i);
  if (!conversion) FormatError(format);
  return *conversion;
}

// Appends sign and digits padded to the width; zeros go between sign and digits.
void AppendPadded(std::string& out, const ConversionSpec& conversion, std::string_view sign,
                  std::string_view digits, bool zeroPadAllowed) {
  const size_t length = sign.size() + digits.size();
  const auto width = static_cast<size_t>(conversion.width);
  const size_t padding = width > length ? width - length : 0;
  if (conversion.leftAlign) {
    out.append(sign).append(digits).append(padding, ' ');
  } else if (conversion.zeroPad && zeroPadAllowed) {
    out.append(sign).append(padding, '0').append(digits);
  } else {
    out.append(padding, ' ').append(sign).append(digits);
  }
}

std::string_view SignText(bool negative, const ConversionSpec& conversion, char (&storage)[2]) {
  storage[0] = negative ? '-' : conversion.positiveSign;
  return storage[0] ? std::string_view(storage, 1) : std::string_view();
}

void AppendFixed(std::string& out, const ConversionSpec& conversion, double value) {
  char signStorage[2] = {};
  const std::string_view sign = SignText(std::signbit(value), conversion, signStorage);
  const double magnitude = std::fabs(value);
  if (!std::isfinite(magnitude)) {
    AppendPadded(out, conversion, sign, std::isnan(magnitude) ? "nan" : "inf", false);
    return;
  }
  // The largest double has 309 integer digits; the precision is bounded above.
  std::array<char, 320 + kMaxFormatPrecision> digits;
  const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude,
                                       std::chars_format::fixed, conversion.precision.value_or(6));
  if (ec != std::errc()) throw std::runtime_error("Number does not fit its format");
  AppendPadded(out, conversion, sign, std::string_view(digits.data(), end - digits.data()), true);
}

void AppendInteger(std::string& out, const ConversionSpec& conversion, int64_t value) {
  char signStorage[2] = {};
  const std::string_view sign = SignText(value < 0, conversion, signStorage);
  const uint64_t magnitude =
      value < 0 ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::array<char, 24> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude).ptr;
  std::string digits(buffer.data(), end);
  const size_t minimum = static_cast<size_t>(conversion.precision.value_or(1));
  if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
  AppendPadded(out, conversion, sign, digits, !conversion.precision.has_value());
}

void AppendConversion(std::string& out, std::string_view format, const ConversionSpec& conversion,
                      const FormatArg& arg) {
  if (conversion.conversion == 'f' && std::holds_alternative<double>(arg)) {
    AppendFixed(out, conversion, std::get<double>(arg));
  } else if (conversion.conversion == 'd' && std::holds_alternative<int64_t>(arg)) {
    AppendInteger(out, conversion, std::get<int64_t>(arg));
  } else if (conversion.conversion == 's' && std::holds_alternative<std::string_view>(arg)) {
    std::string_view text = std::get<std::string_view>(arg);
    if (conversion.precision) text = text.substr(0, static_cast<size_t>(*conversion.precision));
    AppendPadded(out, conversion, {}, text, false);
  } else {
    FormatError(format);
  }
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ')
    s.remove_suffix(1);
  return s;
}

// The whole text as a decimal integer with an optional sign, or nothing.
std::optional<int64_t> ParseInteger(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

int64_t IntegerOrThrow(std::string_view s) {
  const std::optional<int64_t> value = ParseInteger(s);
  if (!value) throw std::runtime_error("'" + std::string(s) + "' is not a valid integer value");
  return *value;
}

std::string_view LeadingBlanksRemoved(std::string_view s) {
  while (!s.empty() && s.front() == ' ')
    s.remove_prefix(1);
  return s;
}

// The value's first component as an IEEE number in the buffer's byte order.
template <typename Float, typename Bits> double FirstFloat(Endianness order, std::string_view raw) {
  if (raw.size() < sizeof(Bits)) return 0;
  Bits bits = 0;
  for (size_t i = 0; i < sizeof(Bits); ++i) {
    const size_t index = order == Endianness::Big ? i : sizeof(Bits) - 1 - i;
    bits = static_cast<Bits>((bits << 8) | static_cast<uint8_t>(raw[index]));
  }
  const double value = std::bit_cast<Float>(bits);
  return std::isfinite(value) ? value : 0;
}

// The three numbers of a degrees/minutes/seconds or hours/minutes/seconds text:
// split at ", ", each later part kept to at most 64 characters.
std::array<double, 3> ThreeParts(std::string_view text) {
  constexpr std::string_view separator = ", ";
  constexpr size_t partLimit = 64;
  std::array<std::string_view, 3> parts;
  std::string_view rest = text;
  for (size_t k = 0; k < 3; ++k) {
    const size_t at = k < 2 ? rest.find(separator) : std::string_view::npos;
    parts[k] = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + separator.size());
    rest = rest.substr(0, partLimit);
  }
  return {FractionValue(parts[0]), FractionValue(parts[1]), FractionValue(parts[2])};
}

void AppendLatin1(std::string& out, uint8_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

} // namespace

std::string FormatValues(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  const FormatArg* next = args.begin();
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i++];
    if (c != '%') {
      out += c;
    } else if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
    } else {
      const ConversionSpec conversion = ParseConversion(format, i);
      if (next == args.end()) FormatError(format);
      AppendConversion(out, format, conversion, *next++);
    }
  }
  return out;
}

std::string RenderValue(Endianness order, std::string_view raw, uint16_t type,
                        std::string_view valueList, std::string_view format) {
  const size_t size = static_cast<size_t>(FieldTypeSize(type));
  if (size == 0) return "0";
  const size_t count = std::min(raw.size() / size, kMaxRenderedElements);
  std::string text;
  for (size_t k = 0; k < count; ++k) {
    if (!text.empty()) text += ", ";
    const std::string_view element = raw.substr(k * size, size);
    switch (type) {
    case kRational:
    case kSRational:
      text += std::to_string(FoldBytes(element.substr(0, 4), order)) + "/" +
              std::to_string(FoldBytes(element.substr(4, 4), order));
      if (!valueList.empty()) text += ValueListText(valueList, text);
      break;
    case kFloat:
    case kDouble:
      text += "-9999.99";
      break;
    case kByte:
    case kShort:
    case kLong:
    case kSByte:
    case kSShort:
    case kSLong: {
      const std::string number = std::to_string(FoldBytes(element, order));
      text += !valueList.empty() && kDecodeValues ? ValueListText(valueList, number) : number;
      break;
    }
    default:
      text += "?";
    }
  }
  if (format.empty()) return text;
  // "%s" formats take the text itself; the others the value as a number.
  if (const size_t at = format.find("%s"); at != std::string_view::npos)
    return std::string(format.substr(0, at)) + text + std::string(format.substr(at + 2));
  return FormatValues(format, {NumericValue(order, raw, type)});
}

// FLOAT and DOUBLE give the IEEE value of their first component, read in the
// buffer's byte order; a value too short for one component, or one that is not
// finite (NaN, infinity), gives 0 so that callers rounding it stay defined.
double NumericValue(Endianness order, std::string_view raw, uint16_t type) {
  switch (type) {
  case kByte:
  case kShort:
  case kLong:
  case kSByte:
  case kSShort:
  case kSLong:
    return FoldBytes(raw, order);
  case kRational:
  case kSRational: {
    const int32_t numerator = FoldBytes(raw.substr(0, std::min<size_t>(4, raw.size())), order);
    const int32_t denominator = raw.size() > 4 ? FoldBytes(raw.substr(4, 4), order) : 0;
    return denominator == 0 ? 0.0 : static_cast<double>(numerator) / denominator;
  }
  case kFloat:
    return FirstFloat<float, uint32_t>(order, raw);
  case kDouble:
    return FirstFloat<double, uint64_t>(order, raw);
  default:
    return 0;
  }
}

std::string ValueListText(std::string_view list, std::string_view key) {
  const std::string pattern = "," + std::string(TrimBlanks(key)) + ":";
  const std::string entries = "," + std::string(list) + ",";
  const size_t at = entries.find(pattern);
  if (at == std::string::npos) return {};
  const size_t start = at + pattern.size();
  return entries.substr(start, entries.find(',', start) - start);
}

double FractionValue(std::string_view text) {
  text = TrimBlanks(text);
  int64_t whole = 0;
  if (const size_t blank = text.find(' '); blank != std::string_view::npos) {
    const std::optional<int64_t> w = ParseInteger(text.substr(0, blank));
    if (!w) return 0;
    whole = *w;
    text = TrimBlanks(text.substr(blank + 1));
  }
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return 0;
  const std::optional<int64_t> numerator = ParseInteger(text.substr(0, slash));
  const std::optional<int64_t> denominator = ParseInteger(text.substr(slash + 1));
  if (!numerator || !denominator || *denominator == 0) return 0;
  // In floating point: d × w + n may not fit 64 bits.
  const double d = static_cast<double>(*denominator);
  return (d * static_cast<double>(whole) + static_cast<double>(*numerator)) / d;
}

RendererResult ApplyRenderer(TextRenderer renderer, const std::string& text, RenderSink& sink) {
  try {
    return {renderer(text, sink), std::nullopt};
  } catch (const std::runtime_error& refusal) {
    return {{}, refusal.what()};
  }
}

// Characters 2 to 5 of the text; missing characters add nothing.
std::string RenderComponents(const std::string& text, RenderSink&) {
  static constexpr std::array<std::string_view, 7> names = {"", "Y", "Cb", "Cr", "R", "G", "B"};
  std::string result;
  for (size_t i = 1; i < 5 && i < text.size(); ++i) {
    const auto code = static_cast<uint8_t>(text[i]);
    if (code < names.size()) result += names[code];
  }
  return result;
}

std::string RenderShutterSpeed(const std::string& text, RenderSink&) {
  const double seconds = std::pow(2.0, -FractionValue(text));
  std::string result = FormatValues("%4.4f sec", {seconds});
  if (seconds <= 0.5) {
    // An absurd time value would make the reciprocal too large to show.
    const double reciprocal = std::nearbyint(1.0 / seconds);
    if (std::isfinite(reciprocal) && reciprocal < 9.0e18)
      result += FormatValues(" (1/%d)", {static_cast<int64_t>(reciprocal)});
  }
  return result;
}

std::string RenderFlash(const std::string& text, RenderSink&) {
  const int64_t v = IntegerOrThrow(LeadingBlanksRemoved(text));
  std::string result = (v & 1) ? "On" : "Off";
  switch (v & 6) {
  case 2:
    result += ", UNKNOWN";
    break;
  case 4:
    result += ", no strobe return";
    break;
  case 6:
    result += ", strobe return";
    break;
  }
  switch (v & 24) {
  case 8:
    result += ", forced";
    break;
  case 16:
    result += ", surpressed";
    break;
  case 24:
    result += ", auto mode";
    break;
  }
  if (v & 32) result += ", no flash function";
  if (v & 64) result += ", red-eye reduction";
  return result;
}

std::string RenderUserComment(const std::string& text, RenderSink&) {
  return text.size() > 8 ? text.substr(8) : std::string();
}

// Only the odd items before the last comma are read (the low bytes of the
// 16-bit characters); a text that is no list, and so has no such item, gives
// the empty text. Low bytes from 0x80 on are Latin-1 and written as UTF-8.
std::string RenderWideText(const std::string& text, RenderSink&) {
  std::string result;
  std::string_view rest = text;
  for (size_t item = 1;; ++item) {
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos) break; // the last item is never read
    if (item % 2 == 1) {
      const int64_t code = IntegerOrThrow(LeadingBlanksRemoved(rest.substr(0, comma)));
      if ((code & 0xFF) != 0) AppendLatin1(result, static_cast<uint8_t>(code & 0xFF));
    }
    rest.remove_prefix(comma + 1);
  }
  return result;
}

std::string RenderDegrees(const std::string& text, RenderSink&) {
  auto [degrees, minutes, seconds] = ThreeParts(text);
  if (seconds == 0) {
    const double wholeMinutes = std::trunc(minutes);
    seconds = (minutes - wholeMinutes) * 60;
    minutes = wholeMinutes;
  }
  return FormatValues("%0.0f Degrees %0.0f Minutes %0.0f Seconds", {degrees, minutes, seconds});
}

std::string RenderTimeStamp(const std::string& text, RenderSink&) {
  const auto [hours, minutes, seconds] = ThreeParts(text);
  return FormatValues("%0.0f:%0.0f:%0.0f", {hours, minutes, seconds});
}
