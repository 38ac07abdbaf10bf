#include "app/core/escaped_text.h"

#include <cstdint>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The C1 control characters in UTF-8: C2 followed by 80 to 9F.
constexpr uint8_t kC1Lead = 0xC2;
constexpr uint8_t kC1First = 0x80;
constexpr uint8_t kC1Last = 0x9F;

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

} // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<uint8_t>(text[i]);
    switch (byte) {
    case '\\':
      out += "\\\\";
      continue;
    case '\t':
      out += "\\t";
      continue;
    case '\r':
      out += "\\r";
      continue;
    case '\n':
      out += "\\n";
      continue;
    default:
      break;
    }
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      AppendHex(out, byte);
    } else if (byte == kC1Lead && i + 1 < text.size() &&
               static_cast<uint8_t>(text[i + 1]) >= kC1First &&
               static_cast<uint8_t>(text[i + 1]) <= kC1Last) {
      out += "\\u00";
      AppendHex(out, static_cast<uint8_t>(text[++i]));
    } else {
      out += text[i];
    }
  }
  return out;
}

std::optional<std::string> UnescapeText(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      out += escaped[i];
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
      // Only what EscapeText writes this way.
      if (!byte || (*byte >= 0x20 && *byte != 0x7F) || *byte == '\t' || *byte == '\r' ||
          *byte == '\n') {
        return std::nullopt;
      }
      out += static_cast<char>(*byte);
      i += 2;
      break;
    }
    case 'u': {
      if (escaped.substr(i + 1, 2) != "00") return std::nullopt;
      const auto byte = HexByte(escaped, i + 3);
      if (!byte || *byte < kC1First || *byte > kC1Last) return std::nullopt;
      out += static_cast<char>(kC1Lead);
      out += static_cast<char>(*byte);
      i += 4;
      break;
    }
    default:
      return std::nullopt;
    }
  }
  return out;
}
