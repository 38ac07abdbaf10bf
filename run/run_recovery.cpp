#include "run/internal/run_recovery.h"

#include "platform/append_file.h"
#include "platform/file_compare.h"
#include "platform/file_info.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "run/internal/record_bounds.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace {

// The latest intent of each source, by source.
using LatestBySource = std::unordered_map<std::string_view, const RecordedMove*>;

// Appends the done line of move, now at its target.
void RecordArrival(const std::string& record, const RecordedMove& move) {
  const std::optional<FileStatus> entry = EntryStatusOf(move.target);
  const std::optional<FileStatus> file = entry && entry->link ? StatusOf(move.target) : entry;
  if (entry && file) AppendDone(record, move, RecordedFileOf(*file), *entry);
}

// A copy across file systems that got its final name before its source was
// removed: both places hold the file, and a second run would file it twice.
// The source goes, and the move is complete. A copy run's sources always
// stay: its copy only gets the done line the kill cut off.
void CompleteCopy(const RunRecord& record, const RecordedMove& move) {
  if (!HoldsRecorded(move.source, move.before) || !SeparateCopies(move.source, move.target)) return;
  if (record.copies || RemoveFile(move.source)) RecordArrival(record.path, move);
}

// Whether the move's file went to its target (its done line, or found
// there and, for a move, no longer at its source).
bool Arrived(const RecordedMove& move, bool copies) {
  return move.after || ((copies || !EntryExists(move.source)) && EntryExists(move.target));
}

// A member of a group whose leader arrived follows it to its planned name
// (a copy run's member by a copy); what stayed when it cannot.
std::optional<FileOutcome> Follow(const RunRecord& record, const RecordedMove& member) {
  if (Arrived(member, record.copies) || !EntryExists(member.source)) return std::nullopt;
  MoveResult result{MoveOutcome::SourceChanged, {}};
  if (HoldsRecorded(member.source, member.before))
    result = record.copies ? CopyFileNoReplace(member.source, member.target)
                           : MoveFileNoReplace(member.source, member.target);
  if (result.outcome == MoveOutcome::Moved || result.outcome == MoveOutcome::Copied) {
    RecordArrival(record.path, member);
    return std::nullopt;
  }
  // Another run's recovery took it meanwhile.
  if (result.outcome == MoveOutcome::NotFound && Arrived(member, record.copies))
    return std::nullopt;
  // Its own reason where it has one; otherwise it is apart from its group.
  FileOutcome stays = FailedMoveOutcome(member.source, result.outcome, result.error);
  if (result.outcome == MoveOutcome::TargetTaken || result.outcome == MoveOutcome::SourceChanged ||
      result.outcome == MoveOutcome::NotFound) {
    stays = StayedOutcome(member.source, StayReason::SplitFromGroup);
    stays.target = member.target;
  }
  return stays;
}

// Completes the groups of record whose leader arrived and whose other
// members did not.
void CompleteGroups(const RunRecord& record, const LatestBySource& latest, RecordBounds& bounds,
                    std::vector<FileOutcome>& stayed) {
  for (const RecordedGroup& group : record.groups) {
    if (group.moves.empty() || group.moves.front() >= record.moves.size()) continue;
    const RecordedMove& leader = record.moves[group.moves.front()];
    // A later try of the group (another counter) supersedes this one.
    const auto newest = latest.find(leader.source);
    if (newest == latest.end() || newest->second != &leader || !bounds.MoveWithin(leader) ||
        !Arrived(leader, record.copies))
      continue;
    for (size_t m = 1; m < group.moves.size(); ++m) {
      if (group.moves[m] >= record.moves.size()) continue;
      const auto found = latest.find(record.moves[group.moves[m]].source);
      if (found == latest.end() || !bounds.MoveWithin(*found->second)) continue;
      if (std::optional<FileOutcome> stays = Follow(record, *found->second))
        stayed.push_back(std::move(*stays));
    }
  }
}

// The copy into the second target of a move the kill cut off: kept and
// given its done line once its file arrived in the target (or when the file
// went into the second target alone: its bytes were in the target already),
// removed while the file is still only in its source, so the next run
// places both copies anew under one name.
void SettleBackup(const RunRecord& record, const RecordedMove& copy, const LatestBySource& latest) {
  const auto main = latest.find(copy.source);
  const bool paired = main != latest.end() &&
                      main->second->target.substr(main->second->target.rfind(kPathSeparator)) ==
                          copy.target.substr(copy.target.rfind(kPathSeparator));
  if (!paired || Arrived(*main->second, record.copies)) {
    const std::optional<FileStatus> entry = EntryStatusOf(copy.target);
    if (entry && entry->regular)
      AppendBackupDone(record.path, copy, RecordedFileOf(*entry), *entry);
    return;
  }
  if (HoldsRecorded(copy.source, copy.before) && SeparateCopies(copy.source, copy.target))
    RemoveFile(copy.target);
}

} // namespace

bool HoldsRecorded(const std::string& path, const RecordedFile& expected) {
  const std::optional<FileStatus> found = StatusOf(path);
  return found && RecordedFileOf(*found) == expected;
}

bool IsReservation(const RecordedMove& move) {
  const std::optional<FileStatus> target = EntryStatusOf(move.target);
  const std::optional<FileStatus> source = StatusOf(move.source);
  return target && target->regular && target->size == 0 && source &&
         source->identity != target->identity && RecordedFileOf(*source) == move.before;
}

std::vector<FileOutcome> ClearAfterKilledRuns(const std::string& recordFolder) {
  std::vector<FileOutcome> stayed;
  for (const std::string& path : RecordPaths(recordFolder)) {
    if (RecordChecked(path)) continue;
    const std::optional<RunRecord> record = ReadRunRecord(path);
    if (!record || record->checked || ProcessRunning(record->process)) continue;
    // Another run completes it right now; the one killed while it did left
    // its own temporary copies, named after it.
    if (std::any_of(record->completers.begin(), record->completers.end(), ProcessRunning) ||
        !MarkCompleting(path))
      continue;
    RecordBounds bounds(*record);
    std::set<std::string> folders;
    const std::vector<const RecordedMove*> moves = LatestMoves(*record);
    LatestBySource latest;
    for (const RecordedMove* move : moves) {
      latest.emplace(move->source, move);
      if (move->after || !bounds.TargetWithin(move->target)) continue;
      folders.insert(FolderOf(move->target));
      if (IsReservation(*move)) {
        RemoveFile(move->target);
      } else if (EntryExists(move->source) && EntryExists(move->target) &&
                 bounds.MoveWithin(*move)) {
        CompleteCopy(*record, *move);
      }
    }
    CompleteGroups(*record, latest, bounds, stayed);
    for (const RecordedMove* copy : LatestBackups(*record)) {
      if (copy->after || !bounds.BackupTargetWithin(copy->target)) continue;
      folders.insert(FolderOf(copy->target));
      if (IsReservation(*copy)) {
        RemoveFile(copy->target);
      } else if (EntryExists(copy->target) && bounds.BackupWithin(*copy)) {
        SettleBackup(*record, *copy, latest);
      }
    }
    // Its process has ended, and so has every one that began to complete it:
    // none of their temporary copies is in hand.
    for (const std::string& folder : folders) {
      RemoveTemporaryCopiesOf(folder, record->process);
      for (const long completer : record->completers)
        RemoveTemporaryCopiesOf(folder, completer);
    }
    MarkChecked(path);
  }
  return stayed;
}
