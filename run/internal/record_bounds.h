#pragma once
// Which lines of a run record lie within the distribution it describes. A
// record is a file in the user's folder: edited or damaged, it could name
// any file on the machine, and the undo would move or remove it. So the undo
// and the clean-up after a killed run act only on paths a run could have
// written: absolute, lexically normal (no ".", ".." or empty component, no
// NUL), a move's source under the record's source folder and its target
// under one of its target folders, a created folder under a target folder;
// a copy into the second target under that folder.
// The text decides first; then the real folders are looked at, so a link
// inside the tree cannot lead out of it.

#include "run/run_record.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class RecordBounds {
public:
  explicit RecordBounds(const RunRecord& record);

  bool MoveWithin(const RecordedMove& move);
  // The target of a move alone (where a killed run may have left something).
  bool TargetWithin(const std::string& path);
  // A folder the record says the run created: under a target folder or the
  // second target, or one.
  bool FolderWithin(const std::string& folder);
  // A copy into the second target: its source as a move's, its copy under
  // the second target the record's optionen name.
  bool BackupWithin(const RecordedMove& copy);
  bool BackupTargetWithin(const std::string& path);

private:
  bool SourceWithin(const std::string& source);
  // Whether folder, lexically at or under root, is so on the real folders.
  bool RealWithin(const std::string& folder, const std::string& root);

  std::optional<std::string> source_;
  std::vector<std::string> targets_;
  std::optional<std::string> backup_;
  std::map<std::string, bool> realChecked_; // folder + "\n" + root: looked at once
  std::string key_;
};
