#pragma once
// The options of a run, where they are stored, and the checks a run must
// pass before it starts. Both front ends (the main window and
// fotomaz-verteilen) take them from here, so the two cannot drift apart:
// the window reads them live from the options dialog's controls, the
// command from its command line and the settings file the dialog writes.

#include "run/option_table.h"

#include <string>

enum class FolderStructure {
  Year,         // target/yyyy
  YearMonth,    // target/yyyy/mm
  YearMonthDay, // target/yyyy/mm/dd
  None,         // the target folder itself; no folder is created
};

// allcb, piccb, videocb.
struct FileKinds {
  bool all = KeyDefault(kAllFilesKey) != 0;
  bool pictures = KeyDefault(kPicturesKey) != 0;
  bool videos = KeyDefault(kVideosKey) != 0;
  bool operator==(const FileKinds&) const = default;
};

// The structure of an entry index of the dialog's drop-down list (0, 1, 2);
// any other index (no selection) means None.
constexpr FolderStructure StructureFromIndex(int index) {
  switch (index) {
  case 0:
    return FolderStructure::Year;
  case 1:
    return FolderStructure::YearMonth;
  case 2:
    return FolderStructure::YearMonthDay;
  default:
    return FolderStructure::None;
  }
}

// The defaults are those of the options dialog (option_table.h).
struct RunOptions {
  std::string source; // folder path ending in the separator, or empty
  std::string target; // the same
  FileKinds kinds;
  bool renameByDate = KeyDefault(kRenameKey) != 0;       // exifrenamecb
  bool keepOriginalName = KeyDefault(kKeepNameKey) != 0; // keepfncb
  FolderStructure structure = StructureFromIndex(KeyDefault(kStructureKey));
  // gleichecb: a file whose planned name is taken, and whose bytes equal
  // those of that file or of a numbered variant of it, stays in the source
  // (FileResult::AlreadyInTarget) instead of being moved in once more.
  bool skipIdentical = KeyDefault(kIdenticalKey) != 0;
  // modernecb: also collect the phone and camera formats (HEIC, raw, MP4, …)
  // and date every format by its own metadata where it has one.
  bool modernFormats = KeyDefault(kModernFormatsKey) != 0;
  // begleitcb: a raw and its JPEG, a Live Photo's still and clip and their
  // sidecars (XMP, THM, AAE, …) are dated, named and moved as one group
  // (companion_groups.h).
  bool companions = KeyDefault(kCompanionsKey) != 0;
  // kopiercb: every file is placed as a move would place it, by a verified
  // copy even on one file system, and its source is left as it is.
  bool copy = KeyDefault(kCopyKey) != 0;
  // sicherunge: a second target, or empty for none. Every file placed in the
  // target is placed here too, at the same relative path and name, by a
  // verified copy.
  std::string backup = {}; // folder path ending in the separator, or empty
  bool operator==(const RunOptions&) const = default;
};

// The entry index of a structure; -1 (no selection) for None.
int IndexOfStructure(FolderStructure structure);
// The word of a structure, as the command line takes it and a run's record
// writes it: "jahr", "monat", "tag", "keine".
const char* StructureWord(FolderStructure structure);

// The options as the dialog would load them from the settings file at path,
// from one read of it: a missing file, key or number keeps the dialog's
// default. Every run option of the table is read (option_binding.h).
RunOptions ReadRunOptions(const std::string& settingsPath);

// The checks of "Bilder verteilen", in their order; the first that fails
// ends the click.
enum class FolderCheck {
  Ready,
  NotChosen,     // a folder text is empty
  SourceMissing, // the source folder does not exist (any more)
  TargetMissing, // the target folder does not exist (any more)
  BackupMissing, // a second target is named and does not exist (any more)
  BackupInside,  // the second target is, holds or lies in the source or the target
};
FolderCheck CheckFolders(const RunOptions& options);

// The message of a failed check (empty for Ready). NotChosen is shown as an
// information, the two others as errors.
const char* FolderCheckText(FolderCheck check);
