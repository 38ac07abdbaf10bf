#include "app/core/pad_text.h"

std::string PadText(const std::string& text, char fill, int width, bool onTheLeft) {
  if (static_cast<int>(text.size()) >= width) return text;
  const std::string padding(static_cast<size_t>(width) - text.size(), fill);
  return onTheLeft ? padding + text : text + padding;
}

std::string PadNumber(long long number, int width) {
  return PadText(std::to_string(number), '0', width, true);
}
