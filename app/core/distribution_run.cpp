#include "app/core/distribution_run.h"

#include "app/core/file_collection.h"
#include "app/core/file_date.h"
#include "app/core/run_front_end.h"
#include "app/core/target_folders.h"
#include "app/core/target_name.h"
#include "app/core/unique_name.h"
#include "platform/ascii_case.h"
#include "platform/file_time.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"

namespace {

// A taken name that the listing did not know (the folder changed under the
// run) gets one more try with a fresh listing.
constexpr int kMoveAttempts = 2;

FileOutcome Stayed(const std::string& source, StayReason reason) {
  return {source, FileResult::Stayed, {}, reason};
}

FileOutcome MoveIntoFolder(const std::string& source, const SourceName& parts,
                           const std::string& folder, const std::string& plannedName,
                           bool createFolder, TargetFolders& targets, MoveMode mode) {
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    TargetFolderIndex* index = targets.Prepare(folder, createFolder);
    if (!index) return Stayed(source, StayReason::FolderNotCreated);
    std::string name = plannedName;
    if (index->Contains(name)) name = MakeUniqueName(name, parts.extension, *index);
    if (name.empty()) return Stayed(source, StayReason::NoFreeName);
    name = LowerName(name);
    const std::string target = JoinPath(folder, name);
    switch (mode == MoveMode::Plan ? MoveOutcome::Moved : MoveFileNoReplace(source, target)) {
    case MoveOutcome::Moved:
      index->Add(name);
      targets.NoteRemoved(FolderOf(source), parts.name);
      return {source, FileResult::Moved, target, {}};
    case MoveOutcome::Failed:
      return Stayed(source, StayReason::MoveFailed);
    case MoveOutcome::TargetTaken:
    case MoveOutcome::NotFound:
      targets.Forget(folder);
      break;
    }
  }
  return Stayed(source, StayReason::MoveFailed);
}

} // namespace

RunOutcome DistributionRun::DistributeFiles() {
  if (running_) return RunOutcome::AlreadyRunning;
  running_ = true;
  stopRequested_ = false;
  try {
    const RunOutcome outcome = Distribute();
    running_ = false;
    return outcome;
  } catch (...) {
    running_ = false;
    frontEnd_.EndWait();
    throw;
  }
}

RunOutcome DistributionRun::Distribute() {
  frontEnd_.BeginWait();
  RefreshTimeZone();
  const RunOptions start = frontEnd_.Options();
  FillFileList(start.source, files_, start.kinds, false, &frontEnd_);
  frontEnd_.ShowCollectedFiles(files_);
  if (stopRequested_) {
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

  const int maximum = static_cast<int>(files_.size()) - 1;
  frontEnd_.SetProgressMaximum(maximum);
  TargetFolders targets(mode_);
  std::string lastFolder;
  for (size_t i = 0; i < files_.size(); ++i) {
    frontEnd_.ProcessEvents();
    if (stopRequested_) {
      frontEnd_.EndWait();
      return RunOutcome::Stopped;
    }
    frontEnd_.SetProgressPosition(static_cast<int>(i));
    frontEnd_.SetStatusText("Bearbeite Bild: " + std::to_string(i + 1) + " / " +
                            std::to_string(maximum + 1) + "  ");
    lastFolder = DistributeFile(files_[i], targets);
  }

  frontEnd_.SetProgressPosition(0);
  frontEnd_.SetStatusText("Fertig!");
  frontEnd_.Finished(lastFolder);
  frontEnd_.EndWait();
  return RunOutcome::Completed;
}

std::string DistributionRun::DistributeFile(const std::string& source, TargetFolders& targets) {
  const RunOptions options = frontEnd_.Options();
  const SourceName parts = SplitSourcePath(source);
  const std::string target = WithBackslash(options.target);
  FileDate date;
  if (AsciiLowered(parts.extension).find(".jp") != std::string::npos) ReadExifDate(source, date);
  if (date.year.empty()) ReadFileDate(source, date);
  const std::string name = DecideTargetName(source, parts, DateStamp(date), options);
  const std::string folder = TargetFolder(target, date, options.structure);
  // Without a target folder a relative path would land the file anywhere.
  frontEnd_.FileDone(target.empty() ? Stayed(source, StayReason::NoTargetFolder)
                                    : MoveIntoFolder(source, parts, folder, name,
                                                     StructureCreatesFolders(options.structure),
                                                     targets, mode_));
  return folder;
}
