// Paths on one line each, read back exactly.

#include "run/escaped_text.h"

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
    // Not UTF-8: every byte that no character takes in.
    {"csi \x9b[2J", "csi \\x9B[2J"},
    {"latin1 \xe4\xff kaputt", "latin1 \\xE4\\xFF kaputt"},
    {"lone lead \xc2", "lone lead \\xC2"},
    {"cut short \xe2\x80", "cut short \\xE2\\x80"},
    {"cut short \xf0\x9f\x98x", "cut short \\xF0\\x9F\\x98x"},
    {"overlong \xc0\xaf \xe0\x80\xaf", "overlong \\xC0\\xAF \\xE0\\x80\\xAF"},
    {"surrogate \xed\xa0\x80", "surrogate \\xED\\xA0\\x80"},
    {"beyond \xf4\x90\x80\x80 \xf8", "beyond \\xF4\\x90\\x80\\x80 \\xF8"},
    // Direction controls, and their neighbours, which stay.
    {"\xe2\x80\x8e\xe2\x80\x8f", "\\u200E\\u200F"},
    {"foto\xe2\x80\xaegpj.exe", "foto\\u202Egpj.exe"},
    {"\xe2\x80\xaa\xe2\x80\xab\xe2\x80\xac\xe2\x80\xad", "\\u202A\\u202B\\u202C\\u202D"},
    {"\xe2\x81\xa6\xe2\x81\xa7\xe2\x81\xa8\xe2\x81\xa9", "\\u2066\\u2067\\u2068\\u2069"},
    {"\xe2\x80\x8d \xe2\x80\xaf \xe2\x81\xa5 \xe2\x81\xaa",
     "\xe2\x80\x8d \xe2\x80\xaf \xe2\x81\xa5 \xe2\x81\xaa"},
    {"kein c1 \xc2\xa0 \xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf",
     "kein c1 \xc2\xa0 \xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf"},
};

TEST(EscapedText, EveryControlCharacterIsEscapedAndReadBackExactly) {
  for (const EscapeCase& c : kCases) {
    SCOPED_TRACE(c.escaped);
    EXPECT_EQ(EscapeText(c.raw), c.escaped);
    EXPECT_EQ(UnescapeText(c.escaped), c.raw);
  }
  std::string everyByte;
  for (int byte = 0; byte < 256; ++byte) {
    for (const char* lead : {"", "\xc2", "\xe2\x80", "\xe2\x81", "\xf0\x9f\x98"}) {
      everyByte += static_cast<char>(byte);
      everyByte += lead;
      everyByte += static_cast<char>(byte);
    }
  }
  const std::string escaped = EscapeText(everyByte);
  // Nothing a terminal acts on is left (no control byte, no byte of broken
  // UTF-8, no direction control): escaping again only doubles backslashes.
  std::string backslashesDoubled;
  for (const char c : escaped)
    backslashesDoubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(EscapeText(escaped), backslashesDoubled);
  EXPECT_EQ(UnescapeText(escaped), everyByte);
}

TEST(EscapedText, RawBytesOfEarlierVersionsReadBackAsTheyWere) {
  for (const std::string raw :
       {"latin1 \xe4\xff", "csi \x9b[2J", "\xc2\x9b", "\xe2\x80\xae", "\xed\xa0\x80"}) {
    EXPECT_EQ(UnescapeText(raw), raw);
  }
}

TEST(EscapedText, WhatEscapingNeverWritesIsRefused) {
  for (const char* bad : {"ende\\", "\\q", "\\x4", "\\x41", "\\x0a", "\\x0A", "\\x5C", "\\u0041",
                          "\\u00A0", "\\u1089", "\\u202F", "\\u202e", "\\u20", "\\uD800"}) {
    EXPECT_FALSE(UnescapeText(bad)) << bad;
  }
}

} // namespace
