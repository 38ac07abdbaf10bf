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
// A copy into two targets against cp -a into both: the run also reads every
// copy back from its device.
constexpr double kAllowedRatioTwoTargets = 2.6;

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

// The floor of a copy: the same without removing anything; with a second
// target, into both, each flushed.
void CopyFlush(const std::string& source, const std::string& target, const std::string& backup) {
  RunQuietly({"cp", "-a", source + "/.", target});
  if (!backup.empty()) RunQuietly({"cp", "-a", source + "/.", backup});
  RunQuietly({"sync", "-f", target});
  if (!backup.empty()) RunQuietly({"sync", "-f", backup});
}

// The platform's batch mover alone on the same files, each into the same
// place below target as the copy above puts it: what the run's moves cost
// without the run around them.
void PlaceInBatches(const std::string& source, const std::string& target, const std::string& backup,
                    CrossDeviceBatch::Sources sources) {
  const MoveOutcome landed =
      sources == CrossDeviceBatch::Sources::Kept ? MoveOutcome::Copied : MoveOutcome::Moved;
  CrossDeviceBatch batch(
      [landed](const CommittedMove& move) {
        if (move.result.outcome != landed) throw std::runtime_error("not placed: " + move.from);
      },
      sources);
  for (const std::string& file : FilesBelow(source)) {
    // The second copy first, as the run stages it.
    for (const std::string* root : {&backup, &target}) {
      if (root->empty()) continue;
      fs::create_directories(fs::path(*root + "/" + file).parent_path());
      const auto done = batch.Stage(source + "/" + file, *root + "/" + file);
      if (done && done->outcome != landed) throw std::runtime_error("not placed: " + file);
    }
  }
  batch.Commit();
}

} // namespace

int RunCrossDeviceBench(const std::string& scratch, const std::string& folder,
                        const TreeShape& shape, const CrossDeviceRun& run, bool copies,
                        const std::string& backupFolder) {
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
  std::string backupBase;
  if (!backupFolder.empty()) {
    backupBase = backupFolder + "/fotomaz-bench-XXXXXX";
    if (!mkdtemp(backupBase.data())) {
      fs::remove_all(base);
      throw std::runtime_error("cannot make a folder in " + backupFolder);
    }
  }
  const auto removeBases = [&] {
    fs::remove_all(base);
    if (!backupBase.empty()) fs::remove_all(backupBase);
  };

  std::array<double, kTries> runSeconds{}, floorSeconds{}, batchSeconds{};
  size_t left = 0, missing = 0;
  // Each try starts with the target's file system flushed, so no try pays
  // for the writes (and removals) of the one before.
  const auto timeInto = [&](const CrossDeviceRun& work, double& seconds) {
    const std::string target = base + "/ziel";
    const std::string backup = backupBase.empty() ? std::string() : backupBase + "/sicherung";
    fs::create_directory(target);
    RunQuietly({"sync", "-f", base});
    if (!backup.empty()) {
      fs::create_directory(backup);
      RunQuietly({"sync", "-f", backupBase});
    }
    const Timing timing =
        TimeOnFreshTree(scratch, shape, [&](const std::string& source, const std::string&) {
          work(source, target, backup);
        });
    seconds = timing.seconds;
    left += timing.left;
    missing += shape.files - std::min(shape.files, FilesBelow(target).size());
    fs::remove_all(target);
    if (!backup.empty()) {
      missing += shape.files - std::min(shape.files, FilesBelow(backup).size());
      fs::remove_all(backup);
    }
  };
  try {
    for (int i = 0; i < kTries; ++i) {
      timeInto(run, runSeconds[i]);
      timeInto(
          copies ? CrossDeviceRun(CopyFlush)
                 : [](const std::string& source, const std::string& target,
                      const std::string&) { CopyFlushRemove(source, target); },
          floorSeconds[i]);
      timeInto(
          [copies](const std::string& source, const std::string& target,
                   const std::string& backup) {
            PlaceInBatches(source, target, backup,
                           copies ? CrossDeviceBatch::Sources::Kept
                                  : CrossDeviceBatch::Sources::Removed);
          },
          batchSeconds[i]);
    }
  } catch (...) {
    removeBases();
    throw;
  }
  removeBases();

  const double runMedian = Median(runSeconds), floorMedian = Median(floorSeconds);
  const double batchMedian = Median(batchSeconds);
  const double megabytes = static_cast<double>(shape.files * shape.dataBytes) / 1048576.0;
  const bool two = !backupFolder.empty();
  std::printf("files            %zu of %zu bytes image data, to %s%s%s\n", shape.files,
              shape.dataBytes, folder.c_str(), two ? " and " : "", backupFolder.c_str());
  std::printf(two      ? "copy+flush x2    %.3f s  %.0f MiB/s (median of %d)\n"
              : copies ? "copy+flush       %.3f s  %.0f MiB/s (median of %d)\n"
                       : "copy+flush+rm    %.3f s  %.0f MiB/s (median of %d)\n",
              floorMedian, megabytes / floorMedian, kTries);
  std::printf("run              %.3f s  %.0f MiB/s (median of %d)\n", runMedian,
              megabytes / runMedian, kTries);
  std::printf("batch mover      %.3f s  %.0f MiB/s (median of %d)\n", batchMedian,
              megabytes / batchMedian, kTries);
  // Two targets: each byte is written, flushed and read back twice.
  const double allowed = two ? kAllowedRatioTwoTargets : kAllowedRatio;
  std::printf("time run/floor   %.2f (at most %.1f)\n", runMedian / floorMedian, allowed);
  std::printf("time batch/floor %.2f (at most %.1f)\n", batchMedian / floorMedian, allowed);
  // A copy leaves every file in its source.
  if (copies) left = left == size_t{kTries} * 3 * shape.files ? 0 : left;
  if (left != 0 || missing != 0) {
    std::printf("not moved        %zu left in the source, %zu missing in the target\n", left,
                missing);
    return 1;
  }
  return 0;
}
