#pragma once
// What became of one file of a run, as the run reports it to its front end.

#include "platform/move_file.h"
#include "run/file_date.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

enum class FileResult {
  Moved,           // at its target now (in a dry run: would be moved there)
  Back,            // an undo put it back at its old place (in a dry run: would)
  Removed,         // the undo of a copy run removed this copy (target: its source,
                   // which stays; in a dry run: would)
  InPlace,         // already where it belongs (its target is the file itself, or a
                   // numbered variant of its name in its target folder): left alone,
                   // not a failure
  Stayed,          // left where it is, for the reason given
  AlreadyInTarget, // its bytes lie in its target folder already, under its planned
                   // name or a numbered variant of it (target: that file): left in
                   // the source, reported, not a failure
};

// Why a file stayed in the source folder.
enum class StayReason {
  DateUnreadable,     // its date could not be worked out (detail: why)
  NoSpace,            // the target has no room
  TargetNotWritable,  // the target folder takes no new entries
  NameNotPossible,    // the target file system refuses the name
  NameTaken,          // every free name was taken by others before the move
  ChangedWhileMoving, // replaced or written to during a copy: it stays as it is now (a
                      // complete copy of the file it replaced is kept at the target)
  NotRegularFile,     // a FIFO, device or folder took the file's place
  FolderUnreadable,   // a folder of the source tree could not be read (source: the folder)
  Vanished,           // gone from the source before it was moved (another program took it)
  SourceNotRemovable, // the source cannot leave its folder (immutable, or a folder the
                      // run may not change): it stays whole there, no copy is kept
  LinkIntoSource,     // a link to a file inside the source tree: moved, it would name
                      // the photo the run moves beside it, or nothing
  CopyFaulty,         // its copy, read back from the target after the flush, did not hold
                      // its bytes: the copy is gone, the file stays whole in the source
  MoveError,          // any other failure (detail: German for the system's error)
  BackupFailed,       // its copy into the second target failed (detail: why): it stays in
                      // the source; a copy run's copy in the target stays (target: it)
  // Pictures that belong together (companion_groups.h):
  LeaderStayed,    // another member of its group stays (its leader, or one that cannot
                   // move), so it stays with it
  SplitFromGroup,  // a killed run moved its group's leader and not it, and it cannot
                   // follow (target: the name planned for it beside its group)
  DiffersInTarget, // its picture lies in the target already, and the file of its
                   // name beside it there differs (target: that file)
  // Taking a run back (the source is where the file went, the target its old place):
  ChangedSinceRun,  // the file at the target is not the one the run moved there
  GoneSinceRun,     // no file is at the target any more
  OldPlaceTaken,    // another file has the old path (or the file is at both places and
                    // they cannot be shown to be two copies of it)
  ReplacedInTarget, // another file or a link took the place of the one the run moved there
  OutsideRun,       // a line of the record that no run could have written (source: its path)
  OnlyCopyLeft,     // the undo of a copy run: the source no longer holds the file, so its
                    // copy is the only one and stays
};

struct FileOutcome {
  std::string source; // full path
  FileResult result = FileResult::Moved;
  std::string target;  // Moved, InPlace, AlreadyInTarget: full path of the target
  StayReason reason{}; // Stayed: why
  std::string detail;  // DateUnreadable, MoveError: the error's own text
  // A run's file once its date was worked out: the date it was sorted by,
  // and where that came from (what a preview shows).
  std::optional<DatedFile> dated = std::nullopt;
  // Its copy in the second target, where the run placed (or, in a dry run,
  // would place) one.
  std::string backup = {};
};

// A file that stayed for reason.
FileOutcome StayedOutcome(const std::string& source, StayReason reason, std::string detail = {});

// A file that stayed because its move (or the creation of its folder) ended
// in outcome, with the system's error behind it.
FileOutcome FailedMoveOutcome(const std::string& source, MoveOutcome outcome,
                              std::error_code error);

// Whether any of outcomes is a failure (Stayed); files found in the target
// already are not.
inline bool AnyFailed(const std::vector<FileOutcome>& outcomes) {
  return std::any_of(outcomes.begin(), outcomes.end(), [](const FileOutcome& outcome) {
    return outcome.result == FileResult::Stayed;
  });
}
