#include "app/core/undo_run.h"

#include "app/core/run_front_end.h"
#include "app/core/run_record.h"
#include "app/core/run_texts.h"
#include "platform/append_file.h"
#include "platform/file_compare.h"
#include "platform/file_info.h"
#include "platform/move_file.h"
#include "platform/path_text.h"

#include <optional>
#include <set>

namespace {

// The moves to take back, newest first: the latest intent of each source
// (a move retried under another name left earlier intents).
std::vector<const RecordedMove*> MovesToTakeBack(const RunRecord& record) {
  std::set<std::string> seen;
  std::vector<const RecordedMove*> moves;
  for (auto move = record.moves.rbegin(); move != record.moves.rend(); ++move) {
    if (seen.insert(move->source).second) moves.push_back(&*move);
  }
  return moves;
}

// Whether the two files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b) {
  const std::optional<FileStatus> atA = StatusOf(a), atB = StatusOf(b);
  return atA && atB &&
         FileComparer().Compare({a, *atA, true}, {b, *atB, true}).verdict == Comparison::Identical;
}

bool Holds(const std::string& path, const RecordedFile& expected) {
  const std::optional<FileStatus> found = StatusOf(path);
  return found && RecordedFileOf(*found) == expected;
}

FileOutcome TakeBackOne(const RecordedMove& move, MoveMode mode, RunRecordWriter* record) {
  // The file the run left at the target: as it landed, or, for an intent
  // without its done line, as it was before.
  const RecordedFile& landed = move.after ? *move.after : move.before;
  if (!Holds(move.target, landed)) {
    // Back already (an earlier undo, or a run killed before this move)?
    if (Holds(move.source, move.before)) {
      return {move.source, FileResult::InPlace, move.source, {}, {}};
    }
    return StayedOutcome(move.target, EntryExists(move.target) ? StayReason::ChangedSinceRun
                                                               : StayReason::GoneSinceRun);
  }
  if (EntryExists(move.source)) {
    // Killed after its copy got its name and before the source went: the
    // file is at both places; the copy at the target is the run's to remove.
    if (!move.after && Holds(move.source, move.before) && SameBytes(move.source, move.target)) {
      if (mode == MoveMode::Move) RemoveFile(move.target);
      return {move.source, FileResult::InPlace, move.source, {}, {}};
    }
    return StayedOutcome(move.target, StayReason::OldPlaceTaken);
  }
  if (mode == MoveMode::Plan) return {move.target, FileResult::Back, move.source, {}, {}};

  // The old folder may be gone: it is made again, and recorded.
  std::vector<std::string> created;
  const std::error_code folder =
      CreateFolderTree(FolderOf(move.source), FolderAccess::AsUmaskAllows, &created);
  for (const std::string& level : created)
    record->FolderCreated(level);
  if (folder) return FailedMoveOutcome(move.target, OutcomeOfError(folder), folder);
  record->Intent(move.target, move.source, landed);
  const MoveResult result = MoveFileNoReplace(move.target, move.source);
  if (result.outcome == MoveOutcome::TargetTaken) {
    return StayedOutcome(move.target, StayReason::OldPlaceTaken);
  }
  if (result.outcome != MoveOutcome::Moved) {
    return FailedMoveOutcome(move.target, result.outcome, result.error);
  }
  record->Done(move.target, move.source, move.before);
  return {move.target, FileResult::Back, move.source, {}, {}};
}

} // namespace

RunOutcome UndoRun::TakeBack(const std::string& recordPath) {
  return guard_.Run(frontEnd_, [&] { return Run(recordPath); });
}

RunOutcome UndoRun::Run(const std::string& recordPath) {
  stayed_.clear();
  const std::string path = recordPath.empty() ? NewestUndoableRecord(recordFolder_) : recordPath;
  const std::optional<RunRecord> record = path.empty() ? std::nullopt : ReadRunRecord(path);
  if (!record || record->takenBack) {
    frontEnd_.NothingToUndo();
    return RunOutcome::NothingFound;
  }
  const std::vector<const RecordedMove*> moves = MovesToTakeBack(*record);
  if (!frontEnd_.ConfirmUndo(moves.size())) return RunOutcome::Declined;

  frontEnd_.BeginWait();
  std::optional<RunRecordWriter> undoRecord;
  if (mode_ == MoveMode::Move) {
    RunOptions options;
    options.source = record->target;
    options.target = record->source;
    try {
      undoRecord.emplace(recordFolder_, RecordKind::Undo, options);
    } catch (const RunRecordError& error) {
      frontEnd_.EndWait();
      frontEnd_.RecordUnavailable(error.what());
      return RunOutcome::NotRecorded;
    }
  }
  const int maximum = static_cast<int>(moves.size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  for (size_t i = 0; i < moves.size(); ++i) {
    frontEnd_.ProcessEvents();
    if (guard_.StopRequested()) {
      frontEnd_.EndWait();
      return RunOutcome::Stopped;
    }
    frontEnd_.SetProgressPosition(static_cast<int>(i));
    frontEnd_.SetStatusText(WorkingOnText(i + 1, moves.size()));
    const FileOutcome outcome = TakeBackOne(*moves[i], mode_, undoRecord ? &*undoRecord : nullptr);
    if (outcome.result == FileResult::Stayed) stayed_.push_back(outcome);
    frontEnd_.FileDone(outcome);
  }
  if (mode_ == MoveMode::Move) {
    undoRecord->Flush();
    // A run killed during a copy left its temporary file behind.
    std::set<std::string> targetFolders(record->createdFolders.begin(),
                                        record->createdFolders.end());
    for (const RecordedMove& move : record->moves)
      targetFolders.insert(FolderOf(move.target));
    for (const std::string& folder : targetFolders)
      RemoveTemporaryCopiesOf(folder, record->process);
    // Newest first, so a month folder goes before its year folder.
    for (auto folder = record->createdFolders.rbegin(); folder != record->createdFolders.rend();
         ++folder) {
      RemoveEmptyFolder(*folder);
    }
    if (stayed_.empty()) MarkTakenBack(record->path, undoRecord->Path());
  }
  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText(kFinishedText);
  frontEnd_.UndoFinished(stayed_);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}
