// Paths on one line each, read back exactly.

#include "app/core/escaped_text.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
  std::string raw;
  std::string escaped;
};

const EscapeCase kCases[] = {
    {"/bilder/ärger.jpg", "/bilder/ärger.jpg"},
    {"a\tb\\c\r\nd", "a\\tb\\\\c\\r\\nd"},
    {"farbe\x1b[31mrot", "farbe\\x1B[31mrot"},
    {std::string("nul\0bell\x07"
                 "del\x7f",
                 13),
     "nul\\x00bell\\x07del\\x7F"},
    {"c1 \xc2\x9b und \xc2\x80", "c1 \\u009B und \\u0080"},
    {"kein c1 \xc2\xa0 \xc2", "kein c1 \xc2\xa0 \xc2"},   // no-break space, a lone lead byte
    {"latin1 \xe4\xff kaputt", "latin1 \xe4\xff kaputt"}, // not UTF-8: passes unchanged
};

TEST(EscapedText, EveryControlCharacterIsEscapedAndReadBackExactly) {
  for (const EscapeCase& c : kCases) {
    SCOPED_TRACE(c.escaped);
    EXPECT_EQ(EscapeText(c.raw), c.escaped);
    EXPECT_EQ(UnescapeText(c.escaped), c.raw);
  }
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) {
    everyByte += static_cast<char>(byte);
    everyByte += "\xc2";
    everyByte += static_cast<char>(byte);
  }
  const std::string escaped = EscapeText(everyByte);
  EXPECT_EQ(escaped.find_first_of("\t\r\n"), std::string::npos);
  EXPECT_EQ(UnescapeText(escaped), everyByte);
}

TEST(EscapedText, WhatEscapingNeverWritesIsRefused) {
  for (const char* bad :
       {"ende\\", "\\q", "\\x4", "\\x41", "\\x0a", "\\u0041", "\\u00A0", "\\u1089"}) {
    EXPECT_FALSE(UnescapeText(bad)) << bad;
  }
}

} // namespace
