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

// The box shown at the end of a run when files stayed, in two sections, each
// left out when empty: "N Dateien wurden nicht verschoben:" with the first
// kStayedListed paths and their reasons, then "N Dateien lagen schon im
// Ziel:" with the first kStayedListed paths and the files they equal; each
// section ends in "… und M weitere" for the rest. It is a warning when a
// file could not be moved, an information when every file that stayed lay
// in the target already.
inline constexpr size_t kStayedListed = 20;
std::string StayedWarningText(const std::vector<FileOutcome>& stayed);

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
  void Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) override;

private:
  Panel* statusbarp_;
  QProgressBar* pb_;
  QListWidget* verteilelb_;
  const Toptionenf& options_;
};
