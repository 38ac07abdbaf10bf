#include "run/run_steps.h"

#include "platform/date_conversion_error.h"
#include "platform/lower_name.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "run/internal/backup_copies.h"
#include "run/internal/counter_name.h"
#include "run/run_record.h"

#include <optional>
#include <random>

namespace {

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

// What the file looks like where it landed. A rename keeps size and time; a
// copy may land with a coarser time (FAT keeps two seconds), so it is looked
// at (as it was, when that cannot be seen: the record then holds what it
// knew).
RecordedFile Landed(const std::string& target, const FileStatus& before, bool copied) {
  const std::optional<FileStatus> landed = copied ? StatusOf(target) : std::nullopt;
  return RecordedFileOf(landed.value_or(before));
}

} // namespace

void ReserveName(TargetFolderIndex& index, const std::string& name, const std::string& source,
                 const RunState& state) {
  // A dry run's later comparisons find the bytes still at the source.
  index.Add(name, state.mode == RunMode::DryRun ? source : std::string());
}

std::optional<IntentTicket> RecordIntent(const std::string& source, const std::string& target,
                                         const FileStatus& status, const RunState& state,
                                         bool backup) {
  if (!state.record || !ChangesFiles(state.mode)) return std::nullopt;
  const IntentTicket ticket = state.record->Intent(source, target, RecordedFileOf(status));
  const std::optional<std::string> copy = backup ? BackupPathOfTarget(target, state) : std::nullopt;
  if (copy) state.record->BackupIntent(source, *copy, RecordedFileOf(status));
  return ticket;
}

MoveResult PlaceAfterIntent(const MovingFile& file, const MovePlace& place, const RunState& state) {
  if (!ChangesFiles(state.mode)) return {MoveOutcome::Moved, {}};
  const std::optional<std::string> copy =
      place.backup ? BackupPathOf(place.folder, place.name, state) : std::nullopt;
  std::optional<SecondCopyFailure> second;
  if (copy) {
    const MoveResult backup = CopyIntoBackup(file, *copy, state);
    // Taken meanwhile: both try the next counter.
    if (BackupNameLost(backup, file.path) || SourceGone(backup, file.path))
      return {backup.outcome, backup.error};
    if (backup.outcome != MoveOutcome::Copied) {
      second = SecondCopyFailure{backup.outcome, backup.error};
      // Nothing moves: the file stays whole in the source.
      if (state.mode == RunMode::Real) return {MoveOutcome::Failed, {}, false, second};
    }
  }
  MoveResult result = state.mode == RunMode::Copy
                          ? CopyFileNoReplace(file.path, place.path)
                          : MoveFileNoReplace(file.path, place.path, EntryDevice(file.status));
  result.second = second;
  const bool placed = result.outcome == MoveOutcome::Moved || result.outcome == MoveOutcome::Copied;
  // A file that stays leaves no copy of this run in the second target.
  if (copy && !second && !placed) TakeBackCopy(file.path, *copy);
  return result;
}

MoveResult MoveAfterIntent(const MovingFile& file, const MovePlace& place, TargetFolderIndex& index,
                           const RunState& state) {
  const MoveResult result = PlaceAfterIntent(file, place, state);
  NoteMoveResult(result, file, place, &index, state);
  return result;
}

std::optional<uint64_t> EntryDevice(const FileStatus& status) {
  if (status.throughLink) return std::nullopt;
  return status.identity.device;
}

void NoteMoveResult(const MoveResult& result, const MovingFile& file, const MovePlace& place,
                    TargetFolderIndex* index, const RunState& state) {
  const std::string& source = file.path;
  const FileStatus& status = file.status;
  const std::string& target = place.path;
  if (result.outcome == MoveOutcome::Moved || result.outcome == MoveOutcome::Copied) {
    if (!state.keepsSources) state.targets.NoteRemoved(FolderOf(source), file.name);
    if (state.identical && ChangesFiles(state.mode)) state.identical->NoteMoved(status, target);
    // A rename keeps the entry: a file that was no link lands as it was
    // looked at just before; a link lands as the link, a copy as a new file.
    if (state.record)
      state.record->Done(source, target, Landed(target, status, result.copied),
                         result.copied || status.throughLink ? EntryStatusOf(target)
                                                             : std::optional<FileStatus>(status),
                         place.intent);
  } else if (result.outcome != MoveOutcome::SourceChanged) {
    // The complete copy of a changed source holds the name; otherwise it
    // stays free.
    if (!index) index = state.targets.Prepare(place.folder, /*create=*/false);
    if (index) index->Remove(place.name);
  }
}

MoveResult MoveRecorded(const MovingFile& file, const std::string& folder, const std::string& name,
                        TargetFolderIndex& index, const RunState& state, bool backup) {
  ReserveName(index, name, file.path, state);
  // The intent comes first: a run killed during the move can be taken
  // back by looking where the file is.
  const std::string target = JoinPath(folder, name);
  const std::optional<IntentTicket> intent =
      RecordIntent(file.path, target, file.status, state, backup);
  if (state.record && ChangesFiles(state.mode)) state.record->Flush();
  return MoveAfterIntent(file, {folder, name, target, intent, backup}, index, state);
}

std::optional<FileOutcome> NotMovable(const std::string& source,
                                      const std::optional<FileStatus>& found) {
  // A file that has gone (a link whose target moved away) has no date; a
  // FIFO put in its place must not be read, it would block.
  if (!found && !EntryExists(source)) return StayedOutcome(source, StayReason::Vanished);
  if (!found)
    return StayedOutcome(source, StayReason::DateUnreadable, DateConversionError().what());
  if (!found->regular) return StayedOutcome(source, StayReason::NotRegularFile);
  return std::nullopt;
}

TargetFolderIndex* PrepareFolder(const std::string& source, const std::string& folder, bool create,
                                 const RunState& state, FileOutcome& stays) {
  std::error_code creation;
  TargetFolderIndex* index = state.targets.Prepare(folder, create, &creation);
  if (!index) {
    if (!creation) creation = std::make_error_code(std::errc::no_such_file_or_directory);
    const MoveOutcome outcome = OutcomeOfError(creation);
    stays = Stays(state.targets.FailedAtMirror() ? BackupFailedOutcome(source, {outcome, creation})
                                                 : FailedMoveOutcome(source, outcome, creation),
                  folder, state);
  }
  return index;
}

FileOutcome Stays(FileOutcome outcome, const std::string& folder, const RunState& state) {
  state.targets.RemoveIfMadeEmpty(folder);
  return outcome;
}

bool AlreadyInPlace(const std::string& source, const std::string& sourceName,
                    const std::string& folder, const std::string& fitted, TargetFolders& targets) {
  // Names first: they cost nothing, and mostly differ.
  if (!IsPlannedOrNumbered(LowerName(sourceName), fitted)) return false;
  // One path names one folder: a library tidied in place costs no look per
  // file here. Other spellings are told by identity.
  const std::string sourceFolderPath = FolderOf(source);
  if (sourceFolderPath == folder && targets.IdentityOfFolder(folder)) return true;
  const std::optional<FileIdentity> sourceFolder = IdentityOf(sourceFolderPath);
  return sourceFolder && sourceFolder == targets.IdentityOfFolder(folder);
}

uint64_t RetrySkip(int attempt) {
  static std::minstd_rand steps(static_cast<std::minstd_rand::result_type>(CurrentProcessId()));
  return attempt < 2 ? 0 : steps() % static_cast<uint64_t>(attempt);
}

std::vector<ContentCandidate> ContentCandidates(const std::string& folder,
                                                std::vector<TargetFolderIndex::Entry> entries) {
  std::vector<ContentCandidate> candidates;
  for (TargetFolderIndex::Entry& entry : entries) {
    std::string path = JoinPath(folder, entry.name);
    std::string content = entry.content.empty() ? path : std::move(entry.content);
    candidates.push_back({std::move(path), std::move(content)});
  }
  return candidates;
}
