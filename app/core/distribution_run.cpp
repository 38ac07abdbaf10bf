#include "app/core/distribution_run.h"

#include "app/core/counter_name.h"
#include "app/core/file_collection.h"
#include "app/core/file_date.h"
#include "app/core/identical_files.h"
#include "app/core/run_front_end.h"
#include "app/core/run_record.h"
#include "app/core/run_recovery.h"
#include "app/core/run_texts.h"
#include "app/core/target_folders.h"
#include "app/core/target_name.h"
#include "app/core/unique_name.h"
#include "platform/ascii_case.h"
#include "platform/date_conversion_error.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/folder_lock.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"

#include <random>

namespace {

// A taken name that the listing did not know (another program or another
// run is filling the same folder) gets a fresh listing and another try, as
// long as the race goes on, up to this many tries per file.
constexpr int kMoveAttempts = 100;

// Whether the lowered name is planned or a numbered variant of it.
bool IsPlannedOrNumbered(const std::string& name, const std::string& planned) {
  if (name == planned) return true;
  const std::string_view extension = ExtensionOf(planned);
  if (!name.ends_with(extension)) return false;
  const std::string_view stem = std::string_view(name).substr(0, name.size() - extension.size());
  const auto counter = TrailingCounter(stem);
  return counter && stem.substr(0, stem.size() - counter->length) ==
                        std::string_view(planned).substr(0, planned.size() - extension.size());
}

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

// How many numbers a retry passes over. A name taken once by another program
// gets the next number; but two runs filling one folder would both take the
// next number each time, and the slower one would lose the race again and
// again: from the second lost race on, a random step per process breaks the
// tie.
uint64_t RetrySkip(int attempt) {
  static std::minstd_rand steps(static_cast<std::minstd_rand::result_type>(CurrentProcessId()));
  return attempt < 2 ? 0 : steps() % static_cast<uint64_t>(attempt);
}

// The file lies in its target folder under its planned name or a numbered
// variant of it: moving it would only rename it, on every run again.
bool AlreadyInPlace(const std::string& source, const SourceName& parts, const std::string& folder,
                    const std::string& fitted, TargetFolders& targets) {
  // Names first: they cost nothing, and mostly differ.
  if (!IsPlannedOrNumbered(LowerName(parts.name), fitted)) return false;
  const std::optional<FileIdentity> sourceFolder = IdentityOf(FolderOf(source));
  return sourceFolder && sourceFolder == targets.IdentityOfFolder(folder);
}

// The file in folder, under the fitted name or a numbered variant of it (the
// names the counter steps over), whose bytes equal the source's.
std::optional<std::string> IdenticalInFolder(const std::string& source, const FileStatus& status,
                                             const std::string& folder, const PlannedName& planned,
                                             const std::string& fitted,
                                             const TargetFolderIndex& index,
                                             IdenticalFiles& identical) {
  std::vector<ContentCandidate> candidates;
  for (TargetFolderIndex::Entry& entry :
       index.NameAndNumbered(fitted, CounterStem(NumberedName(planned)), planned.extension)) {
    std::string path = JoinPath(folder, entry.name);
    std::string content = entry.content.empty() ? path : std::move(entry.content);
    candidates.push_back({std::move(path), std::move(content)});
  }
  return identical.Find(source, status, candidates);
}

// What the files of one run share.
struct RunState {
  TargetFolders& targets;
  IdenticalFiles* identical; // when files equal to one in the target stay
  MoveMode mode;
  RunRecordWriter* record; // every real run's
};

// What the file looks like where it landed. A rename keeps size and time; a
// copy may land with a coarser time (FAT keeps two seconds), so it is looked
// at (as it was, when that cannot be seen: the record then holds what it
// knew).
RecordedFile Landed(const std::string& target, const FileStatus& before, bool copied) {
  const std::optional<FileStatus> landed = copied ? StatusOf(target) : std::nullopt;
  return RecordedFileOf(landed.value_or(before));
}

// A file that stayed leaves no empty folder made for it behind.
FileOutcome Stays(FileOutcome outcome, const std::string& folder, const RunState& state) {
  state.targets.RemoveIfMadeEmpty(folder);
  return outcome;
}

FileOutcome MoveIntoFolder(const std::string& source, const FileStatus& status,
                           const SourceName& parts, const std::string& folder,
                           const PlannedName& planned, bool createFolder, const RunState& state) {
  const std::string fitted = FittedName(planned);
  MoveResult last{MoveOutcome::TargetTaken, {}};
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    std::error_code creation;
    TargetFolderIndex* index = state.targets.Prepare(folder, createFolder, &creation);
    if (!index) {
      if (!creation) creation = std::make_error_code(std::errc::no_such_file_or_directory);
      return Stays(FailedMoveOutcome(source, OutcomeOfError(creation), creation), folder, state);
    }
    if (AlreadyInPlace(source, parts, folder, fitted, state.targets)) {
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
    const std::string target = JoinPath(folder, name);
    if (state.mode == MoveMode::Plan) {
      last = {MoveOutcome::Moved, {}};
    } else {
      // The intent comes first: a run killed during the move can be taken
      // back by looking where the file is.
      if (state.record) state.record->Intent(source, target, RecordedFileOf(status));
      last = MoveFileNoReplace(source, target);
    }
    switch (last.outcome) {
    case MoveOutcome::Moved:
      // A dry run's later comparisons find the bytes still at the source.
      index->Add(name, state.mode == MoveMode::Plan ? source : std::string());
      state.targets.NoteRemoved(FolderOf(source), parts.name);
      if (state.identical && state.mode == MoveMode::Move)
        state.identical->NoteMoved(status, target);
      if (state.record)
        state.record->Done(source, target, Landed(target, status, last.copied),
                           EntryStatusOf(target));
      return {source, FileResult::Moved, target, {}, {}};
    case MoveOutcome::SourceChanged:
      index->Add(name); // the complete copy holds that name now
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
  frontEnd_.ShowCollectedFiles(files_);
  stayed_.clear();
  for (const std::string& folder : unreadable)
    Report(StayedOutcome(folder, StayReason::FolderUnreadable));
  if (guard_.StopRequested()) {
    frontEnd_.EndWait();
    return RunOutcome::Stopped;
  }
  if (files_.empty()) {
    frontEnd_.EndWait();
    frontEnd_.NothingFound();
    return RunOutcome::NothingFound;
  }
  if (!frontEnd_.ConfirmStart(files_.size())) {
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
  }

  const int maximum = static_cast<int>(files_.size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  TargetFolders targets(mode_);
  if (record_)
    targets.OnFolderCreated([this](const std::string& folder) { record_->FolderCreated(folder); });
  IdenticalFiles identical; // its hashes hold for this run only
  std::string lastFolder;
  for (size_t i = 0; i < files_.size(); ++i) {
    frontEnd_.ProcessEvents();
    if (guard_.StopRequested()) {
      record_.reset(); // what waits is written
      frontEnd_.EndWait();
      return RunOutcome::Stopped;
    }
    frontEnd_.SetProgressPosition(static_cast<int>(i));
    frontEnd_.SetStatusText(WorkingOnText(i + 1, files_.size()));
    const FileOutcome outcome = DistributeFile(files_[i], targets, identical, lastFolder);
    comparedBytes_ = identical.BytesRead();
    Report(outcome);
  }

  if (record_) record_->Flush();
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.Finished(lastFolder, stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}

void DistributionRun::Report(const FileOutcome& outcome) {
  if (outcome.result == FileResult::Stayed || outcome.result == FileResult::AlreadyInTarget)
    stayed_.push_back(outcome);
  frontEnd_.FileDone(outcome);
}

FileOutcome DistributionRun::DistributeFile(const std::string& source, TargetFolders& targets,
                                            IdenticalFiles& identical, std::string& folder) {
  const RunOptions options = frontEnd_.Options();
  const SourceName parts = SplitSourcePath(source);
  const std::string target = WithBackslash(LexicallyNormal(options.target));
  // A file that has gone (a link whose target moved away) has no date; a
  // FIFO put in its place must not be read, it would block.
  const std::optional<FileStatus> found = StatusOf(source);
  if (!found && !EntryExists(source)) return StayedOutcome(source, StayReason::Vanished);
  if (!found)
    return StayedOutcome(source, StayReason::DateUnreadable, DateConversionError().what());
  if (!found->regular) return StayedOutcome(source, StayReason::NotRegularFile);
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
