#pragma once
// What became of a move. Every mover of the platform (a single move, a batch
// across file systems, the steps they share) answers with it, so it stands
// apart from them and none of them needs another's header for its result.

#include <optional>
#include <system_error>

enum class MoveOutcome {
  Moved,              // the file is at its target and gone from its source
  Copied,             // a copy of the file is at its target, the source as it was (a batch
                      // that keeps its sources)
  TargetTaken,        // an entry of the target name exists; nothing changed
  NotFound,           // the source or the target folder does not exist, or the source went
                      // before its copy was complete (the copy is dropped); nothing changed
  NoSpace,            // the target has no room; nothing changed
  NotWritable,        // the target folder takes no new entries (permissions, read-only)
  NameNotPossible,    // the target file system refuses the name (too long, bad characters)
  SourceChanged,      // another file took the source's name while it was moved: the
                      // moved file is complete at the target, and the new one stays too
  ChangedDuringCopy,  // the source was written to while it was copied (appended,
                      // truncated, rewritten): the copy is dropped, the source stays
  CopyDiffers,        // the copy, read back from the target's device after its flush, did
                      // not hold the source's bytes (or could not be read): dropped, the
                      // source stays
  SourceNotRemovable, // the source cannot leave its folder (an immutable file, a folder
                      // the process may not change): it stays, no copy or link is left
  NotRegularFile,     // the source is not a regular file (a FIFO, a device); nothing changed
  Abandoned,          // AbandonCopyInHand() stopped a copy; the source is as it was
  Failed,             // any other failure; the source is as it was, no partial target
};

// How the copy into a second target failed, for a caller that places one
// file in two targets (the run's backup folder).
struct SecondCopyFailure {
  MoveOutcome outcome = MoveOutcome::Failed;
  std::error_code error;
};

struct MoveResult {
  MoveOutcome outcome = MoveOutcome::Failed;
  std::error_code error; // the system's error behind the outcome, when there is one
  bool copied = false;   // Moved by a copy (across file systems): the target is a new file
  // Set when the file's copy into its second target failed; outcome is then
  // that of the first target (Failed when it was not tried).
  std::optional<SecondCopyFailure> second = std::nullopt;
};

// The outcome that a system error of creating an entry in a target folder
// stands for.
MoveOutcome OutcomeOfError(std::error_code error);
