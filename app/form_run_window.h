#pragma once
// The run's window made of real controls: the main window's status line,
// progress bar and list of collected files, the program's wait cursor, and
// the options read live from the options dialog's controls, whether the
// dialog is open or not.

#include "app/core/run_window.h"

class Panel;
class QListWidget;
class QProgressBar;
class Toptionenf;

class FormRunWindow final : public RunWindow {
public:
  FormRunWindow(Panel* statusbarp, QProgressBar* pb, QListWidget* verteilelb,
                const Toptionenf& options);

  void SetStatusText(const std::string& text) override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressPosition(int position) override;
  void ProcessEvents() override;
  void BeginWait() override;
  void EndWait() override;
  void ShowCollectedFiles(const std::vector<std::string>& files) override;

  std::string SourceFolderText() override;
  bool AllFilesChecked() override;
  bool PicturesChecked() override;
  bool VideosChecked() override;

  std::string TargetFolderText() override;
  bool RenameByDateChecked() override;
  bool KeepOriginalNameChecked() override;
  int StructureIndex() override;

private:
  Panel* statusbarp_;
  QProgressBar* pb_;
  QListWidget* verteilelb_;
  const Toptionenf& options_;
};
