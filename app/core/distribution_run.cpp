#include "app/core/distribution_run.h"

#include "app/core/companion_groups.h"
#include "app/core/counter_name.h"
#include "app/core/file_collection.h"
#include "app/core/file_date.h"
#include "app/core/identical_files.h"
#include "app/core/run_front_end.h"
#include "app/core/run_record.h"
#include "app/core/run_recovery.h"
#include "app/core/run_steps.h"
#include "app/core/run_texts.h"
#include "app/core/target_folders.h"
#include "app/core/target_name.h"
#include "app/core/unique_name.h"
#include "platform/ascii_case.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_lock.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"

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

FileOutcome MoveIntoFolder(const std::string& source, const FileStatus& status,
                           const SourceName& parts, const std::string& folder,
                           const PlannedName& planned, bool createFolder, const RunState& state) {
  const std::string fitted = FittedName(planned);
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    FileOutcome stays;
    TargetFolderIndex* index = PrepareFolder(source, folder, createFolder, state, stays);
    if (!index) return stays;
    if (AlreadyInPlace(source, parts.name, folder, fitted, state.targets)) {
      return {source, FileResult::InPlace, source, {}, {}};
    }
    const std::string name = FreeName(planned, fitted, *index, RetrySkip(attempt));
    if (state.identical && name != fitted) {
      if (std::optional<std::string> same = IdenticalInFolder(source, status, folder, planned,
                                                              fitted, *index, *state.identical)) {
        return {source, FileResult::AlreadyInTarget, std::move(*same), {}, {}};
      }
    }
    if (name.empty()) return StayedOutcome(source, StayReason::NameTaken);
    last = MoveRecorded(source, status, parts.name, folder, name, *index, state);
    switch (last.outcome) {
    case MoveOutcome::Moved:
      return {source, FileResult::Moved, JoinPath(folder, name), {}, {}};
    case MoveOutcome::SourceChanged:
      return FailedMoveOutcome(source, last.outcome, last.error);
    case MoveOutcome::NotFound:
      // The source itself gone is no race to retry: another program took it.
      if (!EntryExists(source))
        return Stays(StayedOutcome(source, StayReason::Vanished), folder, state);
      [[fallthrough]];
    case MoveOutcome::TargetTaken:
      state.targets.Forget(folder);
      break;
    default:
      return Stays(FailedMoveOutcome(source, last.outcome, last.error), folder, state);
    }
  }
  return FailedMoveOutcome(source, last.outcome, last.error);
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
  for (size_t i = 0; i < files_.Size(); ++i) {
    frontEnd_.ProcessEvents();
    if (guard_.StopRequested()) {
      CloseRecord();
      frontEnd_.EndWait();
      frontEnd_.Stopped(files_.Size() - i);
      return RunOutcome::Stopped;
    }
    frontEnd_.SetProgressPosition(static_cast<int>(i));
    frontEnd_.SetStatusText(WorkingOnText(i + 1, files_.Size()));
    std::vector<FileOutcome> outcomes;
    if (const CompanionGroup* group = groups.GroupOf(i)) {
      // A group is handled where its first member comes; its others have gone with it.
      if (group->first == i) outcomes = DistributeGroup(*group, targets, identical, lastFolder);
    } else {
      outcomes.push_back(DistributeFile(files_.Path(i), targets, identical, lastFolder));
    }
    comparedBytes_ = identical.BytesRead();
    for (const FileOutcome& outcome : outcomes)
      Report(outcome);
  }

  CloseRecord();
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.Finished(lastFolder, stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}

void DistributionRun::CloseRecord() {
  if (!record_) return;
  record_->Flush();
  // A run that moved nothing is no run to take back.
  if (moved_ == 0 && record_->MarkEmpty()) frontEnd_.Recorded(record_->Path());
  record_.reset();
}

void DistributionRun::Report(const FileOutcome& outcome) {
  if (outcome.result == FileResult::Moved) ++moved_;
  if (outcome.result == FileResult::Stayed || outcome.result == FileResult::AlreadyInTarget)
    stayed_.push_back(outcome);
  frontEnd_.FileDone(outcome);
}

FileOutcome DistributionRun::DistributeFile(const std::string& source, TargetFolders& targets,
                                            IdenticalFiles& identical, std::string& folder) {
  const RunOptions options = frontEnd_.Options();
  const SourceName parts = SplitSourcePath(source);
  const std::string target = WithBackslash(LexicallyNormal(options.target));
  const std::optional<FileStatus> found = StatusOf(source);
  if (std::optional<FileOutcome> stays = NotMovable(source, found)) return *stays;
  DatedFile dated;
  try {
    dated = DateOfFile(source, options.modernFormats, found->modifiedSeconds);
  } catch (const std::exception& error) {
    // This file stays; the files after it are still sorted.
    return StayedOutcome(source, StayReason::DateUnreadable, error.what());
  }
  const PlannedName planned =
      LoweredName(DecideTargetName(source, parts, DateStamp(dated.date), options, found->readOnly));
  folder = TargetFolder(target, dated.date, options.structure);
  // Without a target folder a relative path would land the file anywhere.
  if (target.empty())
    return Dated(StayedOutcome(source, StayReason::MoveError, kNoTargetFolderText), dated);
  if (record_) record_->TargetFolder(target);
  const RunState state{targets, options.skipIdentical ? &identical : nullptr, mode_,
                       record_ ? &*record_ : nullptr};
  return Dated(MoveIntoFolder(source, *found, parts, folder, planned,
                              StructureCreatesFolders(options.structure), state),
               dated);
}
