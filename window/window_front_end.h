#pragma once
// The run's front end made of real controls: the main window's status line,
// progress bar and list of collected files, the program's wait cursor, the
// German message boxes, and the options read live from the options dialog's
// controls, whether the dialog is open or not. Queued events are handled
// before every file, but the status line and the bar are repainted at most
// about 30 times a second, plus for the first and the last file: under a
// real display a repaint costs more than a file's move. What became of each
// file is kept for the report at the end (run_report.h).

#include "run/run_front_end.h"
#include "window/run_report.h"

#include <QPointer>
#include <chrono>
#include <optional>
#include <string>

class CollectedFilesModel;
class Panel;
class QListView;
class QProgressBar;
class OptionsDialog;

// The error shown when the target folder cannot be opened after a run, the
// folder escaped as every path the program shows.
std::string FolderNotOpenedText(const std::string& folder);

// The options as the dialog's controls hold them now.
RunOptions DialogOptions(const OptionsDialog& dialog);

class WindowFrontEnd final : public RunFrontEnd {
public:
  // fileList shows the collected files through a model of the front end's.
  WindowFrontEnd(Panel* statusLine, QProgressBar* progress, QListView* fileList,
                 const OptionsDialog& options);
  // The list shows nothing once its run may be gone.
  ~WindowFrontEnd() override;

  // The dialog's options, read live; or, while options are held, those.
  RunOptions Options() override;
  bool OptionsChanged() override;
  // Holds options for the runs that follow, in place of the dialog's, until
  // given nothing: a run started from the preview uses the options the
  // preview was made with.
  void HoldOptions(std::optional<RunOptions> options) { heldOptions_ = std::move(options); }

  void SetStatusText(const std::string& text) override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressPosition(int position) override;
  void ProcessEvents() override;
  void BeginWait() override;
  void EndWait() override;
  void RunsAs(RunMode mode) override;
  void ShowCollectedFiles(const CollectedFiles& files) override;

  bool ConfirmStart(size_t count) override;
  void NothingFound() override;
  void RecordUnavailable(const std::string& message) override;
  void SourceBusy() override;
  void Recorded(const std::string& recordPath) override;
  void Stopped(size_t notReached) override;
  void FileDone(FileOutcome&& outcome) override;
  // Reports the files that stayed, or the whole run when nothing moved;
  // then offers the folder of the last file moved, if one was.
  void Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) override;
  bool ConfirmUndo(const UndoScope& scope) override;
  void NothingToUndo() override;
  // Says how many went back and lists those that did not.
  void UndoFinished(const std::vector<FileOutcome>& stayed) override;

  // The report of a run or undo that was stopped (not shown when the window
  // stopped it for closing).
  void ShowStopReport();

private:
  void ShowHeldProgress();
  // Forgets the last run's files: a new run or undo begins.
  void BeginReport(ReportOf of);
  void ShowReport() const;

  Panel* statusLine_;
  QProgressBar* progress_;
  QPointer<CollectedFilesModel> fileList_; // owned by the list view
  const OptionsDialog& options_;
  std::optional<RunOptions> heldOptions_;
  uint64_t changesAtRead_ = 0; // the dialog's Changes() when the options were read

  // Per-file progress is shown at most about 30 times a second; a position
  // that comes sooner is held with the status text after it, and shown with
  // the next one shown or when the run ends (so a run ended by an error or
  // a stop shows its file).
  std::chrono::steady_clock::time_point lastShown_;
  bool holdNextText_ = false;
  std::optional<int> heldPosition_;
  std::optional<std::string> heldText_;

  // The run in progress (or the last one), for its report.
  ReportOf reportOf_ = ReportOf::Distribution;
  bool copying_ = false; // the run in hand copies its files
  std::vector<FileOutcome> outcomes_;
  std::string recordPath_;
  size_t notReached_ = 0;
  std::string lastMovedTarget_; // the last file moved; empty when none was
};
