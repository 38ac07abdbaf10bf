#include "bench/bench_cross_device.h"

#include "platform/cross_device_batch.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// A disk's flushes vary from one to the next; the median of a few tries
// keeps one slow flush from deciding the ratio.
constexpr int kTries = 3;
// The run may take at most this many times the floor.
constexpr double kAllowedRatio = 1.3;

double Median(std::array<double, kTries> seconds) {
  std::sort(seconds.begin(), seconds.end());
  return seconds[kTries / 2];
}

// The floor: copy keeping times and modes, flush the target's file system
// once, remove the sources (the folder itself comes back empty).
void CopyFlushRemove(const std::string& source, const std::string& target) {
  RunQuietly({"cp", "-a", source + "/.", target});
  RunQuietly({"sync", "-f", target});
  RunQuietly({"rm", "-r", source});
  fs::create_directory(source);
}

// The floor of a copy: the same without removing anything.
void CopyFlush(const std::string& source, const std::string& target) {
  RunQuietly({"cp", "-a", source + "/.", target});
  RunQuietly({"sync", "-f", target});
}

// The platform's batch mover alone on the same files, each into the same
// place below target as the copy above puts it: what the run's moves cost
// without the run around them.
void PlaceInBatches(const std::string& source, const std::string& target,
                    CrossDeviceBatch::Sources sources) {
  const MoveOutcome landed =
      sources == CrossDeviceBatch::Sources::Kept ? MoveOutcome::Copied : MoveOutcome::Moved;
  CrossDeviceBatch batch(
      [landed](const CommittedMove& move) {
        if (move.result.outcome != landed) throw std::runtime_error("not placed: " + move.from);
      },
      sources);
  for (const std::string& file : FilesBelow(source)) {
    fs::create_directories(fs::path(target + "/" + file).parent_path());
    const auto done = batch.Stage(source + "/" + file, target + "/" + file);
    if (done && done->outcome != landed) throw std::runtime_error("not placed: " + file);
  }
  batch.Commit();
}

} // namespace

int RunCrossDeviceBench(const std::string& scratch, const std::string& folder,
                        const TreeShape& shape, const TreeWork& run, bool copies) {
  struct stat scratchInfo {
  }, folderInfo{};
  if (stat(scratch.c_str(), &scratchInfo) != 0 || stat(folder.c_str(), &folderInfo) != 0 ||
      !S_ISDIR(folderInfo.st_mode)) {
    std::fprintf(stderr, "fotomaz-bench: %s is not a folder\n", folder.c_str());
    return 1;
  }
  if (scratchInfo.st_dev == folderInfo.st_dev) {
    std::fprintf(stderr, "fotomaz-bench: %s is on the file system of %s, nothing is copied\n",
                 folder.c_str(), scratch.c_str());
    return 1;
  }
  std::string base = folder + "/fotomaz-bench-XXXXXX";
  if (!mkdtemp(base.data())) throw std::runtime_error("cannot make a folder in " + folder);

  std::array<double, kTries> runSeconds{}, floorSeconds{}, batchSeconds{};
  size_t left = 0, missing = 0;
  // Each try starts with the target's file system flushed, so no try pays
  // for the writes (and removals) of the one before.
  const auto timeInto = [&](const TreeWork& work, double& seconds) {
    const std::string target = base + "/ziel";
    fs::create_directory(target);
    RunQuietly({"sync", "-f", base});
    const Timing timing =
        TimeOnFreshTree(scratch, shape, [&](const std::string& source, const std::string&) {
          work(source, target);
        });
    seconds = timing.seconds;
    left += timing.left;
    missing += shape.files - std::min(shape.files, FilesBelow(target).size());
    fs::remove_all(target);
  };
  try {
    for (int i = 0; i < kTries; ++i) {
      timeInto(run, runSeconds[i]);
      timeInto(copies ? CopyFlush : CopyFlushRemove, floorSeconds[i]);
      timeInto(
          [copies](const std::string& source, const std::string& target) {
            PlaceInBatches(source, target,
                           copies ? CrossDeviceBatch::Sources::Kept
                                  : CrossDeviceBatch::Sources::Removed);
          },
          batchSeconds[i]);
    }
  } catch (...) {
    fs::remove_all(base);
    throw;
  }
  fs::remove_all(base);

  const double runMedian = Median(runSeconds), floorMedian = Median(floorSeconds);
  const double batchMedian = Median(batchSeconds);
  const double megabytes = static_cast<double>(shape.files * shape.dataBytes) / 1048576.0;
  std::printf("files            %zu of %zu bytes image data, to %s\n", shape.files, shape.dataBytes,
              folder.c_str());
  std::printf(copies ? "copy+flush       %.3f s  %.0f MiB/s (median of %d)\n"
                     : "copy+flush+rm    %.3f s  %.0f MiB/s (median of %d)\n",
              floorMedian, megabytes / floorMedian, kTries);
  std::printf("run              %.3f s  %.0f MiB/s (median of %d)\n", runMedian,
              megabytes / runMedian, kTries);
  std::printf("batch mover      %.3f s  %.0f MiB/s (median of %d)\n", batchMedian,
              megabytes / batchMedian, kTries);
  std::printf("time run/floor   %.2f (at most %.1f)\n", runMedian / floorMedian, kAllowedRatio);
  std::printf("time batch/floor %.2f (at most %.1f)\n", batchMedian / floorMedian, kAllowedRatio);
  // A copy leaves every file in its source.
  if (copies) left = left == size_t{kTries} * 3 * shape.files ? 0 : left;
  if (left != 0 || missing != 0) {
    std::printf("not moved        %zu left in the source, %zu missing in the target\n", left,
                missing);
    return 1;
  }
  return 0;
}
