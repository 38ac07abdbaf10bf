#pragma once
// Shared by the benchmarks: a scratch folder in memory, timing a piece of
// work on a freshly built synthetic tree, and the headless front end of the
// run.

#include "run/run_front_end.h"
#include "bench/synthetic_tree.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <utility>
#include <vector>

// A new folder under /dev/shm (the temporary folder where that is missing).
std::string MakeScratchFolder();

// Runs record themselves in the user's state folder (so that they can be
// taken back): the benchmarks' runs record into scratch instead, never into
// a real user's records. Also for the programs the benchmark starts.
void RecordRunsIn(const std::string& scratch);

// Runs the program arguments[0] (found on PATH unless it is a path) with the
// rest as its arguments, standard input, output and error on /dev/null, as a
// script would; throws unless it ends with status 0. Returns what the child
// used, its maximum resident size among it.
rusage RunQuietly(const std::vector<std::string>& arguments);

// Work on one fresh tree: from the source folder into the target folder.
using TreeWork = std::function<void(const std::string& source, const std::string& target)>;
// The command line of fotomaz-verteilen for one fresh tree.
using CommandFor =
    std::function<std::vector<std::string>(const std::string& source, const std::string& target)>;

// Every file below root, as paths relative to it, sorted.
std::vector<std::string> FilesBelow(const std::string& root);

struct Timing {
  double seconds;
  size_t left;                      // files still in the source afterwards
  std::vector<std::string> targets; // the files under the target, relative, sorted
};

// Builds the tree of shape in scratch/quelle, times work(source, target)
// with an empty scratch/ziel, and removes both again. The folders are the
// same each time, so runs on them are comparable name for name.
template <typename Work>
Timing TimeOnFreshTree(const std::string& scratch, const TreeShape& shape, Work work) {
  namespace fs = std::filesystem;
  const std::string source = scratch + "/quelle", target = scratch + "/ziel";
  fs::create_directories(source);
  fs::create_directories(target);
  BuildSyntheticTree(source, shape);
  const auto start = std::chrono::steady_clock::now();
  work(source, target);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  Timing timing{elapsed.count(), FilesBelow(source).size(), FilesBelow(target)};
  fs::remove_all(source);
  fs::remove_all(target);
  return timing;
}

// The headless front end: the given options, nothing shown, yes to the
// start, and what stayed kept for a look afterwards.
class HeadlessFrontEnd final : public RunFrontEnd {
public:
  explicit HeadlessFrontEnd(RunOptions options) : options_(std::move(options)) {}
  RunOptions Options() override { return options_; }
  void SetStatusText(const std::string&) override {}
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void ProcessEvents() override {}
  void BeginWait() override {}
  void EndWait() override {}
  bool ConfirmStart(size_t) override { return true; }
  void NothingFound() override {}
  void Finished(const std::string&, const std::vector<FileOutcome>& stayed) override {
    stayed_ = stayed;
  }
  void RecordUnavailable(const std::string&) override {}
  void SourceBusy() override {}
  bool ConfirmUndo(const UndoScope&) override { return true; }
  void NothingToUndo() override {}
  void UndoFinished(const std::vector<FileOutcome>&) override {}

  const std::vector<FileOutcome>& Stayed() const { return stayed_; }

private:
  RunOptions options_;
  std::vector<FileOutcome> stayed_;
};
