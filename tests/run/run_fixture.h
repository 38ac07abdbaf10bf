#pragma once
// Shared pieces of the run-core tests: a front end made of plain data that
// logs what the run did to it, and helpers for files with a given date.

#include "run/distribution_run.h"
#include "run/run_front_end.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/temp_files.h"

#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace runtest {

// The paths of a collected list, in its order.
inline std::vector<std::string> PathsOf(const CollectedFiles& files) {
  std::vector<std::string> paths;
  for (size_t i = 0; i < files.Size(); ++i)
    paths.push_back(files.Path(i));
  return paths;
}

class FakeFrontEnd : public RunFrontEnd {
public:
  // The options the run reads; a test may change them between two files.
  RunOptions options;
  // The answer to the start question.
  bool confirmStart = true;

  // What the run did, in order: "BeginWait", "EndWait", "Events", status
  // texts, "Start? N", "NothingFound", "Finished FOLDER".
  std::vector<std::string> log;
  std::vector<std::string> statuses;
  std::vector<int> positions;
  std::vector<FileOutcome> outcomes;
  std::vector<FileOutcome> finishedStayed; // as Finished reported them
  int progressMaximum = -1;
  int optionReads = 0;
  RunOptions lastRead; // as Options() last returned them
  // Called on every ProcessEvents, as a user acting between two files.
  std::function<void()> onEvents;
  // Called when the run asks to start: the files are collected, none read.
  std::function<void()> onStart;

  RunOptions Options() override {
    ++optionReads;
    lastRead = options;
    return options;
  }
  bool OptionsChanged() override { return options != lastRead; }
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
  bool ConfirmStart(size_t count) override {
    log.push_back("Start? " + std::to_string(count));
    if (onStart) onStart();
    return confirmStart;
  }
  void NothingFound() override { log.push_back("NothingFound"); }
  void FileDone(FileOutcome&& outcome) override { outcomes.push_back(std::move(outcome)); }
  void Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) override {
    log.push_back("Finished " + folder);
    finishedStayed = stayed;
  }
  void RecordUnavailable(const std::string& message) override {
    log.push_back("RecordUnavailable " + message);
  }
  bool ConfirmUndo(const UndoScope& scope) override {
    log.push_back("Undo? " + std::to_string(scope.files));
    return confirmStart;
  }
  void NothingToUndo() override { log.push_back("NothingToUndo"); }
  void SourceBusy() override { log.push_back("SourceBusy"); }
  void UndoFinished(const std::vector<FileOutcome>& stayed) override {
    log.push_back("UndoFinished");
    finishedStayed = stayed;
  }

  // Whether the run has asked to start yet (the collection is over).
  bool Started() const;
};

using testkit::FilesBelow;
using testkit::LocalSeconds;
using testkit::UseBerlinTime;
using testkit::WriteFileAt;

bool Exists(const std::string& path);

// A run on the fake front end from a source to a target folder (created) in a
// fresh temporary folder, in Berlin time.
class RunTest : public ::testing::Test {
protected:
  void SetUp() override;

  testkit::TempDir dir_;
  const std::string source_ = dir_.path() + "/quelle/";
  std::string target_ = dir_.path() + "/ziel/"; // a test may aim elsewhere
  FakeFrontEnd frontEnd_;
  DistributionRun run_{frontEnd_};
};

} // namespace runtest
