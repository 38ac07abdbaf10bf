// fotomaz-bench: times the distribution run against the floor of what any
// run must do per file, on identical synthetic trees, and counts the system
// calls per file of fotomaz-verteilen's run (with strace, where present);
// with --cli also times the command end to end; with --undo taking the run
// back against the run itself. With --identical it sorts a tree in, then an
// identical copy of it with files equal to those in the target left in the
// source, and times that second run against reading every byte of both trees
// once. With --memory it prints the maximum resident size per file of
// fotomaz-verteilen between 10,000 and N files, and the times of the run and
// the floor at a tenth and four tenths of N. With --cross-device DIR it
// moves files (by default 400 of 1 MiB) from tmpfs into DIR against cp -a,
// sync -f and rm of the same files (--kopieren: a copy run against cp -a and
// sync -f; --sicherung DIR2: a copy run into DIR and DIR2 against cp -a and
// sync -f of both). With --langsam MS it runs on a share that
// waits MS ms before each request (by default 300 files) against the least
// a run asks of it per file, one file after another and 16 at a time.
//
//   fotomaz-bench [N] [--structure I] [--burst K] [--bytes B] [--cli] [--undo]
//                 [--moderne] [--begleiter]
//                 | [--identical | --memory | --langsam MS
//                    | --cross-device DIR [--kopieren [--sicherung DIR2]]]
//
// --moderne mixes files of the phone and camera formats into the tree and
// runs with their capture dates read. --begleiter puts a third of the files
// into groups that belong together and runs with them moved as groups, and
// also without, on the same tree. --identical compares photo-sized files
// (by default 2000 files of 1 MiB image data), where reading the bytes
// outweighs the run's work per file.

#include "bench/bench_cross_device.h"
#include "bench/bench_memory.h"
#include "bench/bench_syscalls.h"
#include "bench/bench_tree.h"
#include "bench/identical_bench.h"
#include "bench/slow_share_bench.h"
#include "platform/directory_walk.h"
#include "platform/user_folders.h"
#include "run/distribution_run.h"
#include "run/undo_run.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The tree of the plain runs: many small files, so the work per file shows.
constexpr size_t kFiles = 20000;
constexpr size_t kDataBytes = 6000;
// The tree of --identical: photo-sized files, since recognising a file means
// reading it; with tiny files the run's own work per file (walk, date) would
// be all that is measured.
constexpr size_t kIdenticalFiles = 2000;
constexpr size_t kIdenticalDataBytes = 1 << 20;

struct Options {
  size_t files = 0;     // 0: the default of the mode
  size_t dataBytes = 0; // the same
  int structure = 1;
  size_t burst = 0;
  bool command = false;    // also time fotomaz-verteilen
  bool undo = false;       // also time taking the run back
  bool modern = false;     // the phone and camera formats in the tree and the run
  bool companions = false; // groups in the tree, moved as groups
  bool identical = false;  // time the recognition of files in the target instead
  bool memory = false;     // the resident size per file and the growth of the time instead
  std::string crossDevice; // time a move into this folder on another file system instead
  bool copy = false;       // with crossDevice: a copy run (kopiercb) instead of a move
  std::string backup;      // with copy: a second target below this folder (sicherunge)
  std::optional<unsigned> slowShare; // time the run on a share waiting this many ms instead
};

[[noreturn]] void Usage() {
  std::fprintf(
      stderr,
      "usage: fotomaz-bench [N] [--structure I] [--burst K] [--bytes B] [--cli] [--undo] "
      "[--moderne] [--begleiter] | [--identical | --memory | --cross-device DIR [--kopieren\n"
      "   [--sicherung DIR2]] | --langsam MS]\n"
      "  --memory needs N above %zu\n",
      kMemoryBaseFiles);
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto number = [&](const char* text) {
      char* end = nullptr;
      const long long value = std::strtoll(text, &end, 10);
      if (!text[0] || *end || value < 0) Usage();
      return value;
    };
    if (arg == "--structure" && i + 1 < argc) {
      options.structure = static_cast<int>(number(argv[++i]));
    } else if (arg == "--bytes" && i + 1 < argc) {
      options.dataBytes = static_cast<size_t>(number(argv[++i]));
      if (options.dataBytes == 0) Usage();
    } else if (arg == "--burst" && i + 1 < argc) {
      options.burst = static_cast<size_t>(number(argv[++i]));
    } else if (arg == "--cli") {
      options.command = true;
    } else if (arg == "--undo") {
      options.undo = true;
    } else if (arg == "--moderne") {
      options.modern = true;
    } else if (arg == "--begleiter") {
      options.companions = true;
    } else if (arg == "--identical") {
      options.identical = true;
    } else if (arg == "--memory") {
      options.memory = true;
    } else if (arg == "--kopieren") {
      options.copy = true;
    } else if (arg == "--sicherung" && i + 1 < argc && argv[i + 1][0]) {
      options.backup = argv[++i];
    } else if (arg == "--cross-device" && i + 1 < argc && argv[i + 1][0]) {
      options.crossDevice = argv[++i];
    } else if (arg == "--langsam" && i + 1 < argc) {
      options.slowShare = static_cast<unsigned>(number(argv[++i]));
      if (*options.slowShare > kLongestShareWaitMs) Usage();
    } else if (arg[0] != '-') {
      options.files = static_cast<size_t>(number(arg.c_str()));
      if (options.files == 0) Usage();
    } else {
      Usage();
    }
  }
  const bool crossDevice = !options.crossDevice.empty();
  const bool slowShare = options.slowShare.has_value();
  if (options.identical + options.memory + crossDevice + slowShare > 1) Usage();
  if ((options.identical || options.memory || crossDevice || slowShare) &&
      (options.command || options.undo))
    Usage();
  if (options.identical && (options.modern || options.companions)) Usage();
  if (options.copy && !crossDevice) Usage();
  if (!options.backup.empty() && !options.copy) Usage();
  if (options.files == 0) {
    options.files = options.identical ? kIdenticalFiles
                    : crossDevice     ? kCrossDeviceFiles
                    : slowShare       ? kSlowShareFiles
                                      : kFiles;
  }
  if (options.dataBytes == 0) {
    options.dataBytes = options.identical ? kIdenticalDataBytes
                        : crossDevice     ? kCrossDeviceDataBytes
                                          : kDataBytes;
  }
  if (options.memory && options.files <= kMemoryBaseFiles) Usage();
  return options;
}

// The least any run does per file: open, read the first 64 KiB, close, stat,
// create its year/month folder once, rename without replacing. The walk
// that finds the files is part of it.
void RunFloor(const std::string& source, const std::string& target) {
  std::vector<std::string> files;
  WalkFolderTree(source, [&](const FolderContents& folder) {
    for (const auto& name : folder.files)
      files.push_back(folder.path + name);
  });
  std::vector<char> buffer(64 * 1024);
  std::set<std::string> created;
  for (const std::string& path : files) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    if (read(fd, buffer.data(), buffer.size()) < 0) std::perror("read");
    close(fd);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) continue;
    std::tm local{};
    localtime_r(&st.st_mtime, &local);
    char month[32];
    std::snprintf(month, sizeof month, "/%04d/%02d", local.tm_year + 1900, local.tm_mon + 1);
    const std::string folder = target + month;
    if (created.insert(folder).second) fs::create_directories(folder);
    const std::string name = path.substr(path.rfind('/'));
    renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, (folder + name).c_str(), RENAME_NOREPLACE);
  }
}

// The command line of fotomaz-verteilen with the options of the run above
// (all given, so no settings file counts), as a script would run it.
std::vector<std::string> CommandArguments(const std::string& source, const std::string& target,
                                          const Options& options, const std::string& settings) {
  return {FOTOMAZ_VERTEILEN,
          "--einstellungen",
          settings,
          "--quelle",
          source,
          "--ziel",
          target,
          "--dateien",
          "bilder,videos",
          "--umbenennen",
          "ja",
          "--originalname",
          "nein",
          "--ordner",
          StructureWord(StructureFromIndex(options.structure)),
          "--moderne",
          options.modern ? "ja" : "nein",
          "--begleiter",
          options.companions ? "ja" : "nein",
          "--ja"};
}

// The run's options for one fresh tree, as the bench's options ask.
RunOptions RunOptionsFor(const Options& options, const std::string& source,
                         const std::string& target) {
  RunOptions runOptions;
  runOptions.source = source + "/";
  runOptions.target = target + "/";
  runOptions.structure = StructureFromIndex(options.structure);
  runOptions.modernFormats = options.modern;
  runOptions.companions = options.companions;
  runOptions.copy = options.copy;
  return runOptions;
}

// The run in this process, recorded as the window and the command record it.
TreeWork RunWith(const Options& options) {
  return [options](const std::string& source, const std::string& target) {
    HeadlessFrontEnd frontEnd(RunOptionsFor(options, source, target));
    DistributionRun run(frontEnd);
    run.RecordInto(RunRecordFolder());
    run.DistributeFiles();
  };
}

} // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const TreeShape shape{options.files, options.burst, options.dataBytes,
                        options.modern ? FOTOMAZ_FORMAT_SAMPLES_DIR : "", options.companions};
  const std::string scratch = MakeScratchFolder();
  RecordRunsIn(scratch);
  const std::string settings = scratch + "/leer.ini";
  const CommandFor commandFor = [&](const std::string& source, const std::string& target) {
    return CommandArguments(source, target, options, settings);
  };
  try {
    std::fclose(std::fopen(settings.c_str(), "w"));
    std::optional<int> status;
    if (options.identical) {
      status = RunIdenticalBench(scratch, shape, StructureFromIndex(options.structure));
    } else if (options.memory) {
      status = RunMemoryBench(scratch, shape, commandFor, RunFloor, RunWith(options));
    } else if (!options.crossDevice.empty()) {
      status = RunCrossDeviceBench(
          scratch, options.crossDevice, shape,
          [&options](const std::string& source, const std::string& target,
                     const std::string& backup) {
            RunOptions runOptions = RunOptionsFor(options, source, target);
            if (!backup.empty()) runOptions.backup = backup + "/";
            HeadlessFrontEnd frontEnd(runOptions);
            DistributionRun run(frontEnd);
            run.RecordInto(RunRecordFolder());
            run.DistributeFiles();
          },
          options.copy, options.backup);
    } else if (options.slowShare) {
      status = RunSlowShareBench(scratch, *options.slowShare, shape, RunWith(options), commandFor);
    }
    if (status) {
      fs::remove_all(scratch);
      return *status;
    }
    const Timing floor = TimeOnFreshTree(scratch, shape, RunFloor);
    const Timing run = TimeOnFreshTree(scratch, shape, RunWith(options));
    // The same tree run without groups.
    std::optional<Timing> single;
    if (options.companions) {
      Options without = options;
      without.companions = false;
      single = TimeOnFreshTree(scratch, shape, RunWith(without));
    }
    // A run and its undo on one tree, each timed.
    std::optional<double> undoSeconds;
    size_t notBack = 0;
    double undoneRunSeconds = 0;
    if (options.undo) {
      TimeOnFreshTree(scratch, shape, [&](const std::string& source, const std::string& target) {
        HeadlessFrontEnd frontEnd(RunOptionsFor(options, source, target));
        DistributionRun run(frontEnd);
        run.RecordInto(RunRecordFolder());
        const auto start = std::chrono::steady_clock::now();
        run.DistributeFiles();
        const auto between = std::chrono::steady_clock::now();
        UndoRun undo(frontEnd, RunRecordFolder());
        undo.TakeBack();
        const std::chrono::duration<double> runTime = between - start;
        const std::chrono::duration<double> undoTime = std::chrono::steady_clock::now() - between;
        undoneRunSeconds = runTime.count();
        undoSeconds = undoTime.count();
        notBack = options.files - FilesBelow(source).size();
      });
    }
    std::optional<Timing> command;
    if (options.command) {
      command = TimeOnFreshTree(scratch, shape,
                                [&](const std::string& source, const std::string& target) {
                                  RunQuietly(commandFor(source, target));
                                });
    }
    const SystemCalls calls = CountSystemCalls(scratch, shape, commandFor);
    fs::remove_all(scratch);
    const double n = static_cast<double>(options.files);
    std::printf("files            %zu\n", options.files);
    std::printf("structure        %d\n", options.structure);
    std::printf("burst            %zu\n", options.burst);
    std::printf("bytes            %zu\n", options.dataBytes);
    std::printf("floor            %.3f s  %.0f files/s\n", floor.seconds, n / floor.seconds);
    std::printf("run              %.3f s  %.0f files/s\n", run.seconds, n / run.seconds);
    std::printf("run/floor        %.2f\n", floor.seconds / run.seconds);
    if (single) {
      std::printf("run without      %.3f s  %.0f files/s\n", single->seconds, n / single->seconds);
      std::printf("run/without      %.2f\n", single->seconds / run.seconds);
    }
    if (command) {
      std::printf("command          %.3f s  %.0f files/s\n", command->seconds,
                  n / command->seconds);
      std::printf("command/run      %.2f\n", run.seconds / command->seconds);
    }
    if (undoSeconds) {
      std::printf("run (undone)     %.3f s  %.0f files/s\n", undoneRunSeconds,
                  n / undoneRunSeconds);
      std::printf("undo             %.3f s  %.0f files/s\n", *undoSeconds, n / *undoSeconds);
      std::printf("undo/run         %.2f\n", *undoSeconds / undoneRunSeconds);
      if (notBack != 0) std::printf("not back         %zu\n", notBack);
    }
    PrintSystemCalls(calls);
    const size_t commandLeft = command ? command->left : 0;
    const size_t singleLeft = single ? single->left : 0;
    if (floor.left != 0 || run.left != 0 || commandLeft != 0 || singleLeft != 0 ||
        calls.left != 0) {
      std::printf("not moved        floor %zu, run %zu, command %zu\n", floor.left, run.left,
                  commandLeft);
      return 1;
    }
  } catch (const std::exception& e) {
    fs::remove_all(scratch);
    std::fprintf(stderr, "fotomaz-bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
