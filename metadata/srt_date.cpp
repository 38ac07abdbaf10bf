#include "metadata/srt_date.h"

namespace {

// "yyyy-mm-dd hh:mm:ss"
constexpr size_t kDateTimeLength = 19;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number of the digits text[at, at + count); they are digits.
int Number(std::string_view text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i)
    value = value * 10 + (text[i] - '0');
  return value;
}

// The date and time at text's start, when it has their form.
std::optional<LocalDateTime> DateTimeAt(std::string_view text) {
  if (text.size() < kDateTimeLength) return std::nullopt;
  constexpr std::string_view kForm = "dddd?dd?dd dd:dd:dd";
  static_assert(kForm.size() == kDateTimeLength);
  for (size_t i = 0; i < kForm.size(); ++i) {
    if (kForm[i] == 'd' ? !IsDigit(text[i]) : kForm[i] != '?' && kForm[i] != text[i])
      return std::nullopt;
  }
  const char separator = text[4];
  if ((separator != '-' && separator != '.') || text[7] != separator) return std::nullopt;
  return LocalDateTime{Number(text, 0, 4),  Number(text, 5, 2),  Number(text, 8, 2),
                       Number(text, 11, 2), Number(text, 14, 2), Number(text, 17, 2)};
}

} // namespace

std::optional<StatedDate> ReadSrtDate(std::string_view text) {
  text = text.substr(0, kMaxSrtBytes);
  for (size_t at = 0; at + kDateTimeLength <= text.size(); ++at) {
    // A year begins after anything but a digit: "12026-05-01" is no date.
    if (!IsDigit(text[at]) || (at > 0 && IsDigit(text[at - 1]))) continue;
    if (const std::optional<LocalDateTime> time = DateTimeAt(text.substr(at));
        time && IsRealDate(*time))
      return StatedDate{*time, std::nullopt};
  }
  return std::nullopt;
}
