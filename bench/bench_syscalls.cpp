#include "bench/bench_syscalls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

// Calls rarer than this per file go into one line, as they are the
// program's start and the run's once-per-run work, not its work per file.
constexpr double kShownPerFile = 0.05;

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');)
    if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
  return false;
}

// The rows of strace -c's table: "% time seconds usecs/call calls [errors]
// syscall", between the dashed line under the heading and the one above the
// total.
std::vector<CallCount> ReadSummary(const std::string& file) {
  std::ifstream in(file);
  std::vector<CallCount> byName;
  int dashedLines = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("------")) {
      ++dashedLines;
      continue;
    }
    if (dashedLines != 1) continue;
    std::istringstream row(line);
    std::vector<std::string> words;
    for (std::string word; row >> word;)
      words.push_back(word);
    if (words.size() != 5 && words.size() != 6)
      throw std::runtime_error("unexpected strace line: " + line);
    byName.push_back(
        {words.back(), std::stoull(words[3]), words.size() == 6 ? std::stoull(words[4]) : 0});
  }
  std::stable_sort(byName.begin(), byName.end(),
                   [](const auto& a, const auto& b) { return a.calls > b.calls; });
  return byName;
}

} // namespace

SystemCalls CountSystemCalls(const std::string& scratch, const TreeShape& shape,
                             const CommandFor& command) {
  SystemCalls calls;
  calls.files = shape.files;
  if (!OnPath("strace")) {
    calls.notCounted = "strace is not available";
    return calls;
  }
  const std::string summary = scratch + "/strace.txt";
  bool traced = true;
  const Timing timing =
      TimeOnFreshTree(scratch, shape, [&](const std::string& source, const std::string& target) {
        std::vector<std::string> arguments = {"strace", "-c", "-f", "-o", summary};
        const std::vector<std::string> run = command(source, target);
        arguments.insert(arguments.end(), run.begin(), run.end());
        try {
          RunQuietly(arguments);
        } catch (const std::runtime_error&) {
          traced = false; // strace may not trace here (no ptrace), or the run failed
        }
      });
  if (!traced) {
    calls.notCounted = "strace or the traced run failed";
    return calls;
  }
  calls.left = timing.left;
  calls.byName = ReadSummary(summary);
  return calls;
}

void PrintSystemCalls(const SystemCalls& calls) {
  if (!calls.notCounted.empty()) {
    std::printf("system calls     not counted: %s\n", calls.notCounted.c_str());
    return;
  }
  const double n = static_cast<double>(calls.files);
  uint64_t total = 0, rare = 0, rareFailed = 0;
  for (const CallCount& call : calls.byName) {
    total += call.calls;
    if (call.calls / n < kShownPerFile) {
      rare += call.calls;
      rareFailed += call.failed;
    }
  }
  std::printf("system calls     %.2f per file (fotomaz-verteilen under strace -c -f)\n", total / n);
  const auto line = [n](const std::string& name, uint64_t count, uint64_t failed) {
    std::printf("  %-14s %.2f", name.c_str(), count / n);
    if (failed != 0) std::printf("  (%.2f failed)", failed / n);
    std::printf("\n");
  };
  for (const CallCount& call : calls.byName)
    if (call.calls / n >= kShownPerFile) line(call.name, call.calls, call.failed);
  line("the rest", rare, rareFailed);
  if (calls.left != 0) std::printf("not moved        %zu under strace\n", calls.left);
}
