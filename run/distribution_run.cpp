#include "run/distribution_run.h"

#include "run/internal/companion_groups.h"
#include "run/internal/counter_name.h"
#include "run/file_collection.h"
#include "run/file_date.h"
#include "run/internal/identical_files.h"
#include "run/internal/looked_at_file.h"
#include "run/run_front_end.h"
#include "run/run_record.h"
#include "run/internal/run_recovery.h"
#include "run/run_steps.h"
#include "run/run_texts.h"
#include "run/internal/target_folders.h"
#include "run/target_name.h"
#include "run/internal/unique_name.h"
#include "platform/ascii_case.h"
#include "platform/cross_device_batch.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_lock.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"

#include <algorithm>
#include <chrono>

namespace {

// The planned name, cut to fit the file system.
std::string FittedName(const PlannedName& planned) {
  return FitStem(planned, planned.extension.size(), kMaxNameBytes) + planned.extension;
}

// The planned name, cut to leave room for a counter tag.
std::string NumberedName(const PlannedName& planned) {
  return FitStem(planned, kCounterTagBytes + planned.extension.size(), kMaxNameBytes) +
         planned.extension;
}

// The name for a file in folder index: the fitted name, or, when that is
// taken, its next free numbered variant (with room made for the counter).
std::string FreeName(const PlannedName& planned, const std::string& fitted,
                     const TargetFolderIndex& index, uint64_t skip) {
  if (!index.Contains(fitted)) return fitted;
  return MakeUniqueName(NumberedName(planned), planned.extension, index, skip);
}

// The file in folder, under the fitted name or a numbered variant of it (the
// names the counter steps over), whose bytes equal the source's.
std::optional<std::string> IdenticalInFolder(const std::string& source, const FileStatus& status,
                                             const std::string& folder, const PlannedName& planned,
                                             const std::string& fitted,
                                             const TargetFolderIndex& index,
                                             IdenticalFiles& identical) {
  return identical.Find(
      source, status,
      ContentCandidates(folder, index.NameAndNumbered(fitted, CounterStem(NumberedName(planned)),
                                                      planned.extension)));
}

// One try's choice for a file in folder: its name there, or what became of
// it without a move. deferred: the choice needs a comparison with a file
// that is not in the folder yet (compareNow unset).
struct Choice {
  std::optional<FileOutcome> outcome;
  TargetFolderIndex* index = nullptr;
  std::string name;
  bool deferred = false;
};

Choice Decided(FileOutcome outcome) {
  Choice choice;
  choice.outcome = std::move(outcome);
  return choice;
}

Choice ChooseName(const std::string& source, const FileStatus& status, const SourceName& parts,
                  const std::string& folder, const PlannedName& planned, bool createFolder,
                  const RunState& state, int attempt, bool compareNow = true) {
  const std::string fitted = FittedName(planned);
  FileOutcome stays;
  TargetFolderIndex* index = PrepareFolder(source, folder, createFolder, state, stays);
  if (!index) return Decided(std::move(stays));
  if (AlreadyInPlace(source, parts.name, folder, fitted, state.targets)) {
    return Decided({source, FileResult::InPlace, source, {}, {}});
  }
  std::string name = FreeName(planned, fitted, *index, RetrySkip(attempt));
  if (state.identical && name != fitted) {
    if (!compareNow) return {std::nullopt, nullptr, {}, /*deferred=*/true};
    if (std::optional<std::string> same =
            IdenticalInFolder(source, status, folder, planned, fitted, *index, *state.identical)) {
      return Decided({source, FileResult::AlreadyInTarget, std::move(*same), {}, {}});
    }
  }
  if (name.empty()) return Decided(StayedOutcome(source, StayReason::NameTaken));
  return {std::nullopt, index, std::move(name)};
}

// What a move that ended as result means for the file; nothing when another
// try is due (the name was taken, or the folder went, meanwhile).
std::optional<FileOutcome> AfterMoving(const std::string& source, const MoveResult& result,
                                       const MovePlace& place, const RunState& state) {
  const std::string& folder = place.folder;
  switch (result.outcome) {
  case MoveOutcome::Moved:
    return FileOutcome{source, FileResult::Moved, place.path, {}, {}};
  case MoveOutcome::SourceChanged:
    return FailedMoveOutcome(source, result.outcome, result.error);
  case MoveOutcome::NotFound:
    // The source itself gone is no race to retry: another program took it.
    if (!EntryExists(source))
      return Stays(StayedOutcome(source, StayReason::Vanished), folder, state);
    [[fallthrough]];
  case MoveOutcome::TargetTaken:
    state.targets.Forget(folder);
    return std::nullopt;
  default:
    return Stays(FailedMoveOutcome(source, result.outcome, result.error), folder, state);
  }
}

// Moves the file into folder, from try firstAttempt on, each try recorded
// on its own.
FileOutcome MoveIntoFolder(const std::string& source, const FileStatus& status,
                           const SourceName& parts, const std::string& folder,
                           const PlannedName& planned, bool createFolder, const RunState& state,
                           int firstAttempt) {
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = firstAttempt; attempt < kMoveAttempts; ++attempt) {
    Choice choice =
        ChooseName(source, status, parts, folder, planned, createFolder, state, attempt);
    if (choice.outcome) return std::move(*choice.outcome);
    last = MoveRecorded(source, status, parts.name, folder, choice.name, *choice.index, state);
    const std::string target = JoinPath(folder, choice.name);
    if (std::optional<FileOutcome> done =
            AfterMoving(source, last, {folder, choice.name, target}, state))
      return std::move(*done);
  }
  return FailedMoveOutcome(source, last.outcome, last.error);
}

BatchStep StepOf(size_t file, bool group = false) {
  BatchStep step;
  step.file = file;
  step.group = group;
  return step;
}

FileOutcome Dated(FileOutcome outcome, const DatedFile& dated) {
  outcome.dated = dated;
  return outcome;
}

} // namespace

RunOutcome DistributionRun::DistributeFiles() {
  return guard_.Run(frontEnd_, [this] { return Distribute(); });
}

RunOutcome DistributionRun::Distribute() {
  frontEnd_.BeginWait();
  RefreshTimeZone();
  comparedBytes_ = 0;
  RunOptions start = frontEnd_.Options();
  // The run works on the paths its record names (run_record.h).
  start.source = WithBackslash(LexicallyNormal(start.source));
  // Held until the run returns; a dry run changes nothing and needs none.
  FolderLock sourceLock;
  if (mode_ == MoveMode::Move && sourceLock.Take(start.source) == FolderLocking::Busy) {
    frontEnd_.EndWait();
    frontEnd_.SourceBusy();
    return RunOutcome::SourceBusy;
  }
  std::vector<std::string> unreadable;
  FillFileList(start.source, files_, start.kinds, start.modernFormats, ListFill::Replace,
               &frontEnd_, &unreadable);
  // Members that were not collected themselves join the list here, so the
  // counts and the progress take them in.
  const CompanionGroups groups = start.companions ? CompanionGroups(files_) : CompanionGroups();
  frontEnd_.ShowCollectedFiles(files_);
  stayed_.clear();
  for (const std::string& folder : unreadable)
    Report(StayedOutcome(folder, StayReason::FolderUnreadable));
  if (guard_.StopRequested()) {
    frontEnd_.EndWait();
    frontEnd_.Stopped(files_.Size());
    return RunOutcome::Stopped;
  }
  if (files_.Empty()) {
    frontEnd_.EndWait();
    frontEnd_.NothingFound();
    return RunOutcome::NothingFound;
  }
  if (!frontEnd_.ConfirmStart(files_.Size())) {
    frontEnd_.EndWait();
    return RunOutcome::Declined;
  }
  record_.reset();
  if (mode_ == MoveMode::Move && recordFolder_) {
    try {
      record_.emplace(*recordFolder_, RecordKind::Distribution, start);
    } catch (const RunRecordError& error) {
      // Without a record the run could not be taken back: it does not start.
      frontEnd_.EndWait();
      frontEnd_.RecordUnavailable(error.what());
      return RunOutcome::NotRecorded;
    }
    ClearAfterKilledRuns(*recordFolder_);
    frontEnd_.Recorded(record_->Path());
  }
  moved_ = 0;

  const int maximum = static_cast<int>(files_.Size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  TargetFolders targets(mode_);
  if (record_)
    targets.OnFolderCreated([this](const std::string& folder) { record_->FolderCreated(folder); });
  IdenticalFiles identical; // its hashes hold for this run only
  std::string lastFolder;
  // Copies across file systems wait for one flush of many (cross_device_batch.h).
  std::optional<CrossDeviceBatch> mover;
  if (mode_ == MoveMode::Move)
    mover.emplace([this](const CommittedMove& move) { settled_.push_back(move); });
  mover_ = mover ? &*mover : nullptr;
  pending_.clear();
  settled_.clear();
  for (size_t next = 0, batches = 0; next < files_.Size(); ++batches) {
    // The first batches are small: the first files move at once, and a record
    // that cannot be written stops the run after a few.
    const size_t limit = batches < 16 ? std::min(batchFiles_, size_t{1} << batches) : batchFiles_;
    std::vector<BatchStep> batch = DecideBatch(next, limit, groups, targets, identical);
    for (auto step = batch.begin(); step != batch.end(); ++step) {
      frontEnd_.ProcessEvents();
      // A change of the options holds from the next file on: the batch's
      // later decisions are made again.
      if (guard_.StopRequested() || frontEnd_.OptionsChanged()) break;
      frontEnd_.SetProgressPosition(static_cast<int>(step->file));
      frontEnd_.SetStatusText(WorkingOnText(step->file + 1, files_.Size()));
      bool endsBatch = false;
      std::vector<FileOutcome> outcomes = CarryOut(*step, groups, targets, identical, endsBatch);
      if (!step->folder.empty()) lastFolder = step->folder;
      for (FileOutcome& outcome : outcomes)
        Report(std::move(outcome));
      Settle(targets, identical, endsBatch);
      comparedBytes_ = identical.BytesRead();
      next = step->file + 1;
      if (endsBatch) break;
    }
    // The batch's copies land before the next batch looks at their folders.
    if (mover) {
      bool ignored = false;
      mover->Commit();
      Settle(targets, identical, ignored);
    }
    // What became of the batch's files, in one append.
    if (record_) record_->Flush();
    // A stop during the last file ends nothing: every file was handled.
    if (guard_.StopRequested() && next < files_.Size()) {
      Abandon(batch, next, targets);
      CloseRecord();
      frontEnd_.EndWait();
      frontEnd_.Stopped(files_.Size() - next);
      return RunOutcome::Stopped;
    }
    Abandon(batch, next, targets);
  }

  CloseRecord();
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.Finished(lastFolder, stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}

std::vector<BatchStep> DistributionRun::DecideBatch(size_t first, size_t limit,
                                                    const CompanionGroups& groups,
                                                    TargetFolders& targets,
                                                    IdenticalFiles& identical) {
  batchOptions_ = frontEnd_.Options();
  batchTarget_ = WithBackslash(LexicallyNormal(batchOptions_.target));
  const auto started = std::chrono::steady_clock::now();
  std::vector<BatchStep> batch;
  batch.reserve(limit);
  size_t moves = 0;
  for (size_t file = first; file < files_.Size() && batch.size() < limit; ++file) {
    if (const CompanionGroup* group = groups.GroupOf(file)) {
      // A group is handled whole in its own turn, after the moves before it
      // (it decides and moves its members one by one); its other members
      // have gone with it.
      if (group->first != file) {
        batch.push_back(StepOf(file));
        continue;
      }
      if (moves > 0) break;
      batch.push_back(StepOf(file, /*group=*/true));
      break;
    }
    BatchStep& step = batch.emplace_back(StepOf(file));
    if (!DecideFile(step, batchOptions_, targets, identical, /*compareNow=*/moves == 0)) {
      batch.pop_back();
      break;
    }
    if (step.move) ++moves;
    // A file that leaves a folder the run may fill frees its name there only
    // when it moves: the files after it are decided once it has.
    if (step.move && files_.Folder(file).starts_with(batchTarget_)) break;
    if (std::chrono::steady_clock::now() - started > kBatchDecideTime) break;
  }
  // The intents, with the target folder and the folders made for them, reach
  // the record before any of the moves.
  if (record_) record_->Flush();
  return batch;
}

bool DistributionRun::DecideFile(BatchStep& step, const RunOptions& options, TargetFolders& targets,
                                 IdenticalFiles& identical, bool compareNow) {
  step.source = files_.Path(step.file);
  const std::string& source = step.source;
  SourceName parts = SplitSourcePath(source);
  const std::string& target = batchTarget_;
  LookedAtFile looked = LookAtFile(source, options.modernFormats, files_.Kind(step.file));
  const std::optional<FileStatus>& found = looked.status;
  if (std::optional<FileOutcome> stays = NotMovable(source, found)) {
    step.decided.push_back(std::move(*stays));
    return true;
  }
  try {
    step.dated = DateOfLookedAtFile(source, options.modernFormats, looked);
  } catch (const std::exception& error) {
    // This file stays; the files after it are still sorted.
    step.decided.push_back(StayedOutcome(source, StayReason::DateUnreadable, error.what()));
    return true;
  }
  const DatedFile& dated = *step.dated;
  PlannedName planned =
      LoweredName(DecideTargetName(source, parts, DateStamp(dated.date), options, found->readOnly));
  step.folder = TargetFolder(target, dated.date, options.structure);
  // Without a target folder a relative path would land the file anywhere.
  if (target.empty()) {
    step.decided.push_back(
        Dated(StayedOutcome(source, StayReason::MoveError, kNoTargetFolderText), dated));
    return true;
  }
  if (record_) record_->TargetFolder(target);
  const RunState state{targets, options.skipIdentical ? &identical : nullptr, mode_,
                       record_ ? &*record_ : nullptr};
  const bool createFolder = StructureCreatesFolders(options.structure);
  Choice choice = ChooseName(source, *found, parts, step.folder, planned, createFolder, state,
                             /*attempt=*/0, compareNow);
  if (choice.deferred) return false;
  if (choice.outcome) {
    step.decided.push_back(Dated(std::move(*choice.outcome), dated));
    return true;
  }
  ReserveName(*choice.index, choice.name, source, state);
  std::string targetPath = JoinPath(step.folder, choice.name);
  const std::optional<IntentTicket> intent = RecordIntent(source, targetPath, *found, state);
  step.move = DecidedMove{*found,       std::move(parts),       std::move(planned),    createFolder,
                          choice.index, std::move(choice.name), std::move(targetPath), intent};
  return true;
}

std::vector<FileOutcome> DistributionRun::CarryOut(BatchStep& step, const CompanionGroups& groups,
                                                   TargetFolders& targets,
                                                   IdenticalFiles& identical, bool& endsBatch) {
  if (step.group) {
    endsBatch = true; // the group read the options anew
    return DistributeGroup(*groups.GroupOf(step.file), targets, identical, step.folder);
  }
  if (!step.move) return std::move(step.decided);
  if (mover_) {
    const std::optional<MoveResult> now = mover_->Stage(step.source, step.move->target);
    if (!now) {
      // A copy waits for its batch's flush; what became of it is told then.
      pending_.push_back(std::move(step));
      return {};
    }
    return Finish(step, *now, targets, identical, endsBatch);
  }
  return Finish(step, MoveResult{MoveOutcome::Moved, {}}, targets, identical, endsBatch);
}

std::vector<FileOutcome> DistributionRun::Finish(const BatchStep& step, const MoveResult& result,
                                                 TargetFolders& targets, IdenticalFiles& identical,
                                                 bool& endsBatch) {
  const std::string& source = step.source;
  const RunState state{targets, batchOptions_.skipIdentical ? &identical : nullptr, mode_,
                       record_ ? &*record_ : nullptr};
  const DecidedMove& move = *step.move;
  const MovePlace place{step.folder, move.name, move.target, move.intent};
  NoteMoveResult(result, source, move.status, move.parts.name, place, move.index, state);
  std::optional<FileOutcome> outcome = AfterMoving(source, result, place, state);
  if (!outcome || outcome->result != FileResult::Moved) {
    // The folder was looked at again or a folder made for the file removed:
    // the batch's later decisions may not hold. A retry is recorded on its own.
    endsBatch = true;
    if (!outcome)
      outcome = MoveIntoFolder(source, move.status, move.parts, step.folder, move.planned,
                               move.createFolder, state, /*firstAttempt=*/1);
  }
  // Moved in: a list built from braces would copy its element.
  std::vector<FileOutcome> outcomes;
  outcomes.push_back(Dated(std::move(*outcome), *step.dated));
  return outcomes;
}

void DistributionRun::Settle(TargetFolders& targets, IdenticalFiles& identical, bool& endsBatch) {
  // Copies land in the order they were staged, which is the order of pending_.
  for (const CommittedMove& landed : settled_) {
    BatchStep step = std::move(pending_.front());
    pending_.pop_front();
    // Its folder's index may have been looked up anew since it was decided.
    step.move->index = nullptr;
    for (FileOutcome& outcome : Finish(step, landed.result, targets, identical, endsBatch))
      Report(std::move(outcome));
  }
  settled_.clear();
}

void DistributionRun::Abandon(const std::vector<BatchStep>& batch, size_t from,
                              TargetFolders& targets) {
  // Their intents stay in the record: the undo finds those files still in
  // the source.
  for (const BatchStep& step : batch) {
    if (step.file < from || !step.move) continue;
    targets.RemoveIfMadeEmpty(step.folder);
    targets.Forget(step.folder);
  }
}

void DistributionRun::CloseRecord() {
  if (!record_) return;
  record_->Flush();
  // A run that moved nothing is no run to take back.
  if (moved_ == 0 && record_->MarkEmpty()) frontEnd_.Recorded(record_->Path());
  record_.reset();
}

void DistributionRun::Report(FileOutcome&& outcome) {
  if (outcome.result == FileResult::Moved) ++moved_;
  if (outcome.result == FileResult::Stayed || outcome.result == FileResult::AlreadyInTarget)
    stayed_.push_back(outcome);
  frontEnd_.FileDone(std::move(outcome));
}
