#pragma once
// The reader's vocabulary: the EXIF/TIFF and GPS tag tables.

#include "metadata/internal/rendering.h"
#include "metadata/tag.h"
#include "metadata/text_renderer.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One row of a tag table as constant data. Only these fields of a row are
// ever set; LookupTag and friends hand it out as a Tag.
struct TagRow {
  uint16_t tagNumber = 0;
  std::string_view name = {};
  std::string_view description = {};
  std::string_view valueList = {};
  std::string_view formatText = {};
  TextRenderer renderer = nullptr;
};

// True when the tag numbers rise strictly from row to row: lookups rely on it.
constexpr bool TagNumbersAscending(std::span<const TagRow> rows) {
  for (size_t i = 1; i < rows.size(); ++i)
    if (rows[i - 1].tagNumber >= rows[i].tagNumber) return false;
  return true;
}

// True when every row's format applies to any value (IsValueFormat): a walk
// then never meets a format that refuses a value.
constexpr bool FormatsApplyToEveryValue(std::span<const TagRow> rows) {
  for (const TagRow& row : rows)
    if (!IsValueFormat(row.formatText)) return false;
  return true;
}

// The table data itself, in ascending tag order.
std::span<const TagRow> MainTagRows();
std::span<const TagRow> GpsTagRows();

// A display name made from a tag name: a blank before every capital A-Z that
// follows a character which is not one ("ExposureTime" -> "Exposure Time").
std::string DescriptionFromName(std::string_view name);

// The row as a record, its fields copied as they stand (no description fill).
Tag ToTagEntry(const TagRow& row);

// Which table a directory's entries are named from.
enum TagTableKind : int { MainTagTable = 1, GpsTagTable = 2 };

// Integer values with a value list show the list's text and renderers apply.
// The program never switches it off.
inline constexpr bool kDecodeValues = true;

// A copy of the row of the given table with that tag number, or of the
// "Unknown" row; an empty description is made from the name.
Tag LookupTag(uint16_t tag, TagTableKind kind);
// The row LookupTag makes its Tag of (an unknown tag's row has number 0),
// without copying it: a walk renders every value with its row.
const TagRow& LookupTagRow(uint16_t tag, TagTableKind kind);
// A row's description: its own, else made from its name.
std::string TagDescription(const TagRow& row);

// 0-based index of the first main-table row whose Name equals name ignoring
// case, or -1.
int TableIndexByName(std::string_view name);

// Number of rows of the main table (without the "Unknown" row) and of the GPS table.
int MainTableSize();
int GpsTableSize();
// Row i (0-based) of a table as a Tag; the "Unknown" row for an index outside.
Tag MainTableRow(int index);
Tag GpsTableRow(int index);
