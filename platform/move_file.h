#pragma once
// Moving a file without ever replacing one. At every moment the file is in
// its source folder or complete at its target, never in neither.

#include <string>

enum class MoveOutcome {
  Moved,       // the file is at its target and gone from its source
  TargetTaken, // an entry of the target name exists; nothing changed
  NotFound,    // the source or the target folder does not exist; nothing changed
  Failed,      // any other failure; the source is as it was, no partial target
};

// Moves the file from to to (both full paths). Within a file system a rename
// that refuses to replace; where the file system does not offer that, a hard
// link and removal of the source; across file systems (or without hard
// links) a copy to a newly created target that is flushed, keeps the
// modification time and permissions and is compared with the source before
// the source is removed.
MoveOutcome MoveFileNoReplace(const std::string& from, const std::string& to);
