#include "run/internal/backup_copies.h"

#include "platform/file_compare.h"
#include "platform/file_info.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "run/internal/target_folders.h"
#include "run/run_texts.h"

std::optional<std::string> BackupPathOf(const std::string& folder, const std::string& name,
                                        const RunState& state) {
  const std::string* mirror = state.targets.MirrorOf(folder);
  if (!mirror) return std::nullopt;
  return JoinPath(*mirror, name);
}

std::optional<std::string> BackupPathOfTarget(const std::string& target, const RunState& state) {
  const size_t separator = target.rfind(kPathSeparator);
  if (separator == std::string::npos) return std::nullopt;
  return BackupPathOf(target.substr(0, separator + 1), target.substr(separator + 1), state);
}

MoveResult CopyIntoBackup(const MovingFile& file, const std::string& copy, const RunState& state) {
  const MoveResult result = CopyFileNoReplace(file.path, copy);
  NoteBackupResult(result, file, copy, state);
  return result;
}

void NoteBackupResult(const MoveResult& result, const MovingFile& file, const std::string& copy,
                      const RunState& state) {
  if (result.outcome != MoveOutcome::Copied || !state.record) return;
  const std::optional<FileStatus> entry = EntryStatusOf(copy);
  const std::optional<FileStatus> landed = entry && entry->link ? StatusOf(copy) : entry;
  state.record->BackupDone(file.path, copy, RecordedFileOf(landed.value_or(file.status)), entry);
}

bool BackupNameLost(const MoveResult& result, const std::string& source) {
  return result.outcome == MoveOutcome::TargetTaken ||
         (result.outcome == MoveOutcome::NotFound && EntryExists(source));
}

bool SourceGone(const MoveResult& result, const std::string& source) {
  return result.outcome == MoveOutcome::NotFound && !EntryExists(source);
}

void TakeBackCopy(const std::string& source, const std::string& copy) {
  if (SeparateCopies(source, copy)) RemoveFile(copy);
}

FileOutcome BackupFailedOutcome(const std::string& source, const SecondCopyFailure& failure) {
  const FileOutcome inner = FailedMoveOutcome(source, failure.outcome, failure.error);
  // The copy's own reason, without the prefix of a failed copy: the
  // reason's text says that already.
  return StayedOutcome(
      source, StayReason::BackupFailed,
      inner.reason == StayReason::MoveError ? inner.detail : StayReasonText(inner, RunMode::Copy));
}
