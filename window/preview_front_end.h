#pragma once
// The front end of the preview's dry run. It is the window's front end for
// everything a user sees of a run (status line, progress, events, wait
// cursor, and the messages for nothing found and a busy source, word for
// word), but it reads the options fixed when the preview began, starts
// without asking, and gathers what would become of every file.

#include "run/run_front_end.h"

#include <optional>
#include <utility>
#include <vector>

class DistributionRun;

class PreviewFrontEnd final : public RunFrontEnd {
public:
  explicit PreviewFrontEnd(RunFrontEnd& window) : window_(window) {}

  // Starts over with options for the next dry run.
  void Begin(RunOptions options) {
    options_ = std::move(options);
    outcomes_.clear();
  }
  // What would become of each file and unreadable folder, in the run's order.
  std::vector<FileOutcome>& Outcomes() { return outcomes_; }

  RunOptions Options() override { return options_; }
  void SetStatusText(const std::string& text) override { window_.SetStatusText(text); }
  void SetProgressMaximum(int maximum) override { window_.SetProgressMaximum(maximum); }
  void SetProgressPosition(int position) override { window_.SetProgressPosition(position); }
  void ProcessEvents() override { window_.ProcessEvents(); }
  void BeginWait() override { window_.BeginWait(); }
  void EndWait() override { window_.EndWait(); }

  bool ConfirmStart(size_t) override { return true; }
  void NothingFound() override { window_.NothingFound(); }
  void RecordUnavailable(const std::string& message) override {
    window_.RecordUnavailable(message);
  }
  void SourceBusy() override { window_.SourceBusy(); }
  void FileDone(FileOutcome&& outcome) override { outcomes_.push_back(std::move(outcome)); }
  // The preview's window takes the place of the end of a run.
  void Finished(const std::string&, const std::vector<FileOutcome>&) override {}
  // A dry run never takes a run back.
  bool ConfirmUndo(const UndoScope&) override { return false; }
  void NothingToUndo() override {}
  void UndoFinished(const std::vector<FileOutcome>&) override {}

private:
  RunFrontEnd& window_;
  RunOptions options_;
  std::vector<FileOutcome> outcomes_;
};

// The dry run of options through run (a RunMode::DryRun run made on
// frontEnd): what would become of every file and unreadable folder; nothing
// when no file was found or another run works with the source folder (the
// window has said so, in a run's words), or the run was stopped. A dry run
// needs no lock, but the run the preview leads to does: the preview asks for
// it first, so that a busy source is told before, not after, the preview.
std::optional<std::vector<FileOutcome>> PlanPreview(PreviewFrontEnd& frontEnd, DistributionRun& run,
                                                    const RunOptions& options);
