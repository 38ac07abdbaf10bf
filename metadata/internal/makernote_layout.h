#pragma once
// Maker notes: the camera maker's private directory stored as the value of
// tag 0x927C. The choice of the maker's table and directory layout is a
// pure function of the make, version, model and note bytes; the directory
// walker walks the note with it.

#include "metadata/exif_reader.h"
#include "metadata/internal/tagtables.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The maker tables. Rows named "Skip" are looked up but never decoded.
enum class MakerTable {
  Nikon1,
  Nikon2,
  Olympus,
  Casio1,
  Casio2,
  Fuji,
  Canon,
  Seiko,
  Sanyo,
  Minolta
};
std::span<const TagRow> MakerTableRows(MakerTable table);

// Where a maker's directory lies in the note and where its value offsets
// count from, both 0-based offsets in the note (the origin may lie outside
// it: offsets that count from the TIFF header).
struct MakerNoteLayout {
  MakerTable table = MakerTable::Nikon1;
  int64_t directoryOffset = 0;
  int64_t valueOrigin = 0;
  Endianness order = Endianness::Little;
};

// Where the walked EXIF bytes came from.
enum class ExifContainer { JpegSegment, TiffFile };

// The layout for the note of a camera with these fields; none for an
// unknown make. noteFromTiffHeader: the note's offset counted from the TIFF
// header; order: the EXIF data's byte order, which most makers keep.
std::optional<MakerNoteLayout> ChooseMakerNoteLayout(const ExifFields& fields,
                                                     std::string_view note, ExifContainer container,
                                                     int64_t noteFromTiffHeader, Endianness order);
