#include "run/pad_text.h"

#include <algorithm>
#include <charconv>

std::string PadText(const std::string& text, char fill, int width, bool onTheLeft) {
  if (static_cast<int>(text.size()) >= width) return text;
  const std::string padding(static_cast<size_t>(width) - text.size(), fill);
  return onTheLeft ? padding + text : text + padding;
}

std::string PadNumber(long long number, int width) {
  std::string text;
  AppendPaddedNumber(text, number, width);
  return text;
}

void AppendPaddedNumber(std::string& text, long long number, int width) {
  // Built in place: every file's date and name take several.
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  const auto length = static_cast<int>(end - digits);
  text.append(static_cast<size_t>(std::max(width - length, 0)), '0');
  text.append(digits, static_cast<size_t>(length));
}
