#pragma once
// The distribution run: collects the chosen files under the source folder,
// asks to start, and moves every file into its date folder under the target
// folder, renamed and lower-cased, never replacing a file.

#include "platform/cross_device_batch.h"
#include "platform/moves_in_flight.h"
#include "run/collected_files.h"
#include "run/file_outcome.h"
#include "run/internal/rename_pace.h"
#include "run/run_batch.h"
#include "run/run_guard.h"
#include "run/run_mode.h"
#include "run/run_outcome.h"
#include "run/run_record.h"
#include "run/run_steps.h"

#include <deque>
#include <optional>

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

struct CompanionGroup;
class CompanionGroups;
class DateReadAhead;
class RunFrontEnd;

class DistributionRun {
public:
  explicit DistributionRun(RunFrontEnd& frontEnd, RunMode mode = RunMode::Real)
      : frontEnd_(frontEnd), mode_(mode) {}

  // DistributeFiles. A file whose date cannot be read stays in the source
  // (StayReason::DateUnreadable) and the run goes on. An error that escapes
  // (one of the front end's FileDone, a record that cannot be written) ends
  // the run at that file and is passed on; the files before it stay moved
  // and the wait cursor is ended.
  RunOutcome DistributeFiles();

  // Every real run is recorded in folder, so it can be taken back
  // (run_record.h); without a folder, nothing is recorded.
  void RecordInto(std::string folder) { recordFolder_ = std::move(folder); }

  bool Running() const { return guard_.Running(); }
  // How the last run placed its files: Copy when it copied them (kopiercb).
  RunMode Mode() const { return runMode_; }
  // Ends a run in progress after the files in hand: the moves in flight
  // finish, no new one starts (the window is closing).
  void RequestStop() { guard_.RequestStop(); }
  // Whether renames are made several at a time (rename_pace.h); for tests
  // that compare the two ways.
  void UseMovesInFlight(MovesInFlightUse use) { inFlightUse_ = use; }
  // Batches of at most files files (at least one); for tests of a kill at
  // a batch's bounds.
  void LimitBatch(size_t files) { batchFiles_ = files > 0 ? files : 1; }
  // Reads ahead on readers threads (none: each file in its turn) instead of
  // kDateReaders (date_read_ahead.h); for tests that compare the two.
  void LimitReaders(size_t readers) { readers_ = readers; }
  // The collected files of the last run (verteilelb).
  const CollectedFiles& Files() const { return files_; }
  // What stayed in the last run, in order: files and unreadable folders
  // (Stayed), and files whose bytes were in the target already
  // (AlreadyInTarget, not a failure).
  const std::vector<FileOutcome>& StayedFiles() const { return stayed_; }
  // Bytes read in the last run to compare files with those in the target.
  uint64_t ComparedBytes() const { return comparedBytes_; }

private:
  RunOutcome Distribute();
  // What the files decided with options share in this run.
  RunState StateFor(const RunOptions& options);
  // Decides the next batch from file first on (run_batch.h) and records its
  // intents; the steps in the list's order.
  std::vector<BatchStep> DecideBatch(size_t first, size_t limit, const CompanionGroups& groups);
  // Plans step's file with the batch's options (file_plan.h): what becomes
  // of it, or its move; false when it must wait for the next batch
  // (compareNow unset, and it is to be compared with a file of this batch
  // that has not moved yet).
  bool DecideFile(BatchStep& step, bool compareNow);
  // Carries out step: what became of its files. endsBatch is set when the
  // batch's later decisions no longer hold (a retry, a failure).
  std::vector<FileOutcome> CarryOut(BatchStep& step, bool& endsBatch);
  // What a move that ended as result means for step's file (a retry when
  // its name was taken meanwhile).
  std::vector<FileOutcome> Finish(const BatchStep& step, const MoveResult& result, bool& endsBatch);
  // A step staged with the mover: its copy into the second target (staged
  // first) and its move or copy into the target, each once known.
  struct Staged {
    BatchStep step;
    std::optional<MoveResult> backup = std::nullopt;
    std::optional<MoveResult> main = std::nullopt;
    bool backupStaged = false;
    bool mainStaged = false;
  };
  // What a copy run's pair of copies that landed means for the step's file.
  std::vector<FileOutcome> FinishPair(Staged& staged, bool& endsBatch);
  // Issues the renames of batch's moves from step ahead on while fewer than
  // the bound are in flight; ahead is left at the first step not looked at.
  void IssueAhead(std::vector<BatchStep>& batch, size_t& ahead);
  // The move of step, in flight or made now: its result, nothing while its
  // copy waits for the batch's flush.
  std::optional<MoveResult> MoveOf(BatchStep& step);
  // Finishes and reports the copies that landed since the last call.
  void Settle(bool& endsBatch);
  // The decided moves of batch from file from on, which will not be carried
  // out, free their names and folders again.
  void Abandon(const std::vector<BatchStep>& batch, size_t from);

  // Decides a group of files that belong together (companion_groups.h)
  // with the batch, as DecideFile a file: step holds it (GroupTurn), its
  // plan the group's folder.
  bool DecideGroup(BatchStep& step, const CompanionGroup& group, bool compareNow);
  // Moves the group of step: what became of each member, in its order.
  std::vector<FileOutcome> CarryOutGroup(BatchStep& step, bool& endsBatch);

  RunFrontEnd& frontEnd_;
  const RunMode mode_;
  // The last run's: Copy for a real run with kopiercb.
  RunMode runMode_ = RunMode::Real;
  bool keepsSources_ = false;
  // Reports outcome to the front end, and keeps it when the file stayed.
  void Report(FileOutcome&& outcome);
  // Writes what waits; a record of a run that moved nothing is marked empty.
  void CloseRecord();

  CollectedFiles files_;
  std::vector<FileOutcome> stayed_;
  std::optional<std::string> recordFolder_;
  std::optional<RunRecordWriter> record_;
  uint64_t comparedBytes_ = 0;
  size_t moved_ = 0; // files moved so far in this run
  size_t batchFiles_ = kBatchFiles;
  RunOptions batchOptions_;             // the options of the batch in hand
  std::string batchTarget_;             // their target folder, lexically normal
  TargetFolders* targets_ = nullptr;    // the run's, while it runs
  IdenticalFiles* identical_ = nullptr; // the run's, while it runs
  CrossDeviceBatch* mover_ = nullptr;   // a real run's, while it runs
  DateReadAhead* readAhead_ = nullptr;  // the run's, while it runs
  std::optional<size_t> readers_;       // LimitReaders
  std::deque<Staged> pending_;          // staged copies, in the order staged
  std::string backupRoot_;              // the run's second target, or empty
  MovesInFlight* inFlight_ = nullptr;   // a moving run's, while it runs
  MovesInFlightUse inFlightUse_ = MovesInFlightUse::WhenSlow;
  RenamePace pace_;
  std::optional<MoveForecast> forecast_; // the batch in hand's
  bool issuing_ = false;                 // moves of the batch in hand may still be issued
  bool crossesDevices_ = false;          // a rename met another file system: copies, one by one
  std::vector<CommittedMove> settled_;   // landed, not yet finished
  // Members of groups a killed run split that could not follow their
  // leader: reported before the run, and left where they are.
  std::unordered_set<std::string> leftApart_;
  RunGuard guard_;
};
