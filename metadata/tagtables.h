#pragma once
// The reader's vocabulary: the EXIF/TIFF and GPS tag tables.

#include "metadata/endind.h"

#include <cstdint>
#include <string_view>

enum TagTableKind : int { MainTagTable = 1, GpsTagTable = 2 };

// Integer values with a value list show the list's text and renderers apply.
// The program never switches it off.
inline constexpr bool DecodeValues = true;

// Fills every empty Description from its Name, once per program run.
void FillTableDescriptions();

// A copy of the row of the given table (MainTagTable or GpsTagTable) with that
// tag number, or of the "Unknown" row.
TTagEntry LookupTag(uint16_t tag, int kind);

// 0-based index of the first main-table row whose Name equals name ignoring
// case, or -1.
int TableIndexByName(std::string_view name);

// Number of rows of the main table (without the "Unknown" row) and of the GPS table.
int MainTableSize();
int GpsTableSize();
// Row i (0-based) of a table as a TTagEntry; the "Unknown" row for an index outside.
TTagEntry MainTableRow(int index);
TTagEntry GpsTableRow(int index);
