// Arbitrary settings-file text: lookups, edits and the integer rules must
// never read outside the text, and an edit must read back what it wrote.
#include "platform/ini_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exactly sized copy so the sanitizers see the true bounds.
  const std::vector<char> bytes(data, data + size);
  const std::string_view text(bytes.data(), bytes.size());

  // The first line names the section and key to work on.
  const size_t lineEnd = text.find('\n');
  const std::string_view head = text.substr(0, lineEnd);
  const size_t split = head.find('=');
  const std::string section(head.substr(0, split));
  const std::string key(split == std::string_view::npos ? "key" : head.substr(split + 1));

  if (const auto value = IniFindValue(text, section, key)) (void)IniParseInt(*value);
  (void)IniParseInt(text);

  // Only names that a control could carry are written by the program.
  const bool writableNames =
      !section.empty() && !key.empty() && section.find_first_of("[]\r\n") == std::string::npos &&
      key.find_first_of("=[\r\n;") == std::string::npos &&
      section.find_first_not_of(' ') != std::string::npos &&
      key.find_first_not_of(' ') != std::string::npos && section.front() != ' ' &&
      section.back() != ' ' && key.front() != ' ' && key.back() != ' ' && key.front() != ';';
  if (writableNames) {
    const std::string edited = IniWithValue(text, section, key, "wert");
    const auto readBack = IniFindValue(edited, section, key);
    if (!readBack || *readBack != "wert") std::abort();
  }
  (void)IniWithoutSection(text, section);
  return 0;
}
