#pragma once
// Taking a run back: every file its record moved goes back to its old path
// and name, newest first, with the same safe move that never replaces. A
// file goes back only when the file at the target is still the one that
// was moved there (same type, inode, size and modification time; see
// run_record.h for what a version 1 record tells); an old path that is
// taken stays taken. Only lines within the record's own folders are acted
// on (record_bounds.h); the others are reported. A move whose record ends
// with its intent (the run was killed) is resolved by looking where the
// file is; nothing is removed that is not a separate regular copy of the
// file or the empty reservation of a killed move. Folders the run created
// and that are empty afterwards are removed, nothing else. The undo is
// recorded too, and the record it took back is marked, so it is not taken
// back twice; a record whose files did not all go back stays unmarked, so a
// later undo can finish the job. The undo of a copy run removes each copy
// that is unchanged at its place while its source still holds the file,
// and never touches a source.

#include "run/distribution_run.h"
#include "run/file_outcome.h"
#include "run/run_mode.h"

#include <string>
#include <vector>

class RunFrontEnd;

class UndoRun {
public:
  // Records are read from, and the undo recorded in, recordFolder.
  UndoRun(RunFrontEnd& frontEnd, std::string recordFolder, RunMode mode = RunMode::Real)
      : frontEnd_(frontEnd), recordFolder_(std::move(recordFolder)), mode_(mode) {}

  // Takes back the record at path, or, with an empty path, the newest run
  // not taken back yet. NothingFound when there is none (or path is no
  // record, or one taken back already).
  RunOutcome TakeBack(const std::string& recordPath = {});

  bool Running() const { return guard_.Running(); }
  void RequestStop() { guard_.RequestStop(); }
  const std::vector<FileOutcome>& StayedFiles() const { return stayed_; }
  // Whether the last undo took back a copy run: it removed copies.
  bool RemovedCopies() const { return removesCopies_; }

private:
  RunOutcome Run(const std::string& recordPath);

  RunFrontEnd& frontEnd_;
  const std::string recordFolder_;
  const RunMode mode_;
  std::vector<FileOutcome> stayed_;
  bool removesCopies_ = false;
  RunGuard guard_;
};
