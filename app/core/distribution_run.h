#pragma once
// The distribution run: collects the chosen files under the source folder,
// asks to start, and moves every file into its date folder under the target
// folder, renamed and lower-cased, never replacing a file.

#include "app/core/move_mode.h"

#include <functional>
#include <string>
#include <vector>

class RunWindow;
class TargetFolders;

enum class RunOutcome {
  AlreadyRunning, // a run was in progress; nothing was done
  NothingFound,   // no file of the chosen kinds
  Declined,       // the user did not want to start
  Stopped,        // a stop was requested; the files handled so far are moved
  Completed,
};

class DistributionRun {
public:
  explicit DistributionRun(RunWindow& window, MoveMode mode = MoveMode::Move)
      : window_(window), mode_(mode) {}

  // Called after every file that moved (in Plan mode: every planned move)
  // with its source path and full target path. An error it throws ends the
  // run like an error of the run itself.
  using MoveObserver = std::function<void(const std::string& source, const std::string& target)>;
  void SetMoveObserver(MoveObserver observer) { moved_ = std::move(observer); }

  // DistributeFiles. An error that escapes (the date conversion error, an
  // error of the metadata reader) ends the run at that file and is passed
  // on; the files before it stay moved and the wait cursor is ended.
  RunOutcome DistributeFiles();

  bool Running() const { return running_; }
  // Ends a run in progress after the file in hand (the window is closing).
  void RequestStop() { stopRequested_ = true; }
  // The collected files of the last run (verteilelb).
  const std::vector<std::string>& Files() const { return files_; }

private:
  RunOutcome Distribute();
  // Handles one file; returns the folder it was meant for.
  std::string DistributeFile(const std::string& source, TargetFolders& targets);

  RunWindow& window_;
  const MoveMode mode_;
  MoveObserver moved_;
  std::vector<std::string> files_;
  bool running_ = false;
  bool stopRequested_ = false;
};
