#pragma once
// Maker notes: the camera maker's private directory stored as the value of
// tag 0x927C. MakerNoteDecoder recognises the maker from the make text, picks the
// maker's tag table and directory layout and lets DirectoryWalker walk it.

#include "metadata/directory_walker.h"
#include "metadata/tagtables.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

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

// Where a maker's directory lies in the note and where its offsets count from,
// as WalkMakerNoteDirectory takes them.
struct MakerNoteLayout {
  MakerTable Table = MakerTable::Nikon1;
  int64_t DirectoryPosition = 0; // d: 0-based byte offset of the directory in the note
  int64_t NotePosition = 0;      // p: a value at offset o lies at note position o + d + 2 - p
  int64_t ValueBase = 0;         // b: a value outside the note lies at owner position o + b
};

class MakerNoteDecoder {
public:
  MakerNoteDecoder(bool tiffSource, DirectoryWalker& info);

  bool TiffSource = false;
  DirectoryWalker& Info;
  int32_t NoteOffset = 0; // MakerNoteOffset, raised by 16 by Decode for TIFF sources

  // Walks the note when the make is one of the eight known makers; true then,
  // whether or not the walk found anything.
  bool Decode();
  // The layout for the info's make, version, model and note; none for an
  // unknown make. Decode must have raised NoteOffset first.
  std::optional<MakerNoteLayout> ChooseLayout() const;
};

// The info being decoded, null outside a decode; the Canon breakdowns add
// their named values to it.
extern DirectoryWalker* CurrentInfo;
// Set by a renderer whose result is a block of whole lines.
extern bool MultiLineOutput;

std::string NikonColorMode(const std::string& text);
std::string NikonLensRange(const std::string& text);
std::string CanonCameraSettings(const std::string& text);
std::string CanonShotInfo(const std::string& text);
std::string CanonCustomFunctions(const std::string& text);
