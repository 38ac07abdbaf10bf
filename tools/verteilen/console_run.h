#pragma once
// The front end of a headless run: options from the resolved run options,
// status on the console, the start question on the terminal, and every move
// listed (dry run) or logged as it happens.

#include "run/run_front_end.h"
#include "tools/verteilen/console.h"

#include <cstdio>
#include <functional>

class MoveLog;

// "QUELLE = ZIEL (schon im Ziel vorhanden)", both paths escaped: a file
// whose bytes lay in its target folder already.
std::string AlreadyInTargetLine(const FileOutcome& outcome);

class ConsoleFrontEnd final : public RunFrontEnd {
public:
  // assumeYes answers the start question at once; input is where a typed
  // answer comes from. In a dry run every planned move is printed on
  // standard output; otherwise every move goes to log, when there is one.
  ConsoleFrontEnd(const RunOptions& options, Console& console, bool assumeYes, std::FILE* input,
                  bool dryRun, MoveLog* log)
      : options_(options), console_(console), assumeYes_(assumeYes), input_(input), dryRun_(dryRun),
        log_(log) {}

  // Called whenever the run lets events be handled (once per folder and per
  // file), where a window would react to its user.
  void SetOnEvents(std::function<void()> onEvents) { onEvents_ = std::move(onEvents); }

  RunOptions Options() override { return options_; }
  void SetStatusText(const std::string& text) override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressPosition(int position) override;
  void ProcessEvents() override;
  void BeginWait() override {}
  void EndWait() override {}

  bool ConfirmStart(size_t count) override;
  void NothingFound() override;
  void FileDone(FileOutcome&& outcome) override;
  // No folder is opened from a terminal; the files that stayed are listed
  // once the run has returned, whatever ended it.
  void Finished(const std::string&, const std::vector<FileOutcome>&) override {}
  void RecordUnavailable(const std::string& message) override;
  void SourceBusy() override;
  bool ConfirmUndo(const UndoScope& scope) override;
  void NothingToUndo() override;
  // The files that stayed are listed once the undo has returned.
  void UndoFinished(const std::vector<FileOutcome>&) override {}

private:
  bool AskOnTerminal(const std::string& question);
  // Writes the line of outcome's copy in the second target, where it has one.
  void BackupDone(const FileOutcome& outcome);

  const RunOptions options_;
  Console& console_;
  const bool assumeYes_;
  std::FILE* input_;
  const bool dryRun_;
  MoveLog* log_;
  std::function<void()> onEvents_;
  long long files_ = 0;    // known once the collection is done
  bool milestone_ = false; // the next status is worth a line in a log
};
