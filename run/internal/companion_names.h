#pragma once
// Names by which a file belongs to a picture or video without being its base
// name plus an extension: an edited copy ("IMG_1-edited.jpg"), a copy or
// clip a device names after another ("GL010001.LRV", "IMG_100_HEIC.MOV"),
// a clip's data under a name of its own ("C0001M01.XML"), and the forms in
// which an export names a picture's data (cut to 51 characters, numbered).
// Vendors write these names, so each rule is a row of a table
// (companion_names.cpp) with its reason; the caller (companion_groups.cpp)
// checks that the named owner is there. All names are lowered.

#include "run/internal/companion_groups.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A Google Photos export's longer form of a picture's data:
// NAME.supplemental-metadata.json beside NAME.
inline constexpr std::string_view kExportDataTail = ".supplemental-metadata";
inline constexpr std::string_view kExportDataExtension = ".json";

enum class OwnerKind {
  Picture, // any still
  Video,
  Either,
};

// The owner a member's name points at, and the member's tail in the
// owner's group.
struct OwnerName {
  std::string name; // a base name, or a whole name when whole
  bool whole = false;
  OwnerKind kind = OwnerKind::Either;
  std::string tail;
  bool operator==(const OwnerName&) const = default;
};

// The owners a picture's or video's name points at, in the tables' order
// (empty for an ordinary name).
std::vector<OwnerName> PictureOwnerNames(std::string_view lowered);

// Whether extension is that of a clip's data that joins only by its own
// rule (not by the whole or base name of any picture).
bool IsClipDataExtension(std::string_view extension);
// The clip (a base name) a clip's data is named after; nothing when the
// name fits no row.
std::optional<OwnerName> ClipDataOwner(std::string_view lowered);

// The names, ".json" left off, under which an export writes the data of
// the picture or video named whole besides whole + ".json" and whole +
// kExportDataTail + ".json": the numbered forms (NAME(1).jpg's data is
// NAME.jpg(1).json) and the forms cut to 51 characters. form is the data
// file's full form after the picture's tail (".json" or
// ".supplemental-metadata.json"): the data is filed under that.
struct ExportDataName {
  std::string name;
  std::string_view form;
};
std::vector<ExportDataName> ExportDataNames(std::string_view whole);
