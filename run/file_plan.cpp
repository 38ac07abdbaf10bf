#include "run/file_plan.h"

#include "platform/file_info.h"
#include "run/internal/backup_copies.h"
#include "run/internal/target_folders.h"
#include "run/run_texts.h"

#include <exception>

void PlanFile(FilePlan& plan, const PlanBasis& basis, const RunState& state) {
  const std::string& source = plan.source;
  if (std::optional<FileOutcome> stays = NotMovable(source, plan.status)) {
    plan.kept = std::move(*stays);
    return;
  }
  if (const FilePlan* leader = basis.leader) {
    plan.dated = leader->dated;
    plan.folder = leader->folder;
    plan.createFolder = leader->createFolder;
    return;
  }
  try {
    plan.dated = basis.dating->Date();
  } catch (const std::exception& error) {
    // This file stays; the files after it are still sorted.
    plan.kept = StayedOutcome(source, StayReason::DateUnreadable, error.what());
    return;
  }
  const RunOptions& options = basis.options;
  const std::string& target = basis.target;
  const DatedFile& dated = *plan.dated;
  plan.planned = LoweredName(
      DecideTargetName(source, plan.parts, DateStamp(dated.date), options, plan.status->readOnly));
  plan.folder = TargetFolder(target, dated.date, options.structure);
  // Without a target folder a relative path would land the file anywhere.
  if (target.empty()) {
    plan.kept = StayedOutcome(source, StayReason::MoveError, kNoTargetFolderText);
    return;
  }
  if (state.record) state.record->TargetFolder(target);
  state.targets.NoteRoot(target);
  plan.createFolder = StructureCreatesFolders(options.structure);
}

MoveFollowUp FollowMove(const MoveResult& result, const std::string& source, const MovePlace& place,
                        const RunState& state) {
  const std::string& folder = place.folder;
  const bool placed = result.outcome == MoveOutcome::Moved || result.outcome == MoveOutcome::Copied;
  if (result.second) {
    FileOutcome stays = BackupFailedOutcome(source, *result.second);
    // A copy run's copy in the target stays, and is named.
    if (placed) {
      stays.target = place.path;
      return {AfterMove::Stays, std::move(stays)};
    }
    return {AfterMove::Stays, Stays(std::move(stays), folder, state)};
  }
  switch (result.outcome) {
  case MoveOutcome::Moved:
  case MoveOutcome::Copied: {
    FileOutcome moved{source, FileResult::Moved, place.path, {}, {}};
    if (place.backup)
      moved.backup = BackupPathOf(folder, place.name, state).value_or(std::string());
    return {AfterMove::Done, std::move(moved)};
  }
  case MoveOutcome::SourceChanged:
    return {AfterMove::Stays, FailedMoveOutcome(source, result.outcome, result.error)};
  case MoveOutcome::NotFound:
    // The source itself gone is no race to retry: another program took it.
    if (!EntryExists(source))
      return {AfterMove::Stays, Stays(StayedOutcome(source, StayReason::Vanished), folder, state)};
    [[fallthrough]];
  case MoveOutcome::TargetTaken:
    state.targets.Forget(folder);
    return {AfterMove::NextCounter, {}};
  default:
    return {AfterMove::Stays,
            Stays(FailedMoveOutcome(source, result.outcome, result.error), folder, state)};
  }
}
