#pragma once
// Moving a file without ever replacing one. At every moment the file is in
// its source folder or complete at its target, never in neither, and no
// incomplete file ever carries a final name.

#include <string>
#include <system_error>

enum class MoveOutcome {
  Moved,              // the file is at its target and gone from its source
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
  SourceNotRemovable, // the source cannot leave its folder (an immutable file, a folder
                      // the process may not change): it stays, no copy or link is left
  NotRegularFile,     // the source is not a regular file (a FIFO, a device); nothing changed
  Abandoned,          // AbandonCopyInHand() stopped a copy; the source is as it was
  Failed,             // any other failure; the source is as it was, no partial target
};

struct MoveResult {
  MoveOutcome outcome = MoveOutcome::Failed;
  std::error_code error; // the system's error behind the outcome, when there is one
  bool copied = false;   // Moved by a copy (across file systems): the target is a new file
};

// Moves the file from to to (both full paths). Within a file system a rename
// that refuses to replace; where the file system does not offer that, a hard
// link and removal of the source; without hard links either, the final name
// is reserved by creating it exclusively and the file renamed over that
// reservation. Across file systems the file is copied into a hidden
// temporary file beside the target (TemporaryCopyName), which is given the
// modification time, permissions and extended attributes of the source,
// keeps its holes, is compared with the source, flushed, and only then gets
// its final name without replacing (a batch of one: cross_device_batch.h);
// the source is removed last, and only if its path still names the file
// that was copied. A source that went after
// its copy had its final name counts as moved; one that went before, as
// NotFound. A source that cannot be removed keeps the file: the finished
// copy or link is removed again, so the file is never in two places.
MoveResult MoveFileNoReplace(const std::string& from, const std::string& to);

// The outcome that a system error of creating an entry in a target folder
// stands for.
MoveOutcome OutcomeOfError(std::error_code error);

// Asks a copy in hand to stop as soon as it can, removing its temporary
// file; the move then reports Abandoned, and so does every later copy. Safe
// to call from a signal handler.
void AbandonCopyInHand();

// Whether name is exactly of the form of the move's temporary files,
// ".fotomaz-" + process id + "-" + eight lower-case hex digits + ".part":
// such files are never collected as the user's files, and only they are
// ever cleaned up.
bool IsTemporaryCopyName(const std::string& name);

// Removes from folder the temporary files of moves made by process pid (a
// run that was killed): they are that run's alone.
void RemoveTemporaryCopiesOf(const std::string& folder, long pid);

// Removes the temporary file of an interrupted move at path when its last
// change is more than kStaleCopyMinutes ago (a live move's file is never that
// old; its modification time is the source's, so only the change time
// tells); a path of any other name is left alone.
inline constexpr int kStaleCopyMinutes = 10;
void RemoveIfStaleTemporaryCopy(const std::string& path);
// The same for every entry of folder.
void RemoveStaleTemporaryCopiesIn(const std::string& folder);
