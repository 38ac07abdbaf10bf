#pragma once
// The INI format on text held in memory: find a value, set a value, drop a
// section. No file access, so the file layer and a fuzzer share it.
//
// Lines end in "\n" (a "\r" before it is ignored). "[name]" starts a section;
// "key=value" is an entry whose value is everything after the first "="
// (blanks kept). Section and key names are compared ignoring ASCII case and
// surrounding blanks. Lines starting with ";" and lines without "=" are kept
// but carry no entry. When a section or key occurs twice, the first counts.
// A UTF-8 byte-order mark at the text's start (some Windows editors write
// one) belongs to no line, so the first section is found behind it; a changed
// text keeps it in front.

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The value of key in section, or nothing when either is absent.
std::optional<std::string_view> IniFindValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// text with key in section set to value: an existing entry is replaced in
// place, a new one goes behind the section's last entry, a new section goes
// to the end. Line breaks inside value become blanks so that the file keeps
// one entry per line.
std::string IniWithValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

// text without every section of that name and its entries; nothing when the
// text holds no such section.
std::optional<std::string> IniWithoutSection(std::string_view text, std::string_view section);

// The integer rules of the settings file: optional leading blanks, then an
// optionally signed decimal number, or a hexadecimal one behind "0x", "0X"
// or "$". Anything else, and a number outside the range of int, is nothing.
std::optional<int> IniParseInt(std::string_view text);
