#pragma once
// Shared pieces of the run-core tests: a window made of plain data that logs
// what the run did to it, and helpers for files with a given date.

#include "app/core/run_window.h"
#include "tests/kit/dated_files.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace runtest {

class FakeRunWindow : public RunWindow {
public:
  // Options; the run reads them through the interface below.
  std::string source;
  std::string target;
  bool all = false;
  bool pictures = true;
  bool videos = true;
  bool renameByDate = true;
  bool keepOriginalName = false;
  int structure = 1;

  // What the run did, in order: "BeginWait", "EndWait", "Events", status texts.
  std::vector<std::string> log;
  std::vector<std::string> statuses;
  std::vector<int> positions;
  int progressMaximum = -1;
  int renameReads = 0;
  // Called on every ProcessEvents, as a user acting between two files.
  std::function<void()> onEvents;

  void SetStatusText(const std::string& text) override {
    statuses.push_back(text);
    log.push_back(text);
  }
  void SetProgressMaximum(int maximum) override { progressMaximum = maximum; }
  void SetProgressPosition(int position) override { positions.push_back(position); }
  void ProcessEvents() override {
    log.push_back("Events");
    if (onEvents) onEvents();
  }
  void BeginWait() override { log.push_back("BeginWait"); }
  void EndWait() override { log.push_back("EndWait"); }
  std::string SourceFolderText() override { return source; }
  bool AllFilesChecked() override { return all; }
  bool PicturesChecked() override { return pictures; }
  bool VideosChecked() override { return videos; }
  std::string TargetFolderText() override { return target; }
  bool RenameByDateChecked() override {
    ++renameReads;
    return renameByDate;
  }
  bool KeepOriginalNameChecked() override { return keepOriginalName; }
  int StructureIndex() override { return structure; }
};

using testkit::FilesBelow;
using testkit::LocalSeconds;
using testkit::UseBerlinTime;
using testkit::WriteFileAt;

bool Exists(const std::string& path);

} // namespace runtest
