#include "metadata/internal/tagtables.h"

#include "platform/ascii_case.h"

#include <algorithm>

namespace {

constexpr TagRow kUnknownRow{0, "Unknown"};

// A row as a record, an empty description made from its name.
Tag MakeEntry(const TagRow& row) {
  Tag entry = ToTagEntry(row);
  if (entry.description.empty()) entry.description = TagDescription(row);
  return entry;
}

Tag RowEntry(std::span<const TagRow> rows, int index) {
  if (index < 0 || static_cast<size_t>(index) >= rows.size()) return MakeEntry(kUnknownRow);
  return MakeEntry(rows[static_cast<size_t>(index)]);
}

int IndexOfTag(std::span<const TagRow> rows, uint16_t tag) {
  const auto it = std::lower_bound(rows.begin(), rows.end(), tag,
                                   [](const TagRow& row, uint16_t t) { return row.tagNumber < t; });
  if (it == rows.end() || it->tagNumber != tag) return -1;
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

Tag ToTagEntry(const TagRow& row) {
  Tag entry;
  entry.tagNumber = row.tagNumber;
  entry.name = row.name;
  entry.description = row.description;
  entry.valueList = row.valueList;
  entry.formatText = row.formatText;
  entry.renderer = row.renderer;
  return entry;
}

Tag LookupTag(uint16_t tag, TagTableKind kind) {
  return MakeEntry(LookupTagRow(tag, kind));
}

const TagRow& LookupTagRow(uint16_t tag, TagTableKind kind) {
  const std::span<const TagRow> rows = kind == MainTagTable  ? MainTagRows()
                                       : kind == GpsTagTable ? GpsTagRows()
                                                             : std::span<const TagRow>();
  const int index = IndexOfTag(rows, tag);
  return index < 0 ? kUnknownRow : rows[static_cast<size_t>(index)];
}

std::string TagDescription(const TagRow& row) {
  return row.description.empty() ? DescriptionFromName(row.name) : std::string(row.description);
}

int TableIndexByName(std::string_view name) {
  const std::span<const TagRow> rows = MainTagRows();
  for (size_t i = 0; i < rows.size(); ++i)
    if (EqualIgnoringAsciiCase(rows[i].name, name)) return static_cast<int>(i);
  return -1;
}

int MainTableSize() {
  return static_cast<int>(MainTagRows().size());
}
int GpsTableSize() {
  return static_cast<int>(GpsTagRows().size());
}

Tag MainTableRow(int index) {
  return RowEntry(MainTagRows(), index);
}
Tag GpsTableRow(int index) {
  return RowEntry(GpsTagRows(), index);
}
