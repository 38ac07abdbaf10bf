#include "run/distribution_run.h"

#include "platform/ascii_case.h"
#include "platform/cross_device_batch.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_lock.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/move_routes.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "run/file_collection.h"
#include "run/file_date.h"
#include "run/file_plan.h"
#include "run/internal/backup_copies.h"
#include "run/internal/companion_groups.h"
#include "run/internal/counter_name.h"
#include "run/internal/date_read_ahead.h"
#include "run/internal/identical_files.h"
#include "run/internal/run_recovery.h"
#include "run/internal/target_folders.h"
#include "run/internal/unique_name.h"
#include "run/run_front_end.h"
#include "run/run_record.h"
#include "run/run_steps.h"
#include "run/run_texts.h"
#include "run/target_name.h"

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

// The file in the plan's folder, under the fitted name or a numbered
// variant of it (the names the counter steps over), whose bytes equal the
// source's.
// folder: the plan's, or its twin in the second target (whose names the
// index holds too).
std::optional<std::string> IdenticalInFolder(const FilePlan& plan, const std::string& fitted,
                                             const TargetFolderIndex& index,
                                             IdenticalFiles& identical, const std::string& folder) {
  const PlannedName& planned = plan.planned;
  return identical.Find(
      plan.source, *plan.status,
      ContentCandidates(folder, index.NameAndNumbered(fitted, CounterStem(NumberedName(planned)),
                                                      planned.extension)));
}

// One try's choice of the planned file's name in its folder: the name
// there, or what became of it without a move. deferred: the choice needs a
// comparison with a file that is not in the folder yet (compareNow unset).
struct Choice {
  std::optional<FileOutcome> outcome;
  TargetFolderIndex* index = nullptr;
  std::string name;
  bool deferred = false;
  // Its bytes lie in the second target already: it goes into the target alone.
  bool targetOnly = false;
  // Its bytes lie in the target only (outcome AlreadyInTarget): it is copied
  // into the second target alone, to this path (under name).
  std::string backupOnly = {};
};

Choice Decided(FileOutcome outcome) {
  Choice choice;
  choice.outcome = std::move(outcome);
  return choice;
}

Choice ChooseName(const FilePlan& plan, const RunState& state, int attempt,
                  bool compareNow = true) {
  const std::string& source = plan.source;
  const std::string fitted = FittedName(plan.planned);
  FileOutcome stays;
  TargetFolderIndex* index = PrepareFolder(source, plan.folder, plan.createFolder, state, stays);
  if (!index) return Decided(std::move(stays));
  if (AlreadyInPlace(source, plan.parts.name, plan.folder, fitted, state.targets)) {
    return Decided({source, FileResult::InPlace, source, {}, {}});
  }
  std::string name = FreeName(plan.planned, fitted, *index, RetrySkip(attempt));
  bool targetOnly = false;
  if (state.identical && name != fitted) {
    if (!compareNow) return {std::nullopt, nullptr, {}, /*deferred=*/true};
    std::optional<std::string> same =
        IdenticalInFolder(plan, fitted, *index, *state.identical, plan.folder);
    // With a second target, each target is asked on its own.
    const std::string* mirror = state.targets.MirrorOf(plan.folder);
    const std::optional<std::string> sameCopy =
        mirror ? IdenticalInFolder(plan, fitted, *index, *state.identical, *mirror) : std::nullopt;
    if (same) {
      Choice choice = Decided({source, FileResult::AlreadyInTarget, std::move(*same), {}, {}});
      if (!mirror || sameCopy) return choice;
      // Under the name it has in the target, unless the second target holds
      // that name: then under the name both would take.
      const std::string matched =
          choice.outcome->target.substr(choice.outcome->target.rfind(kPathSeparator) + 1);
      choice.name = EntryExists(JoinPath(*mirror, matched)) ? std::move(name) : matched;
      if (!choice.name.empty()) {
        choice.index = index;
        choice.backupOnly = JoinPath(*mirror, choice.name);
      }
      return choice;
    }
    if (sameCopy) {
      // Under the name it has in the second target, where the target does
      // not hold that name.
      targetOnly = true;
      std::string matched = sameCopy->substr(sameCopy->rfind(kPathSeparator) + 1);
      if (!EntryExists(JoinPath(plan.folder, matched))) name = std::move(matched);
    }
  }
  if (name.empty()) return Decided(StayedOutcome(source, StayReason::NameTaken));
  Choice choice{std::nullopt, index, std::move(name)};
  choice.targetOnly = targetOnly;
  return choice;
}

// A file whose bytes lie in the target only goes into the second target
// alone (its intent recorded): kept as found in the target, with its copy.
FileOutcome CopyBackupOnly(const FilePlan& plan, FileOutcome kept, const RunState& state) {
  const std::string& copy = plan.backupOnly;
  MoveResult result{MoveOutcome::Copied, {}};
  if (ChangesFiles(state.mode)) result = CopyIntoBackup(plan.Moving(), copy, state);
  if (result.outcome != MoveOutcome::Copied) {
    // Its name is free again.
    TargetFolderIndex* index = state.targets.Prepare(plan.folder, /*create=*/false);
    if (index && !EntryExists(copy)) index->Remove(copy.substr(copy.rfind(kPathSeparator) + 1));
    if (SourceGone(result, plan.source)) return StayedOutcome(plan.source, StayReason::Vanished);
    return BackupFailedOutcome(plan.source, {result.outcome, result.error});
  }
  kept.backup = copy;
  return kept;
}

// Moves the planned file into its folder, from try firstAttempt on, each
// try recorded on its own.
FileOutcome MoveIntoFolder(const FilePlan& plan, const RunState& state, int firstAttempt) {
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = firstAttempt; attempt < kMoveAttempts; ++attempt) {
    Choice choice = ChooseName(plan, state, attempt);
    if (!choice.backupOnly.empty()) {
      FilePlan copying = plan;
      copying.backupOnly = choice.backupOnly;
      ReserveName(*choice.index, choice.name, plan.source, state);
      if (state.record && ChangesFiles(state.mode)) {
        state.record->BackupIntent(plan.source, copying.backupOnly, RecordedFileOf(*plan.status));
        state.record->Flush();
      }
      return CopyBackupOnly(copying, std::move(*choice.outcome), state);
    }
    if (choice.outcome) return std::move(*choice.outcome);
    const bool backup = !choice.targetOnly;
    last = MoveRecorded(plan.Moving(), plan.folder, choice.name, *choice.index, state, backup);
    const std::string target = JoinPath(plan.folder, choice.name);
    MoveFollowUp next = FollowMove(last, plan.source,
                                   {plan.folder, choice.name, target, std::nullopt, backup}, state);
    if (next.next != AfterMove::NextCounter) return std::move(next.outcome);
  }
  return FailedMoveOutcome(plan.source, last.outcome, last.error);
}

BatchStep StepOf(size_t file) {
  BatchStep step;
  step.file = file;
  return step;
}

} // namespace

RunOutcome DistributionRun::DistributeFiles() {
  return guard_.Run(frontEnd_, [this] { return Distribute(); });
}

RunOutcome DistributionRun::Distribute() {
  frontEnd_.BeginWait();
  RefreshTimeZone();
  ForgetMoveRoutes();
  comparedBytes_ = 0;
  RunOptions start = frontEnd_.Options();
  // Whether sources stay holds for the whole run, as its record says.
  keepsSources_ = start.copy || mode_ == RunMode::Copy;
  runMode_ = mode_ == RunMode::Real && start.copy ? RunMode::Copy : mode_;
  frontEnd_.RunsAs(runMode_);
  // The second target holds for the whole run, as its record names it.
  backupRoot_ = start.backup.empty() ? std::string() : WithBackslash(LexicallyNormal(start.backup));
  // The run works on the paths its record names (run_record.h).
  start.source = WithBackslash(LexicallyNormal(start.source));
  // What killed runs left half done is completed before anything is
  // collected (run_recovery.h): a group completed so is no pair of strangers
  // here, and a copy completed so is not filed twice. What stays: members
  // left apart by killed runs, then unreadable folders and links into the tree.
  std::vector<FileOutcome> leftOut;
  if (mode_ == RunMode::Real && recordFolder_) leftOut = ClearAfterKilledRuns(*recordFolder_);
  // Those are reported; this run leaves them where they are too.
  leftApart_.clear();
  for (const FileOutcome& outcome : leftOut)
    leftApart_.insert(outcome.source);
  // Held until the run returns; a dry run changes nothing and needs none.
  FolderLock sourceLock(recordFolder_ ? LockFileFolder(*recordFolder_) : std::string());
  // A copy run only reads its source: copy runs share it, a moving run does not.
  const LockMode lockMode = runMode_ == RunMode::Copy ? LockMode::Shared : LockMode::Exclusive;
  if (ChangesFiles(runMode_) && sourceLock.Take(start.source, lockMode) == FolderLocking::Busy) {
    frontEnd_.EndWait();
    frontEnd_.SourceBusy();
    return RunOutcome::SourceBusy;
  }
  FillFileList(start.source, files_, {start.kinds, start.modernFormats, ListFill::Replace},
               &frontEnd_, &leftOut);
  // Members that were not collected themselves join the list here, so the
  // counts and the progress take them in.
  const CompanionGroups groups = start.companions ? CompanionGroups(files_) : CompanionGroups();
  frontEnd_.ShowCollectedFiles(files_);
  stayed_.clear();
  for (FileOutcome& outcome : leftOut)
    Report(std::move(outcome));
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
  if (ChangesFiles(runMode_) && recordFolder_) {
    try {
      record_.emplace(*recordFolder_, RecordKind::Distribution, start);
    } catch (const RunRecordError& error) {
      // Without a record the run could not be taken back: it does not start.
      frontEnd_.EndWait();
      frontEnd_.RecordUnavailable(error.what());
      return RunOutcome::NotRecorded;
    }
    frontEnd_.Recorded(record_->Path());
  }
  moved_ = 0;

  const int maximum = static_cast<int>(files_.Size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  TargetFolders targets(runMode_);
  if (record_)
    targets.OnFolderCreated([this](const std::string& folder) { record_->FolderCreated(folder); });
  IdenticalFiles identical; // its hashes hold for this run only
  targets_ = &targets;
  identical_ = &identical;
  // The files the run's start does not handle are read ahead.
  DateReadAhead readAhead(
      files_, groups,
      [this](size_t file) { return leftApart_.empty() || !leftApart_.count(files_.Path(file)); },
      start.modernFormats, readers_.value_or(kDateReaders));
  readAhead_ = &readAhead;
  std::string lastFolder;
  // Copies across file systems wait for one flush of many (cross_device_batch.h).
  std::optional<CrossDeviceBatch> mover;
  // A copy run copies every file, also within one file system, and its
  // commits place the copies and remove no source.
  if (ChangesFiles(runMode_))
    mover.emplace([this](const CommittedMove& move) { settled_.push_back(move); },
                  runMode_ == RunMode::Copy ? CrossDeviceBatch::Sources::Kept
                                            : CrossDeviceBatch::Sources::Removed);
  mover_ = mover ? &*mover : nullptr;
  // Renames within a file system may be made several at a time; copies are
  // made one by one (cross_device_batch.h).
  std::optional<MovesInFlight> inFlight;
  if (mover && mover->RenamesFirst() && inFlightUse_ != MovesInFlightUse::Never) inFlight.emplace();
  inFlight_ = inFlight ? &*inFlight : nullptr;
  pace_ = RenamePace();
  crossesDevices_ = false;
  pending_.clear();
  settled_.clear();
  for (size_t next = 0, batches = 0; next < files_.Size(); ++batches) {
    // The first batches are small: the first files move at once, and a record
    // that cannot be written stops the run after a few.
    const size_t limit = batches < 16 ? std::min(batchFiles_, size_t{1} << batches) : batchFiles_;
    std::vector<BatchStep> batch = DecideBatch(next, limit, groups);
    size_t ahead = 0;
    issuing_ = true;
    bool ended = false;
    for (auto step = batch.begin(); step != batch.end(); ++step) {
      // A stop, a change of the options or the end of the batch's decisions
      // starts no new move; the moves in flight finish, in the list's order.
      const auto nothingInFlight = [this] { return !inFlight_ || inFlight_->Outstanding() == 0; };
      if (ended && nothingInFlight()) break;
      frontEnd_.ProcessEvents();
      // A change of the options holds from the next file on: the batch's
      // later decisions are made again.
      if (ended || guard_.StopRequested() || frontEnd_.OptionsChanged()) {
        issuing_ = false;
        if (nothingInFlight()) break;
      }
      ahead = std::max(ahead, static_cast<size_t>(step - batch.begin()));
      IssueAhead(batch, ahead);
      frontEnd_.SetProgressPosition(static_cast<int>(step->file));
      frontEnd_.SetStatusText(WorkingOnText(step->file + 1, files_.Size()));
      bool endsBatch = false;
      if (step->group && !pending_.empty()) {
        // The copies before a group land and are told first: the report
        // keeps the list's order.
        mover->Commit();
        Settle(endsBatch);
        if (endsBatch) {
          ended = true;
          continue;
        }
      }
      std::vector<FileOutcome> outcomes = CarryOut(*step, endsBatch);
      if (!step->plan.folder.empty()) lastFolder = step->plan.folder;
      for (FileOutcome& outcome : outcomes)
        Report(std::move(outcome));
      Settle(endsBatch);
      comparedBytes_ = identical.BytesRead();
      next = step->file + 1;
      ended = ended || endsBatch;
    }
    if (guard_.StopRequested()) readAhead.Stop();
    // The batch's copies land before the next batch looks at their folders.
    if (mover) {
      bool ignored = false;
      mover->Commit();
      Settle(ignored);
    }
    // What became of the batch's files, in one append.
    if (record_) record_->Flush();
    // A stop during the last file ends nothing: every file was handled.
    if (guard_.StopRequested() && next < files_.Size()) {
      Abandon(batch, next);
      CloseRecord();
      frontEnd_.EndWait();
      frontEnd_.Stopped(files_.Size() - next);
      return RunOutcome::Stopped;
    }
    Abandon(batch, next);
  }

  readAhead.Stop();
  CloseRecord();
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.Finished(lastFolder, stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}

RunState DistributionRun::StateFor(const RunOptions& options) {
  return {*targets_,     options.skipIdentical ? identical_ : nullptr,
          runMode_,      record_ ? &*record_ : nullptr,
          keepsSources_, forecast_ ? &*forecast_ : nullptr};
}

std::vector<BatchStep> DistributionRun::DecideBatch(size_t first, size_t limit,
                                                    const CompanionGroups& groups) {
  batchOptions_ = frontEnd_.Options();
  batchTarget_ = WithBackslash(LexicallyNormal(batchOptions_.target));
  targets_->MirrorInto(batchTarget_, backupRoot_);
  // What the batch's groups saw of their folders holds for its moments.
  forecast_.emplace();
  const auto started = std::chrono::steady_clock::now();
  std::vector<BatchStep> batch;
  batch.reserve(limit);
  size_t moves = 0;
  for (size_t file = first; file < files_.Size() && batch.size() < limit; ++file) {
    if (!leftApart_.empty() && leftApart_.count(files_.Path(file))) {
      batch.push_back(StepOf(file));
      continue;
    }
    const CompanionGroup* group = groups.GroupOf(file);
    // A group is decided whole at its first member; its other members go
    // with it.
    if (group && group->first != file) {
      batch.push_back(StepOf(file));
      continue;
    }
    BatchStep& step = batch.emplace_back(StepOf(file));
    const bool compareNow = moves == 0;
    if (group ? !DecideGroup(step, *group, compareNow) : !DecideFile(step, compareNow)) {
      batch.pop_back();
      break;
    }
    if (step.plan.move) ++moves;
    // A file that leaves a folder the run may fill frees its name there only
    // when it moves: the files after it are decided once it has.
    if (step.plan.move && files_.Folder(file).starts_with(batchTarget_)) break;
    if (std::chrono::steady_clock::now() - started > kBatchDecideTime) break;
  }
  // The intents, with the target folder and the folders made for them, reach
  // the record before any of the moves.
  if (record_) record_->Flush();
  return batch;
}

bool DistributionRun::DecideFile(BatchStep& step, bool compareNow) {
  const RunOptions& options = batchOptions_;
  FilePlan& plan = step.plan;
  plan.source = files_.Path(step.file);
  plan.parts = SplitSourcePath(plan.source);
  const ReadListedFile read = readAhead_->Take(step.file, options.modernFormats);
  plan.status = read.status;
  const RunState state = StateFor(options);
  PlanFile(plan, {options, batchTarget_, &read}, state);
  if (!plan.kept) {
    Choice choice = ChooseName(plan, state, /*attempt=*/0, compareNow);
    if (choice.deferred) return false;
    if (!choice.outcome) {
      ReserveName(*choice.index, choice.name, plan.source, state);
      std::string targetPath = JoinPath(plan.folder, choice.name);
      const bool backup = !choice.targetOnly;
      const std::optional<IntentTicket> intent =
          RecordIntent(plan.source, targetPath, *plan.status, state, backup);
      std::string copy = backup ? BackupPathOf(plan.folder, choice.name, state).value_or("") : "";
      plan.move = PlannedMove{choice.index, std::move(choice.name), std::move(targetPath), intent,
                              std::move(copy)};
      return true;
    }
    if (!choice.backupOnly.empty()) {
      ReserveName(*choice.index, choice.name, plan.source, state);
      plan.backupOnly = std::move(choice.backupOnly);
      if (state.record && ChangesFiles(state.mode))
        state.record->BackupIntent(plan.source, plan.backupOnly, RecordedFileOf(*plan.status));
    }
    plan.kept = std::move(choice.outcome);
  }
  // Once its date is known, the outcome shows it (the preview does).
  if (plan.dated) plan.kept->dated = plan.dated;
  return true;
}

std::vector<FileOutcome> DistributionRun::CarryOut(BatchStep& step, bool& endsBatch) {
  if (step.group) return CarryOutGroup(step, endsBatch);
  FilePlan& plan = step.plan;
  if (!plan.move) {
    // Moved in: a list built from braces would copy its element.
    std::vector<FileOutcome> kept;
    if (plan.kept && !plan.backupOnly.empty()) {
      endsBatch = true;
      kept.push_back(CopyBackupOnly(plan, std::move(*plan.kept), StateFor(batchOptions_)));
    } else if (plan.kept) {
      kept.push_back(std::move(*plan.kept));
    }
    return kept;
  }
  const PlannedMove& move = *plan.move;
  if (!move.backup.empty() && mover_ && runMode_ == RunMode::Copy) {
    // A copy run stages both copies: they land with the batch's flush.
    Staged staged{std::move(step)};
    const FilePlan& moving = staged.step.plan;
    const std::optional<MoveResult> backup = mover_->Stage(moving.source, moving.move->backup);
    staged.backupStaged = !backup;
    staged.backup = backup;
    if (backup && BackupNameLost(*backup, moving.source)) {
      staged.main = MoveResult{MoveOutcome::TargetTaken, {}};
    } else {
      staged.main = mover_->Stage(moving.source, moving.move->target);
      staged.mainStaged = !staged.main;
    }
    if (staged.backupStaged || staged.mainStaged) {
      pending_.push_back(std::move(staged));
      return {};
    }
    return FinishPair(staged, endsBatch);
  }
  if (!move.backup.empty() && mover_) {
    // A move goes only once its second copy landed: one file at a time.
    const MovePlace place{plan.folder, move.name, move.target, move.intent};
    return Finish(step, PlaceAfterIntent(plan.Moving(), place, StateFor(batchOptions_)), endsBatch);
  }
  if (mover_) {
    const std::optional<MoveResult> now = MoveOf(step);
    if (!now) {
      // A copy waits for its batch's flush; what became of it is told then.
      pending_.push_back(Staged{std::move(step), std::nullopt, std::nullopt, false, true});
      return {};
    }
    return Finish(step, *now, endsBatch);
  }
  return Finish(step, MoveResult{MoveOutcome::Moved, {}}, endsBatch);
}

std::vector<FileOutcome> DistributionRun::FinishPair(Staged& staged, bool& endsBatch) {
  const RunState state = StateFor(batchOptions_);
  const FilePlan& plan = staged.step.plan;
  const std::string& copy = plan.move->backup;
  const MoveResult& backup = *staged.backup;
  NoteBackupResult(backup, plan.Moving(), copy, state);
  MoveResult result = *staged.main;
  const bool placed = result.outcome == MoveOutcome::Copied;
  if (BackupNameLost(backup, plan.source)) {
    // Both try the next counter.
    if (placed) TakeBackCopy(plan.source, plan.move->target);
    result = MoveResult{MoveOutcome::TargetTaken, {}};
  } else if (backup.outcome != MoveOutcome::Copied) {
    // A source gone before either copy is told as gone.
    if (placed || !SourceGone(backup, plan.source))
      result.second = SecondCopyFailure{backup.outcome, backup.error};
  } else if (!placed) {
    TakeBackCopy(plan.source, copy);
  }
  return Finish(staged.step, result, endsBatch);
}

void DistributionRun::IssueAhead(std::vector<BatchStep>& batch, size_t& ahead) {
  const bool wanted = inFlightUse_ == MovesInFlightUse::Always || pace_.Slow();
  if (!inFlight_ || !issuing_ || !wanted || crossesDevices_) return;
  for (; ahead < batch.size() && inFlight_->Outstanding() < inFlight_->Bound(); ++ahead) {
    BatchStep& step = batch[ahead];
    // A group moves its members one by one in its turn, and nothing after
    // it moves before (its retry looks at its folder again).
    if (step.group) break;
    // A move with a second copy waits for it (PlaceAfterIntent).
    if (!step.plan.move || !step.plan.move->backup.empty()) continue;
    step.inFlight = true;
    inFlight_->Issue(step.plan.source, step.plan.move->target, EntryDevice(*step.plan.status));
  }
}

std::optional<MoveResult> DistributionRun::MoveOf(BatchStep& step) {
  const FilePlan& plan = step.plan;
  if (!step.inFlight) {
    const auto started = std::chrono::steady_clock::now();
    std::optional<MoveResult> now =
        mover_->Stage(plan.source, plan.move->target, EntryDevice(*plan.status));
    if (now && now->outcome == MoveOutcome::Moved && !now->copied)
      pace_.Note(std::chrono::steady_clock::now() - started);
    return now;
  }
  const MoveResult renamed = inFlight_->Take();
  if (renamed.outcome != MoveOutcome::Moved) {
    // What follows looks at the folder again (a retry, a folder made for the
    // file removed): the moves issued after it land first, and no new one
    // starts. A target on another file system is copied, one by one from
    // now on.
    inFlight_->Drain();
    issuing_ = false;
    if (renamed.error.value() == EXDEV) crossesDevices_ = true;
  }
  // Its folder's index may have been looked up anew since it was decided.
  step.plan.move->index = nullptr;
  return mover_->StageRenamed(plan.source, plan.move->target, renamed);
}

std::vector<FileOutcome> DistributionRun::Finish(const BatchStep& step, const MoveResult& result,
                                                 bool& endsBatch) {
  const RunState state = StateFor(batchOptions_);
  const FilePlan& plan = step.plan;
  const PlannedMove& move = *plan.move;
  const MovePlace place{plan.folder, move.name, move.target, move.intent, !move.backup.empty()};
  NoteMoveResult(result, plan.Moving(), place, move.index, state);
  MoveFollowUp next = FollowMove(result, plan.source, place, state);
  if (next.next != AfterMove::Done) {
    // The folder was looked at again or a folder made for the file removed:
    // the batch's later decisions may not hold. A retry is recorded on its own.
    endsBatch = true;
    if (next.next == AfterMove::NextCounter)
      next.outcome = MoveIntoFolder(plan, state, /*firstAttempt=*/1);
  }
  next.outcome.dated = plan.dated;
  // Moved in: a list built from braces would copy its element.
  std::vector<FileOutcome> outcomes;
  outcomes.push_back(std::move(next.outcome));
  return outcomes;
}

void DistributionRun::Settle(bool& endsBatch) {
  // Copies land in the order they were staged, which is the order of pending_.
  for (const CommittedMove& landed : settled_) {
    Staged& front = pending_.front();
    // A pair's second copy was staged first.
    if (front.backupStaged && !front.backup) {
      front.backup = landed.result;
    } else {
      front.main = landed.result;
    }
    if ((front.backupStaged && !front.backup) || (front.mainStaged && !front.main)) continue;
    Staged staged = std::move(front);
    pending_.pop_front();
    // Its folder's index may have been looked up anew since it was decided.
    staged.step.plan.move->index = nullptr;
    for (FileOutcome& outcome : staged.backup ? FinishPair(staged, endsBatch)
                                              : Finish(staged.step, *staged.main, endsBatch))
      Report(std::move(outcome));
  }
  settled_.clear();
}

void DistributionRun::Abandon(const std::vector<BatchStep>& batch, size_t from) {
  // Their intents stay in the record: the undo finds those files still in
  // the source.
  for (const BatchStep& step : batch) {
    if (step.file < from || !step.plan.move) continue;
    targets_->RemoveIfMadeEmpty(step.plan.folder);
    targets_->Forget(step.plan.folder);
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
  // A file that stayed with a copy of this run in one of the targets makes
  // the run one to take back too.
  if (outcome.result == FileResult::Moved || !outcome.backup.empty() ||
      (outcome.reason == StayReason::BackupFailed && !outcome.target.empty()))
    ++moved_;
  if (outcome.result == FileResult::Stayed || outcome.result == FileResult::AlreadyInTarget)
    stayed_.push_back(outcome);
  frontEnd_.FileDone(std::move(outcome));
}
