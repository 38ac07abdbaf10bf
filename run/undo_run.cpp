#include "run/undo_run.h"

#include "platform/append_file.h"
#include "platform/file_compare.h"
#include "platform/file_info.h"
#include "platform/folder_lock.h"
#include "platform/move_file.h"
#include "platform/move_routes.h"
#include "platform/path_text.h"
#include "run/internal/record_bounds.h"
#include "run/internal/run_recovery.h"
#include "run/run_front_end.h"
#include "run/run_record.h"
#include "run/run_texts.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <set>

namespace {

FileOutcome InPlace(const RecordedMove& move) {
  return {move.source, FileResult::InPlace, move.source, {}, {}};
}

enum class AtTarget { AsLanded, Gone, Changed, Replaced };

// Whether the file at the move's target is the one the run left there: of
// the recorded type, and, while its file system has the device number it
// had (a card plugged in again gets new numbers) and keeps inode numbers,
// the same inode; then with the recorded size and time. Version 1 records
// tell size and time only.
AtTarget LookAtTarget(const RecordedMove& move, const RecordedFile& landed,
                      std::optional<FileStatus>& entry) {
  entry = EntryStatusOf(move.target);
  if (!entry) return AtTarget::Gone;
  if (move.landed) {
    const bool sameType = move.landed->link ? entry->link : entry->regular;
    const bool otherInode = entry->identity.device == move.landed->identity.device &&
                            entry->identity.inode != move.landed->identity.inode &&
                            InodesStable(move.target);
    if (!sameType || otherInode) return AtTarget::Replaced;
  }
  const std::optional<FileStatus> file = entry->link ? StatusOf(move.target) : entry;
  return file && RecordedFileOf(*file) == landed ? AtTarget::AsLanded : AtTarget::Changed;
}

// The file is at its old place and at the target: after a run killed after
// its copy got its name and before the source went, or an undo killed after
// the copy back, the one at the target may go. Any other file at the old
// place keeps it.
FileOutcome AtBothPlaces(const RecordedMove& move, RunMode mode) {
  if (HoldsRecorded(move.source, move.before) && SeparateCopies(move.source, move.target)) {
    if (mode == RunMode::Real) RemoveFile(move.target);
    return InPlace(move);
  }
  return StayedOutcome(move.target, StayReason::OldPlaceTaken);
}

// Makes folder with its missing parents, each level recorded; readyFolder
// names it once it is there.
std::error_code MakeOldFolder(const std::string& folder, RunRecordWriter& record,
                              std::string& readyFolder) {
  std::vector<std::string> created;
  const std::error_code error = CreateFolderTree(folder, FolderAccess::AsUmaskAllows, &created);
  for (const std::string& level : created)
    record.FolderCreated(level);
  readyFolder = error ? std::string() : folder;
  return error;
}

// Takes back a copy of a copy run: the copy goes when it is still the one
// the run placed and its source still holds the same file; the source is
// never touched. A copy whose source has gone since is the only one left,
// and stays.
// willHold: a dry run's file that the undo would put back first (a move
// run's, whose copy in the second target goes after it).
FileOutcome RemoveCopy(const RecordedMove& move, RunMode mode, bool willHold = false) {
  // Killed while the copy's name was reserved: the copy never got there.
  if (!move.after && IsReservation(move)) {
    if (mode != RunMode::DryRun) RemoveFile(move.target);
    return InPlace(move);
  }
  const RecordedFile& landed = move.after ? *move.after : move.before;
  std::optional<FileStatus> entry;
  switch (LookAtTarget(move, landed, entry)) {
  case AtTarget::AsLanded:
    break;
  case AtTarget::Gone:
    return InPlace(move); // nothing of the run is left there
  case AtTarget::Changed:
    return StayedOutcome(move.target, StayReason::ChangedSinceRun);
  case AtTarget::Replaced:
    return StayedOutcome(move.target, StayReason::ReplacedInTarget);
  }
  const bool sourceHolds = (willHold && mode == RunMode::DryRun) ||
                           (entry->link ? EntryExists(move.source)
                                        : HoldsRecorded(move.source, move.before) &&
                                              SeparateCopies(move.source, move.target));
  if (!sourceHolds) return StayedOutcome(move.target, StayReason::OnlyCopyLeft);
  if (mode != RunMode::DryRun && !RemoveFile(move.target)) {
    const std::error_code error(errno, std::system_category());
    return FailedMoveOutcome(move.target, OutcomeOfError(error), error);
  }
  return {move.target, FileResult::Removed, move.source, {}, {}};
}

// readyFolder: the old folder known to be there (the last one made sure of).
FileOutcome TakeBackOne(const RecordedMove& move, RunMode mode, RunRecordWriter* record,
                        std::string& readyFolder) {
  // The run was killed while its move held the final name with an empty
  // file: the file never left its old place.
  if (!move.after && IsReservation(move)) {
    if (mode == RunMode::Real) RemoveFile(move.target);
    return InPlace(move);
  }
  // The file the run left at the target: as it landed, or, for an intent
  // without its done line, as it was before.
  const RecordedFile& landed = move.after ? *move.after : move.before;
  std::optional<FileStatus> entry; // the target's, as looked at
  if (const AtTarget found = LookAtTarget(move, landed, entry); found != AtTarget::AsLanded) {
    // Back already (an earlier undo, or a run killed before this move)?
    if (HoldsRecorded(move.source, move.before)) return InPlace(move);
    return StayedOutcome(move.target, found == AtTarget::Gone       ? StayReason::GoneSinceRun
                                      : found == AtTarget::Replaced ? StayReason::ReplacedInTarget
                                                                    : StayReason::ChangedSinceRun);
  }
  if (mode == RunMode::DryRun)
    return EntryExists(move.source)
               ? AtBothPlaces(move, mode)
               : FileOutcome{move.target, FileResult::Back, move.source, {}, {}};

  // The old folder may be gone: it is made again, and recorded. Once it is
  // there, the files after it in the same folder need no look at it; should
  // it go meanwhile, the move finds it gone and it is made again.
  const std::string folder = FolderOf(move.source);
  if (folder != readyFolder) {
    if (const std::error_code made = MakeOldFolder(folder, *record, readyFolder))
      return FailedMoveOutcome(move.target, OutcomeOfError(made), made);
  }
  const IntentTicket intent = record->Intent(move.target, move.source, landed);
  record->Flush();
  MoveResult result = MoveFileNoReplace(move.target, move.source);
  if (result.outcome == MoveOutcome::NotFound && EntryExists(move.target) &&
      !DirectoryExists(folder)) {
    if (const std::error_code made = MakeOldFolder(folder, *record, readyFolder))
      return FailedMoveOutcome(move.target, OutcomeOfError(made), made);
    result = MoveFileNoReplace(move.target, move.source);
  }
  // The old place taken: the move itself tells, with no look before it.
  if (result.outcome == MoveOutcome::TargetTaken) return AtBothPlaces(move, mode);
  if (result.outcome != MoveOutcome::Moved) {
    return FailedMoveOutcome(move.target, result.outcome, result.error);
  }
  // A rename keeps the entry looked at; a copy back is a new file.
  record->Done(move.target, move.source, move.before,
               result.copied ? EntryStatusOf(move.source) : entry, intent);
  return {move.target, FileResult::Back, move.source, {}, {}};
}

// The record's moves and created folders, split into those within its
// distribution and the refused lines, each reported once.
struct CheckedRecord {
  std::vector<const RecordedMove*> moves;
  std::vector<const RecordedMove*> backups; // copies in the second target
  std::vector<std::string> folders;
  std::vector<FileOutcome> refused;
};

CheckedRecord Check(const RunRecord& record) {
  RecordBounds bounds(record);
  CheckedRecord checked;
  std::set<std::string> reported;
  const auto refuse = [&](const std::string& path) {
    if (reported.insert(path).second)
      checked.refused.push_back(StayedOutcome(path, StayReason::OutsideRun));
  };
  for (const RecordedMove* move : LatestMoves(record)) {
    if (bounds.MoveWithin(*move)) {
      checked.moves.push_back(move);
    } else {
      refuse(move->target);
    }
  }
  for (const RecordedMove* copy : LatestBackups(record)) {
    if (bounds.BackupWithin(*copy)) {
      checked.backups.push_back(copy);
    } else {
      refuse(copy->target);
    }
  }
  for (const std::string& folder : record.createdFolders) {
    if (bounds.FolderWithin(folder)) {
      checked.folders.push_back(folder);
    } else {
      refuse(folder);
    }
  }
  return checked;
}

} // namespace

RunOutcome UndoRun::TakeBack(const std::string& recordPath) {
  return guard_.Run(frontEnd_, [&] { return Run(recordPath); });
}

RunOutcome UndoRun::Run(const std::string& recordPath) {
  stayed_.clear();
  ForgetMoveRoutes();
  // What killed runs left half done is completed first, so the record read
  // below has the done lines of what was completed (run_recovery.h).
  std::vector<FileOutcome> recovered;
  if (mode_ == RunMode::Real) recovered = ClearAfterKilledRuns(recordFolder_);
  const std::string path = recordPath.empty() ? NewestUndoableRecord(recordFolder_) : recordPath;
  const std::optional<RunRecord> record = path.empty() ? std::nullopt : ReadRunRecord(path);
  if (!record || record->takenBack) {
    frontEnd_.NothingToUndo();
    return RunOutcome::NothingFound;
  }
  // The files go back into the run's source folder: no run may work there
  // meanwhile (a source folder that is gone has no lock to take).
  FolderLock sourceLock(LockFileFolder(recordFolder_));
  if (mode_ == RunMode::Real && sourceLock.Take(record->source) == FolderLocking::Busy) {
    frontEnd_.SourceBusy();
    return RunOutcome::SourceBusy;
  }
  CheckedRecord checked = Check(*record);
  const std::vector<const RecordedMove*>& moves = checked.moves;
  // The question counts the files the run moved that are still where it
  // put them (done lines, and intents of a killed run whose file arrived);
  // one an earlier undo put back, or that is gone, is not.
  const auto there = [](const RecordedMove* move) { return EntryExists(move->target); };
  auto moved = std::count_if(moves.begin(), moves.end(), there);
  // A copy run's undo deletes the copies in the second target too.
  if (record->copies) moved += std::count_if(checked.backups.begin(), checked.backups.end(), there);
  const UndoScope scope{record->started, record->source,
                        record->targets.empty() ? std::string() : record->targets.front(),
                        static_cast<size_t>(moved), record->copies};
  removesCopies_ = record->copies;
  if (!frontEnd_.ConfirmUndo(scope)) return RunOutcome::Declined;

  frontEnd_.BeginWait();
  std::optional<RunRecordWriter> undoRecord;
  if (mode_ == RunMode::Real) {
    RunOptions options;
    if (!record->targets.empty()) options.source = record->targets.front();
    options.target = record->source;
    try {
      undoRecord.emplace(recordFolder_, RecordKind::Undo, options);
    } catch (const RunRecordError& error) {
      frontEnd_.EndWait();
      frontEnd_.RecordUnavailable(error.what());
      return RunOutcome::NotRecorded;
    }
    frontEnd_.Recorded(undoRecord->Path());
  }
  // Files of other runs and the refused lines do not keep this one open.
  const size_t notOfThisRun = recovered.size() + checked.refused.size();
  for (std::vector<FileOutcome>* list : {&recovered, &checked.refused}) {
    for (FileOutcome& outcome : *list) {
      stayed_.push_back(outcome);
      frontEnd_.FileDone(std::move(outcome));
    }
  }
  std::set<std::string> cleanedFolders; // of leftover temporary copies
  const int maximum = static_cast<int>(moves.size() + checked.backups.size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  std::string readyFolder;
  bool anyBack = false;              // a file of the record is at its old place now
  std::set<std::string> backSources; // of the moves back (or found back)
  for (size_t i = 0; i < moves.size(); ++i) {
    frontEnd_.ProcessEvents();
    if (guard_.StopRequested()) {
      frontEnd_.EndWait();
      frontEnd_.Stopped(moves.size() - i);
      return RunOutcome::Stopped;
    }
    frontEnd_.SetProgressPosition(static_cast<int>(i));
    frontEnd_.SetStatusText(WorkingOnText(i + 1, moves.size()));
    // An undo killed during a copy left its temporary file in the old folder.
    const std::string oldFolder = FolderOf(moves[i]->source);
    if (mode_ == RunMode::Real && cleanedFolders.insert(oldFolder).second)
      RemoveStaleTemporaryCopiesIn(oldFolder);
    FileOutcome outcome =
        record->copies
            ? RemoveCopy(*moves[i], mode_)
            : TakeBackOne(*moves[i], mode_, undoRecord ? &*undoRecord : nullptr, readyFolder);
    if (outcome.result == FileResult::Back || outcome.result == FileResult::InPlace)
      backSources.insert(moves[i]->source);
    if (outcome.result == FileResult::Stayed) stayed_.push_back(outcome);
    anyBack = anyBack || outcome.result == FileResult::Back ||
              outcome.result == FileResult::Removed || outcome.result == FileResult::InPlace;
    frontEnd_.FileDone(std::move(outcome));
  }
  // The copies in the second target go once their files are back (or, in a
  // copy run, while the source still holds them).
  for (size_t i = 0; i < checked.backups.size(); ++i) {
    frontEnd_.ProcessEvents();
    if (guard_.StopRequested()) {
      frontEnd_.EndWait();
      frontEnd_.Stopped(checked.backups.size() - i);
      return RunOutcome::Stopped;
    }
    const RecordedMove& copy = *checked.backups[i];
    frontEnd_.SetProgressPosition(static_cast<int>(moves.size() + i));
    FileOutcome outcome = RemoveCopy(copy, mode_, backSources.count(copy.source) != 0);
    if (outcome.result == FileResult::Stayed) stayed_.push_back(outcome);
    anyBack = anyBack || outcome.result == FileResult::Removed;
    frontEnd_.FileDone(std::move(outcome));
  }
  if (mode_ == RunMode::Real) {
    undoRecord->Flush();
    // A run killed during a copy left its temporary file behind.
    std::set<std::string> targetFolders(checked.folders.begin(), checked.folders.end());
    for (const RecordedMove* move : moves)
      targetFolders.insert(FolderOf(move->target));
    for (const RecordedMove* copy : checked.backups)
      targetFolders.insert(FolderOf(copy->target));
    for (const std::string& folder : targetFolders)
      RemoveTemporaryCopiesOf(folder, record->process);
    // Newest first, so a month folder goes before its year folder.
    for (auto folder = checked.folders.rbegin(); folder != checked.folders.rend(); ++folder)
      RemoveEmptyFolder(*folder);
    // Refused lines are no files of this run: they do not keep it open once
    // its files are back. A record whose every line was refused took nothing
    // back (a damaged record): it stays open.
    const bool complete = stayed_.size() == notOfThisRun;
    if (complete && (anyBack || checked.refused.empty()))
      MarkTakenBack(record->path, undoRecord->Path());
  }
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.UndoFinished(stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}
