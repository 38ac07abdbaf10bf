#include "platform/ini_text.h"

#include "platform/ascii_case.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return EqualIgnoringAsciiCase(Trimmed(a), Trimmed(b));
}

enum class LineKind { Other, Section, Entry };

// One line of the text, without its line break.
struct Line {
  size_t begin = 0; // offset of the line in the text
  size_t end = 0;   // offset behind the line break (or the text's end)
  std::string_view content;
  LineKind kind = LineKind::Other;
  std::string_view name;  // section name or key
  std::string_view value; // entry value
};

Line ClassifyLine(std::string_view text, size_t begin) {
  Line line;
  line.begin = begin;
  const size_t newline = text.find('\n', begin);
  const size_t stop = newline == std::string_view::npos ? text.size() : newline;
  line.end = newline == std::string_view::npos ? text.size() : newline + 1;
  std::string_view content = text.substr(begin, stop - begin);
  if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
  line.content = content;

  const std::string_view trimmed = Trimmed(content);
  if (trimmed.empty() || trimmed.front() == ';') return line;
  if (trimmed.front() == '[') {
    const size_t close = trimmed.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::Section;
      line.name = trimmed.substr(1, close - 1);
      return line;
    }
  }
  const size_t equals = content.find('=');
  if (equals == std::string_view::npos) return line;
  line.kind = LineKind::Entry;
  line.name = content.substr(0, equals);
  line.value = content.substr(equals + 1);
  return line;
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  for (size_t at = 0; at < text.size();) {
    lines.push_back(ClassifyLine(text, at));
    at = lines.back().end;
  }
  return lines;
}

// Index of the first header line of section, or lines.size().
size_t FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section)) return i;
  return lines.size();
}

// Index behind the last line of the section starting at header.
size_t SectionEnd(const std::vector<Line>& lines, size_t header) {
  size_t i = header + 1;
  while (i < lines.size() && lines[i].kind != LineKind::Section)
    ++i;
  return i;
}

std::string EntryLine(std::string_view key, std::string_view value) {
  std::string line;
  line.reserve(key.size() + value.size() + 2);
  line.append(key).push_back('=');
  for (char c : value)
    line.push_back(c == '\r' || c == '\n' ? ' ' : c);
  line.push_back('\n');
  return line;
}

template <class T> std::optional<T> ParseDigits(std::string_view digits, int base) {
  T value{};
  const char* first = digits.data();
  const char* last = first + digits.size();
  const auto [end, error] = std::from_chars(first, last, value, base);
  if (digits.empty() || error != std::errc{} || end != last) return std::nullopt;
  return value;
}

// A text split at the end of its byte-order mark (none: mark is empty).
struct MarkedText {
  std::string_view mark;
  std::string_view body;
};

MarkedText SplitMark(std::string_view text) {
  const size_t mark = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  return {text.substr(0, mark), text.substr(mark)};
}

} // namespace

std::optional<std::string_view> IniFindValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  text = SplitMark(text).body;
  const std::vector<Line> lines = SplitLines(text);
  const size_t header = FindSection(lines, section);
  if (header == lines.size()) return std::nullopt;
  const size_t end = SectionEnd(lines, header);
  for (size_t i = header + 1; i < end; ++i)
    if (lines[i].kind == LineKind::Entry && SameName(lines[i].name, key)) return lines[i].value;
  return std::nullopt;
}

std::string IniWithValue(std::string_view marked, std::string_view section, std::string_view key,
                         std::string_view value) {
  const auto [mark, text] = SplitMark(marked);
  const std::vector<Line> lines = SplitLines(text);
  const std::string entry = EntryLine(key, value);
  std::string result(mark);
  result.reserve(marked.size() + entry.size() + section.size() + 4);

  const size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    result.append(text);
    if (!text.empty() && result.back() != '\n') result.push_back('\n');
    result.append("[").append(section).append("]\n").append(entry);
    return result;
  }

  const size_t end = SectionEnd(lines, header);
  size_t replaced = lines.size();
  size_t lastEntry = header;
  for (size_t i = header + 1; i < end; ++i) {
    if (lines[i].kind != LineKind::Entry) continue;
    lastEntry = i;
    if (replaced == lines.size() && SameName(lines[i].name, key)) replaced = i;
  }
  const size_t cut = replaced != lines.size() ? lines[replaced].begin : lines[lastEntry].end;
  const size_t resume = replaced != lines.size() ? lines[replaced].end : cut;
  result.append(text.substr(0, cut));
  // A last line without its line break must not swallow the new entry.
  if (cut != 0 && result.back() != '\n') result.push_back('\n');
  result.append(entry);
  result.append(text.substr(resume));
  return result;
}

std::optional<std::string> IniWithoutSection(std::string_view marked, std::string_view section) {
  const auto [mark, text] = SplitMark(marked);
  const std::vector<Line> lines = SplitLines(text);
  std::string result(mark);
  bool found = false;
  for (size_t i = 0; i < lines.size();) {
    if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section)) {
      found = true;
      i = SectionEnd(lines, i);
      continue;
    }
    result.append(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
    ++i;
  }
  if (!found) return std::nullopt;
  return result;
}

std::optional<int> IniParseInt(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  for (std::string_view prefix : {"0x", "0X", "$"}) {
    if (!text.starts_with(prefix)) continue;
    const std::string_view hex = text.substr(prefix.size());
    // from_chars would take a sign here too; a hexadecimal number has none.
    if (hex.starts_with("-") || hex.starts_with("+")) return std::nullopt;
    return ParseDigits<int>(hex, 16);
  }
  const bool negative = text.starts_with("-");
  if (negative || text.starts_with("+")) text.remove_prefix(1);
  if (text.starts_with("-") || text.starts_with("+")) return std::nullopt;
  // Parsed wide so that the lowest int, whose magnitude exceeds int, fits.
  const std::optional<std::int64_t> magnitude = ParseDigits<std::int64_t>(text, 10);
  if (!magnitude) return std::nullopt;
  const std::int64_t value = negative ? -*magnitude : *magnitude;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}
