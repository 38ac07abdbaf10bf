#pragma once
// One UTF-8 sequence at a time, for the code that looks at file names beyond
// their bytes (lower-casing, escaping for the terminal). A name may hold any
// byte, so a decode that fails is an ordinary answer, not an error.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct DecodedUtf8 {
  char32_t code;
  size_t length; // bytes taken, 1 to 4
};

// The well-formed UTF-8 sequence at the start of text (no overlong forms, no
// surrogates, nothing above U+10FFFF, not cut short), or nothing; nothing
// for an empty text too.
std::optional<DecodedUtf8> DecodeUtf8(std::string_view text);

// Appends code (at most U+10FFFF, no surrogate) as UTF-8.
void AppendUtf8(std::string& out, char32_t code);
