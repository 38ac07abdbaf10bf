#include "bench/identical_bench.h"

#include "run/distribution_run.h"
#include "bench/bench_tree.h"
#include "platform/directory_walk.h"
#include "platform/user_folders.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The run is repeatable (the copy stays where it is), so the best of a few
// tries shows its cost rather than the other work on the machine.
constexpr int kTries = 5;
constexpr size_t kReadChunk = 256 * 1024;
// The second run may take at most this many times the reading of both trees.
constexpr double kAllowedRatio = 1.5;

// Wall-clock and processor time (user and system) of this process.
struct Seconds {
  double wall = 0;
  double processor = 0;
};

Seconds Now() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now().time_since_epoch();
  return {wall.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// Times work; keeps the shorter of the time and best, by each measure.
template <typename Work> void TimeBest(Seconds& best, bool first, Work work) {
  const Seconds start = Now();
  work();
  const Seconds end = Now();
  const Seconds took{end.wall - start.wall, end.processor - start.processor};
  if (first || took.wall < best.wall) best.wall = took.wall;
  if (first || took.processor < best.processor) best.processor = took.processor;
}

// Walks each root and reads every file from start to end once; the bytes
// read.
uint64_t ReadEveryByte(const std::vector<std::string>& roots) {
  std::vector<char> buffer(kReadChunk);
  uint64_t bytes = 0;
  for (const std::string& root : roots) {
    WalkFolderTree(root, [&](const FolderContents& folder) {
      for (const std::string& name : folder.files) {
        const int fd = open((folder.path + name).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        for (ssize_t n; (n = read(fd, buffer.data(), buffer.size())) > 0;)
          bytes += static_cast<uint64_t>(n);
        close(fd);
      }
    });
  }
  return bytes;
}

RunOptions OptionsFor(const std::string& source, const std::string& target,
                      FolderStructure structure, bool skipIdentical) {
  RunOptions options;
  options.source = source + "/";
  options.target = target + "/";
  options.structure = structure;
  options.skipIdentical = skipIdentical;
  return options;
}

size_t CountFiles(const std::string& root) {
  size_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    count += entry.is_regular_file();
  return count;
}

} // namespace

int RunIdenticalBench(const std::string& scratch, const TreeShape& shape,
                      FolderStructure structure) {
  const std::string source = scratch + "/quelle", copy = scratch + "/kopie",
                    target = scratch + "/ziel";
  for (const std::string& folder : {source, copy, target})
    fs::create_directories(folder);
  BuildSyntheticTree(source, shape);
  HeadlessFrontEnd first(OptionsFor(source, target, structure, false));
  DistributionRun(first).DistributeFiles();
  if (CountFiles(source) != 0) throw std::runtime_error("the first run left files behind");
  BuildSyntheticTree(copy, shape);

  Seconds read, run;
  uint64_t readBytes = 0, compared = 0;
  size_t recognised = 0;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    TimeBest(read, attempt == 0, [&] { readBytes = ReadEveryByte({target, copy}); });
    HeadlessFrontEnd second(OptionsFor(copy, target, structure, true));
    DistributionRun distribution(second);
    distribution.RecordInto(RunRecordFolder()); // as the window and the command do
    TimeBest(run, attempt == 0, [&] { distribution.DistributeFiles(); });
    compared = distribution.ComparedBytes();
    recognised = static_cast<size_t>(
        std::count_if(second.Stayed().begin(), second.Stayed().end(), [](const FileOutcome& o) {
          return o.result == FileResult::AlreadyInTarget;
        }));
  }
  const size_t left = CountFiles(copy), sorted = CountFiles(target);

  std::printf("files              %zu\n", shape.files);
  std::printf("burst              %zu\n", shape.burst);
  std::printf("image bytes        %zu per file\n", shape.dataBytes);
  std::printf("read both trees    %.3f s  (processor %.3f s)  bytes read %llu\n", read.wall,
              read.processor, static_cast<unsigned long long>(readBytes));
  std::printf("second run         %.3f s  (processor %.3f s)  bytes read %llu to compare\n",
              run.wall, run.processor, static_cast<unsigned long long>(compared));
  std::printf("bytes run/read     %.2f\n",
              static_cast<double>(compared) / static_cast<double>(readBytes));
  std::printf("run/read           %.2f  (processor %.2f; at most %.1f)\n", run.wall / read.wall,
              run.processor / read.processor, kAllowedRatio);
  if (recognised != shape.files || left != shape.files || sorted != shape.files) {
    std::printf("not recognised     %zu of %zu (copy keeps %zu, target holds %zu)\n",
                shape.files - recognised, shape.files, left, sorted);
    return 1;
  }
  return 0;
}
