#include "bench/bench_memory.h"

#include <cstdio>

namespace {

// The bound per file the run is held to, and the most its time may grow
// beyond the floor's from a tenth to four tenths of the files.
constexpr double kAllowedBytesPerFile = 150;
constexpr double kAllowedGrowth = 1.10;

struct Resident {
  size_t bytes = 0; // maximum resident size of the command
  size_t left = 0;  // files still in the source afterwards
};

Resident ResidentOnTree(const std::string& scratch, TreeShape shape, size_t files,
                        const CommandFor& command) {
  shape.files = files;
  Resident resident;
  resident.left =
      TimeOnFreshTree(scratch, shape, [&](const std::string& source, const std::string& target) {
        resident.bytes = static_cast<size_t>(RunQuietly(command(source, target)).ru_maxrss) * 1024;
      }).left;
  return resident;
}

Timing TimeOnTree(const std::string& scratch, TreeShape shape, size_t files, const TreeWork& work) {
  shape.files = files;
  return TimeOnFreshTree(scratch, shape, work);
}

} // namespace

int RunMemoryBench(const std::string& scratch, const TreeShape& shape, const CommandFor& command,
                   const TreeWork& floor, const TreeWork& run) {
  const size_t small = shape.files / 10, large = shape.files * 4 / 10;
  const Resident base = ResidentOnTree(scratch, shape, kMemoryBaseFiles, command);
  const Resident full = ResidentOnTree(scratch, shape, shape.files, command);
  const Timing floorSmall = TimeOnTree(scratch, shape, small, floor);
  const Timing runSmall = TimeOnTree(scratch, shape, small, run);
  const Timing floorLarge = TimeOnTree(scratch, shape, large, floor);
  const Timing runLarge = TimeOnTree(scratch, shape, large, run);

  const double perFile = (static_cast<double>(full.bytes) - static_cast<double>(base.bytes)) /
                         static_cast<double>(shape.files - kMemoryBaseFiles);
  const double runGrowth = runLarge.seconds / runSmall.seconds;
  const double floorGrowth = floorLarge.seconds / floorSmall.seconds;
  std::printf("files            %zu\n", shape.files);
  std::printf("bytes            %zu\n", shape.dataBytes);
  std::printf("max resident     %.1f MiB at %zu, %.1f MiB at %zu (fotomaz-verteilen)\n",
              base.bytes / 1048576.0, kMemoryBaseFiles, full.bytes / 1048576.0, shape.files);
  std::printf("per file         %.0f bytes (at most %.0f)\n", perFile, kAllowedBytesPerFile);
  std::printf("floor            %.3f s at %zu, %.3f s at %zu: x%.2f\n", floorSmall.seconds, small,
              floorLarge.seconds, large, floorGrowth);
  std::printf("run              %.3f s at %zu, %.3f s at %zu: x%.2f\n", runSmall.seconds, small,
              runLarge.seconds, large, runGrowth);
  std::printf("growth run/floor %.2f (at most %.2f)\n", runGrowth / floorGrowth, kAllowedGrowth);
  const size_t left =
      base.left + full.left + floorSmall.left + runSmall.left + floorLarge.left + runLarge.left;
  if (left != 0) {
    std::printf("not moved        %zu\n", left);
    return 1;
  }
  return 0;
}
