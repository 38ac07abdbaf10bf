#include "app/core/distribution_run.h"

#include "app/core/file_collection.h"
#include "app/core/file_date.h"
#include "app/core/run_window.h"
#include "app/core/target_folders.h"
#include "app/core/target_name.h"
#include "app/core/unique_name.h"
#include "platform/ascii_case.h"
#include "platform/file_time.h"
#include "platform/lower_name.h"
#include "platform/modal.h"
#include "platform/move_file.h"
#include "platform/path_text.h"

namespace {

// A taken name that the listing did not know (the folder changed under the
// run) gets one more try with a fresh listing.
constexpr int kMoveAttempts = 2;

void MoveIntoFolder(const std::string& source, const SourceName& parts, const std::string& folder,
                    const std::string& plannedName, bool createFolder, TargetFolders& targets,
                    MoveMode mode, const DistributionRun::MoveObserver& moved) {
  for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
    TargetFolderIndex* index = targets.Prepare(folder, createFolder);
    if (!index) return;
    std::string name = plannedName;
    if (index->Contains(name)) name = MakeUniqueName(name, parts.extension, *index);
    if (name.empty()) return;
    name = LowerName(name);
    const std::string target = JoinPath(folder, name);
    switch (mode == MoveMode::Plan ? MoveOutcome::Moved : MoveFileNoReplace(source, target)) {
    case MoveOutcome::Moved:
      index->Add(name);
      targets.NoteRemoved(FolderOf(source), parts.name);
      if (moved) moved(source, target);
      return;
    case MoveOutcome::Failed:
      return; // the file stays where it is
    case MoveOutcome::TargetTaken:
    case MoveOutcome::NotFound:
      targets.Forget(folder);
      break;
    }
  }
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
    window_.EndWait();
    throw;
  }
}

RunOutcome DistributionRun::Distribute() {
  Modal& modal = CurrentModal();
  window_.BeginWait();
  RefreshTimeZone();
  FillFileList(window_.SourceFolderText(), files_, window_.VideosChecked(),
               window_.PicturesChecked(), window_.AllFilesChecked(), false, &window_);
  window_.ShowCollectedFiles(files_);
  if (stopRequested_) {
    window_.EndWait();
    return RunOutcome::Stopped;
  }
  if (files_.empty()) {
    window_.EndWait();
    modal.Message("Es wurden keine gültigen Daten gefunden");
    return RunOutcome::NothingFound;
  }
  if (!modal.Confirm("Insgesamt " + std::to_string(files_.size()) + " Dateien gefunden.\n" +
                     "Mit der Arbeit anfangen?")) {
    window_.EndWait();
    return RunOutcome::Declined;
  }

  const int maximum = static_cast<int>(files_.size()) - 1;
  window_.SetProgressMaximum(maximum);
  TargetFolders targets(mode_);
  std::string lastFolder;
  for (size_t i = 0; i < files_.size(); ++i) {
    window_.ProcessEvents();
    if (stopRequested_) {
      window_.EndWait();
      return RunOutcome::Stopped;
    }
    window_.SetProgressPosition(static_cast<int>(i));
    window_.SetStatusText("Bearbeite Bild: " + std::to_string(i + 1) + " / " +
                          std::to_string(maximum + 1) + "  ");
    lastFolder = DistributeFile(files_[i], targets);
  }

  window_.SetProgressPosition(0);
  window_.SetStatusText("Fertig!");
  if (modal.Confirm("Fertig! Ziel-Ordner jetzt öffnen?")) modal.OpenFolder(lastFolder);
  window_.EndWait();
  return RunOutcome::Completed;
}

std::string DistributionRun::DistributeFile(const std::string& source, TargetFolders& targets) {
  const SourceName parts = SplitSourcePath(source);
  const std::string target = WithBackslash(window_.TargetFolderText());
  FileDate date;
  if (AsciiLowered(parts.extension).find(".jp") != std::string::npos) ReadExifDate(source, date);
  if (date.year.empty()) ReadFileDate(source, date);
  const std::string name = DecideTargetName(source, parts, DateStamp(date), window_);
  const int structure = window_.StructureIndex();
  const std::string folder = TargetFolder(target, date, structure);
  // Without a target folder a relative path would land the file anywhere.
  if (!target.empty()) {
    MoveIntoFolder(source, parts, folder, name, StructureCreatesFolders(structure), targets, mode_,
                   moved_);
  }
  return folder;
}
