#pragma once
// Names that carry a counter tag: stem + "_[" + digits + "]" + extension.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct CounterTag {
  uint64_t number;
  size_t length; // of "_[digits]"
};

// The counter tag at the end of stem. Only the form the run writes counts:
// at least four digits, zeros in front only up to four ("_[0012]",
// "_[10000]", not "_[012]" or "_[00012]").
std::optional<CounterTag> TrailingCounter(std::string_view stem);

// The extension of a name: from its last dot, dot included; may be empty.
std::string_view ExtensionOf(std::string_view name);

// Bytes of a counter tag of up to four digits, "_[0001]".
inline constexpr size_t kCounterTagBytes = 7;

// "_[" + number with zeros in front up to four digits + "]".
std::string CounterText(uint64_t number);
