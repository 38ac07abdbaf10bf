#include "platform/lower_name.h"

#include "platform/utf8.h"

#include <algorithm>

namespace {

constexpr bool In(char32_t c, char32_t first, char32_t last) {
  return c >= first && c <= last;
}
constexpr bool Even(char32_t c) {
  return c % 2 == 0;
}

// The lower-case partner of an upper-case letter in the covered blocks.
char32_t LowerCode(char32_t c) {
  if (In(c, 'A', 'Z')) return c + 0x20;
  if (c < 0x80) return c;
  // Latin-1 Supplement: À..Þ except the multiplication sign.
  if (In(c, 0x00C0, 0x00DE) && c != 0x00D7) return c + 0x20;
  // Latin Extended-A: mostly upper/lower pairs; the parity flips at U+0138
  // and U+0149, and Ÿ pairs with ÿ of Latin-1.
  if (c == 0x0130) return U'i';
  if (In(c, 0x0100, 0x0137) && Even(c)) return c + 1;
  if (In(c, 0x0139, 0x0148) && !Even(c)) return c + 1;
  if (In(c, 0x014A, 0x0177) && Even(c)) return c + 1;
  if (c == 0x0178) return 0x00FF;
  if (In(c, 0x0179, 0x017E) && !Even(c)) return c + 1;
  // Greek capitals, with and without tonos.
  if (c == 0x0386) return 0x03AC;
  if (In(c, 0x0388, 0x038A)) return c + 37;
  if (c == 0x038C) return 0x03CC;
  if (In(c, 0x038E, 0x038F)) return c + 63;
  if (In(c, 0x0391, 0x03AB) && c != 0x03A2) return c + 0x20;
  // Cyrillic.
  if (In(c, 0x0400, 0x040F)) return c + 0x50;
  if (In(c, 0x0410, 0x042F)) return c + 0x20;
  if (In(c, 0x0460, 0x0481) && Even(c)) return c + 1;
  if (In(c, 0x048A, 0x04BF) && Even(c)) return c + 1;
  if (c == 0x04C0) return 0x04CF;
  if (In(c, 0x04C1, 0x04CE) && !Even(c)) return c + 1;
  if (In(c, 0x04D0, 0x052F) && Even(c)) return c + 1;
  // Capital sharp s.
  if (c == 0x1E9E) return 0x00DF;
  return c;
}

} // namespace

std::string LowerName(std::string_view name) {
  // ASCII, most of every name, is lowered in place in one pass; the rest is
  // decoded from the first byte that is not.
  std::string out(name);
  char* const bytes = out.data();
  size_t i = 0;
  for (; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x80) break;
    if (static_cast<unsigned>(byte - 'A') < 26u) bytes[i] = static_cast<char>(byte + 0x20);
  }
  if (i == name.size()) return out;
  out.resize(i);
  while (i < name.size()) {
    // ASCII, most of every name, needs no decoding.
    if (const auto byte = static_cast<unsigned char>(name[i]); byte < 0x80) {
      out += static_cast<char>(LowerCode(byte));
      ++i;
      continue;
    }
    const auto decoded = DecodeUtf8(name.substr(i));
    if (!decoded) {
      out += name[i];
      ++i;
      continue;
    }
    AppendUtf8(out, LowerCode(decoded->code));
    i += decoded->length;
  }
  return out;
}

std::string_view LowerName(std::string_view name, std::string& storage) {
  const bool lowered = std::all_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x80 && !(c >= 'A' && c <= 'Z');
  });
  if (lowered) return name;
  storage = LowerName(name);
  return storage;
}
