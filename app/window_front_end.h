#pragma once
// The run's front end made of real controls: the main window's status line,
// progress bar and list of collected files, the program's wait cursor, the
// German message boxes, and the options read live from the options dialog's
// controls, whether the dialog is open or not.

#include "app/core/run_front_end.h"

class Panel;
class QListWidget;
class QProgressBar;
class Toptionenf;

// The warning shown at the end of a run when files stayed: heading ("N
// Dateien wurden nicht verschoben:"), then the first kStayedListed paths with
// their reasons, then "… und M weitere" for the rest.
inline constexpr size_t kStayedListed = 20;
inline constexpr char kNotMovedHeading[] = " Dateien wurden nicht verschoben:";
inline constexpr char kNotPutBackHeading[] = " Dateien wurden nicht zurückgelegt:";
std::string StayedWarningText(const std::vector<FileOutcome>& stayed,
                              const char* heading = kNotMovedHeading);

class WindowFrontEnd final : public RunFrontEnd {
public:
  WindowFrontEnd(Panel* statusbarp, QProgressBar* pb, QListWidget* verteilelb,
                 const Toptionenf& options);

  RunOptions Options() override;

  void SetStatusText(const std::string& text) override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressPosition(int position) override;
  void ProcessEvents() override;
  void BeginWait() override;
  void EndWait() override;
  void ShowCollectedFiles(const std::vector<std::string>& files) override;

  bool ConfirmStart(size_t count) override;
  void NothingFound() override;
  void RecordUnavailable(const std::string& message) override;
  void Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) override;
  bool ConfirmUndo(size_t count) override;
  void NothingToUndo() override;
  void UndoFinished(const std::vector<FileOutcome>& stayed) override;

private:
  Panel* statusbarp_;
  QProgressBar* pb_;
  QListWidget* verteilelb_;
  const Toptionenf& options_;
};
