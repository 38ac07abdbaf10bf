#include "run/internal/counter_name.h"

#include "run/pad_text.h"

namespace {

// Enough digits for every counter the run makes, and never an overflow.
constexpr size_t kMaxCounterDigits = 18;

} // namespace

std::optional<CounterTag> TrailingCounter(std::string_view stem) {
  if (stem.empty() || stem.back() != ']') return std::nullopt;
  const size_t open = stem.rfind("_[");
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view digits = stem.substr(open + 2, stem.size() - open - 3);
  if (digits.size() < 4 || digits.size() > kMaxCounterDigits) return std::nullopt;
  uint64_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<uint64_t>(c - '0');
  }
  if (CounterText(number) != std::string_view(stem.substr(open))) return std::nullopt;
  return CounterTag{number, stem.size() - open};
}

std::string_view ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

std::string CounterText(uint64_t number) {
  return "_[" + PadNumber(static_cast<long long>(number), 4) + "]";
}
