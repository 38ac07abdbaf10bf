#pragma once
// What the distribution run needs of its window: the status line, the
// progress bar, a chance for queued events, the wait cursor and the options,
// which are read live. The main window implements it; tests use plain data.

#include <string>
#include <vector>

class RunWindow {
public:
  virtual ~RunWindow() = default;

  // Status line (statusbarp).
  virtual void SetStatusText(const std::string& text) = 0;
  // Progress bar (pb); its minimum is 0.
  virtual void SetProgressMaximum(int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  // Lets queued window events be handled once.
  virtual void ProcessEvents() = 0;
  // Wait cursor; one EndWait ends any number of BeginWait.
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
  // The collected files (verteilelb), shown once the collection is done.
  virtual void ShowCollectedFiles([[maybe_unused]] const std::vector<std::string>& files) {}

  // Options read once when a run starts.
  virtual std::string SourceFolderText() = 0; // quellee
  virtual bool AllFilesChecked() = 0;         // allcb
  virtual bool PicturesChecked() = 0;         // piccb
  virtual bool VideosChecked() = 0;           // videocb

  // Options read again for every file.
  virtual std::string TargetFolderText() = 0; // ziele
  virtual bool RenameByDateChecked() = 0;     // exifrenamecb
  virtual bool KeepOriginalNameChecked() = 0; // keepfncb
  virtual int StructureIndex() = 0;           // verteiloptcbb, -1 when nothing is selected
};
