#include "run/escaped_text.h"

#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

struct CodeRange {
  char32_t first, last;
};

// The characters written as \uNNNN: the C1 controls and the direction
// controls (LRM, RLM, LRE..RLO, LRI..PDI).
constexpr std::array<CodeRange, 4> kEscapedCodes = {{
    {0x0080, 0x009F},
    {0x200E, 0x200F},
    {0x202A, 0x202E},
    {0x2066, 0x2069},
}};

// Ascending and apart, and each fits the four hex digits of \uNNNN.
constexpr bool EscapedCodesOrdered() {
  char32_t previous = 0;
  for (const CodeRange& range : kEscapedCodes) {
    if (range.first <= previous || range.last < range.first || range.last > 0xFFFF) return false;
    previous = range.last;
  }
  return true;
}
static_assert(EscapedCodesOrdered());

bool IsEscapedCode(char32_t code) {
  for (const CodeRange& range : kEscapedCodes)
    if (code >= range.first && code <= range.last) return true;
  return false;
}

std::optional<uint8_t> HexValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  return std::nullopt;
}

// The byte of two hex digits at text[at], or nothing.
std::optional<uint8_t> HexByte(std::string_view text, size_t at) {
  if (at + 2 > text.size()) return std::nullopt;
  const auto high = HexValue(text[at]), low = HexValue(text[at + 1]);
  if (!high || !low) return std::nullopt;
  return static_cast<uint8_t>(*high << 4 | *low);
}

void AppendHex(std::string& out, uint8_t byte) {
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

// What a byte below 0x80 becomes, when it is escaped at all.
bool IsPlainAscii(uint8_t byte) {
  return byte >= 0x20 && byte < 0x7F && byte != '\\';
}

std::optional<std::string_view> AsciiEscape(uint8_t byte) {
  switch (byte) {
  case '\\':
    return "\\\\";
  case '\t':
    return "\\t";
  case '\r':
    return "\\r";
  case '\n':
    return "\\n";
  default:
    return std::nullopt;
  }
}

} // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedText(out, text);
  return out;
}

void AppendEscapedText(std::string& out, std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    // Printable ASCII, most of every path, stands for itself: taken as a run.
    size_t plain = i;
    while (plain < text.size() && IsPlainAscii(static_cast<uint8_t>(text[plain])))
      ++plain;
    if (plain > i) {
      out.append(text.substr(i, plain - i));
      i = plain;
      continue;
    }
    const auto byte = static_cast<uint8_t>(text[i]);
    if (const auto escape = AsciiEscape(byte)) {
      out += *escape;
      ++i;
      continue;
    }
    const std::optional<DecodedUtf8> decoded = DecodeUtf8(text.substr(i));
    if (!decoded || byte < 0x20 || byte == 0x7F) {
      // A control byte, or one that no UTF-8 character takes in.
      out += "\\x";
      AppendHex(out, byte);
      ++i;
    } else if (IsEscapedCode(decoded->code)) {
      out += "\\u";
      AppendHex(out, static_cast<uint8_t>(decoded->code >> 8));
      AppendHex(out, static_cast<uint8_t>(decoded->code & 0xFF));
      i += decoded->length;
    } else {
      out.append(text.substr(i, decoded->length));
      i += decoded->length;
    }
  }
}

std::optional<std::string> UnescapeText(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (size_t i = 0; i < escaped.size(); ++i) {
    // Any other byte stands for itself, also the raw bytes from 0x80 up that
    // earlier versions wrote unescaped: taken up to the next backslash.
    if (escaped[i] != '\\') {
      const size_t backslash = std::min(escaped.find('\\', i), escaped.size());
      out.append(escaped.substr(i, backslash - i));
      i = backslash - 1;
      continue;
    }
    if (++i == escaped.size()) return std::nullopt;
    switch (escaped[i]) {
    case '\\':
      out += '\\';
      break;
    case 't':
      out += '\t';
      break;
    case 'r':
      out += '\r';
      break;
    case 'n':
      out += '\n';
      break;
    case 'x': {
      const auto byte = HexByte(escaped, i + 1);
      // Only what EscapeText writes this way: never a printable ASCII byte
      // or one with an escape of its own.
      if (!byte || (*byte >= 0x20 && *byte < 0x7F) || AsciiEscape(*byte)) return std::nullopt;
      out += static_cast<char>(*byte);
      i += 2;
      break;
    }
    case 'u': {
      const auto high = HexByte(escaped, i + 1), low = HexByte(escaped, i + 3);
      if (!high || !low) return std::nullopt;
      const char32_t code = static_cast<char32_t>(*high << 8 | *low);
      if (!IsEscapedCode(code)) return std::nullopt;
      AppendUtf8(out, code);
      i += 4;
      break;
    }
    default:
      return std::nullopt;
    }
  }
  return out;
}
