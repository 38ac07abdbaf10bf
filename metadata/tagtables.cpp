#include "metadata/tagtables.h"

#include "platform/ascii_case.h"
#include <algorithm>
#include <atomic>
#include <vector>

namespace {

constexpr TagRow kUnknownRow{0, "Unknown"};

// Descriptions of every row after the fill, built once and then only copied.
struct FilledDescriptions {
  std::vector<std::string> Main;
  std::vector<std::string> Gps;
  std::string Unknown;
};

std::vector<std::string> DescriptionsOf(std::span<const TagRow> rows) {
  std::vector<std::string> result;
  result.reserve(rows.size());
  for (const TagRow& row : rows)
    result.push_back(row.Description.empty() ? DescriptionFromName(row.Name)
                                             : std::string(row.Description));
  return result;
}

const FilledDescriptions& Filled() {
  static const FilledDescriptions filled{DescriptionsOf(MainTagRows()),
                                         DescriptionsOf(GpsTagRows()),
                                         DescriptionFromName(kUnknownRow.Name)};
  return filled;
}

std::atomic<bool> descriptionsFilled{false};

Tag MakeEntry(const TagRow& row, std::string_view filledDescription) {
  Tag entry = ToTagEntry(row);
  if (descriptionsFilled) entry.Description = filledDescription;
  return entry;
}

Tag UnknownEntry() {
  return MakeEntry(kUnknownRow, Filled().Unknown);
}

Tag RowEntry(std::span<const TagRow> rows, const std::vector<std::string>& descriptions,
             int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows.size()) return UnknownEntry();
  return MakeEntry(rows[static_cast<size_t>(index)], descriptions[static_cast<size_t>(index)]);
}

int IndexOfTag(std::span<const TagRow> rows, uint16_t tag) {
  const auto it = std::lower_bound(rows.begin(), rows.end(), tag,
                                   [](const TagRow& row, uint16_t t) { return row.TagNumber < t; });
  if (it == rows.end() || it->TagNumber != tag) return -1;
  return static_cast<int>(it - rows.begin());
}

bool IsCapital(char c) {
  return c >= 'A' && c <= 'Z';
}

} // namespace

std::string DescriptionFromName(std::string_view name) {
  std::string result;
  result.reserve(name.size() + name.size() / 2);
  for (size_t i = 0; i < name.size(); ++i) {
    if (i > 0 && IsCapital(name[i]) && !IsCapital(name[i - 1])) result += ' ';
    result += name[i];
  }
  return result;
}

void FillTableDescriptions() {
  Filled();
  descriptionsFilled = true;
}

Tag ToTagEntry(const TagRow& row) {
  Tag entry;
  entry.TagNumber = row.TagNumber;
  entry.Name = row.Name;
  entry.Description = row.Description;
  entry.ValueList = row.ValueList;
  entry.FormatText = row.FormatText;
  entry.Renderer = row.Renderer;
  return entry;
}

Tag LookupTag(uint16_t tag, TagTableKind kind) {
  if (kind == MainTagTable) return MainTableRow(IndexOfTag(MainTagRows(), tag));
  if (kind == GpsTagTable) return GpsTableRow(IndexOfTag(GpsTagRows(), tag));
  return UnknownEntry();
}

int TableIndexByName(std::string_view name) {
  const std::span<const TagRow> rows = MainTagRows();
  for (size_t i = 0; i < rows.size(); ++i)
    if (EqualIgnoringAsciiCase(rows[i].Name, name)) return static_cast<int>(i);
  return -1;
}

int MainTableSize() {
  return static_cast<int>(MainTagRows().size());
}
int GpsTableSize() {
  return static_cast<int>(GpsTagRows().size());
}

Tag MainTableRow(int index) {
  return RowEntry(MainTagRows(), Filled().Main, index);
}
Tag GpsTableRow(int index) {
  return RowEntry(GpsTagRows(), Filled().Gps, index);
}
