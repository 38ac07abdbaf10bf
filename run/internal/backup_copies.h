#pragma once
// The second target (sicherunge, RunOptions::backup): every file the run
// places in its target is placed in the second target too, at the same path
// relative to the target and under the same name, by the verified copy of
// a copy across file systems. The names are decided once for both: the
// target folders' listing holds the names of both folders of a pair
// (TargetFolders::MirrorInto). The copy into the second target comes first;
// a file whose second copy failed stays in the source (a copy run keeps the
// copy it placed in the target), with a reason that names the second target.

#include "platform/move_result.h"
#include "run/file_outcome.h"
#include "run/run_steps.h"

#include <optional>
#include <string>

// The copy of a file planned for folder/name in the second target; nothing
// when the run has none for folder.
std::optional<std::string> BackupPathOf(const std::string& folder, const std::string& name,
                                        const RunState& state);

// The same for the planned target path.
std::optional<std::string> BackupPathOfTarget(const std::string& target, const RunState& state);

// Copies source to copy, its intent recorded before (BackupIntent), and
// records the copy once it landed. Copied, or why not.
MoveResult CopyIntoBackup(const MovingFile& file, const std::string& copy, const RunState& state);
// Records the copy of file at copy once it ended as result (a copy committed
// with its batch).
void NoteBackupResult(const MoveResult& result, const MovingFile& file, const std::string& copy,
                      const RunState& state);

// Whether a second copy that ended as result must be tried again at the next
// counter (its name was taken meanwhile, or its folder went).
bool BackupNameLost(const MoveResult& result, const std::string& source);

// Whether a copy that ended as result failed because its source went
// (another program took it): the file is gone, not its second copy.
bool SourceGone(const MoveResult& result, const std::string& source);

// Removes a copy the run just placed for a file that stays after all, when
// it still holds the source's bytes (a copy whose source went is the only
// one left, and stays).
void TakeBackCopy(const std::string& source, const std::string& copy);

// A file whose copy in the second target failed.
FileOutcome BackupFailedOutcome(const std::string& source, const SecondCopyFailure& failure);
