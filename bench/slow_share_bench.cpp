#include "bench/slow_share_bench.h"

#include "bench/bench_syscalls.h"
#include "platform/directory_walk.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A mount takes well under a second; a loaded machine may take longer.
constexpr auto kMountWait = std::chrono::seconds(20);
// Unmounted, the share's process ends at once; one that hangs is killed.
constexpr auto kEndWait = std::chrono::seconds(10);
// What a run that asks as the floor does (its files at once) may reach: it
// asks a little more per file than the floor (its target folders, a look
// before the move).
constexpr double kAimedRatio = 2.0;

dev_t DeviceOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

std::string WholeFile(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// fotomaz-bench-share over scratch/teilung, mounted on scratch/langsam for
// the object's life.
class SlowShare {
public:
  SlowShare(const std::string& scratch, unsigned waitMs)
      : backing_(scratch + "/teilung"), mountPoint_(scratch + "/langsam") {
#ifndef FOTOMAZ_BENCH_SHARE
    (void)waitMs;
    missing_ = "fotomaz-bench-share is not built (libfuse3-dev, scripts/install-deps.sh)";
#else
    if (access("/dev/fuse", R_OK | W_OK) != 0) {
      missing_ = "no usable /dev/fuse on this machine";
      return;
    }
    fs::create_directories(backing_);
    fs::create_directories(mountPoint_);
    const std::string log = scratch + "/teilung.log", wait = std::to_string(waitMs);
    process_ = fork();
    if (process_ == 0) {
      const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
      dup2(out, STDOUT_FILENO);
      dup2(out, STDERR_FILENO);
      execl(FOTOMAZ_BENCH_SHARE, FOTOMAZ_BENCH_SHARE, backing_.c_str(), mountPoint_.c_str(),
            wait.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    const dev_t outside = DeviceOf(scratch);
    const auto deadline = std::chrono::steady_clock::now() + kMountWait;
    while (DeviceOf(mountPoint_) == outside) {
      int status = 0;
      const bool ended = process_ < 0 || waitpid(process_, &status, WNOHANG) == process_;
      if (ended || std::chrono::steady_clock::now() > deadline) {
        if (ended) process_ = -1; // else the destructor ends it
        missing_ = "the share did not mount: " + WholeFile(log);
        while (!missing_.empty() && missing_.back() == '\n')
          missing_.pop_back();
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
#endif
  }

  // SIGTERM ends the share's loop, which unmounts.
  ~SlowShare() {
    if (process_ <= 0) return;
    kill(process_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kEndWait;
    int status = 0;
    while (waitpid(process_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(process_, SIGKILL);
        waitpid(process_, &status, 0);
        (void)!std::system(("fusermount3 -u -z '" + mountPoint_ + "' 2>/dev/null").c_str());
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  SlowShare(const SlowShare&) = delete;
  SlowShare& operator=(const SlowShare&) = delete;

  // Why there is no share; empty once it is mounted.
  const std::string& Missing() const {
    return missing_;
  }
  // Where the trees are built (directly, not through the share) and where
  // the same folder is seen through the share.
  const std::string& Backing() const {
    return backing_;
  }
  std::string OnShare(const std::string& backingPath) const {
    return mountPoint_ + backingPath.substr(backing_.size());
  }

private:
  std::string backing_, mountPoint_;
  std::string missing_;
  pid_t process_ = -1;
};

// Every file below source, as the walk of any run finds them.
std::vector<std::string> FilesToMove(const std::string& source) {
  std::vector<std::string> files;
  WalkFolderTree(source, [&](const FolderContents& folder) {
    for (const auto& name : folder.files)
      files.push_back(folder.path + name);
  });
  return files;
}

// The least a run asks of a file: a look, its first 64 KiB, a rename into
// target under its own name, which is free there (the tree's names carry the
// file's number). A file that fails any step stays and counts as left.
void MoveAtFloor(const std::string& path, const std::string& target, std::vector<char>& buffer) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  const ssize_t count = read(fd, buffer.data(), buffer.size());
  close(fd);
  if (count < 0) return;
  rename(path.c_str(), (target + path.substr(path.rfind('/'))).c_str());
}

void SerialFloor(const std::string& source, const std::string& target) {
  std::vector<char> buffer(64 * 1024);
  for (const std::string& path : FilesToMove(source))
    MoveAtFloor(path, target, buffer);
}

void ParallelFloor(const std::string& source, const std::string& target) {
  const std::vector<std::string> files = FilesToMove(source);
  std::atomic<size_t> next{0};
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < kParallelFloorFiles; ++t) {
    threads.emplace_back([&] {
      std::vector<char> buffer(64 * 1024);
      for (size_t i = next++; i < files.size(); i = next++)
        MoveAtFloor(files[i], target, buffer);
    });
  }
  for (std::thread& thread : threads)
    thread.join();
}

void PrintTime(const char* label, double seconds, size_t files, const char* note) {
  std::printf("%-16s %.3f s  %.0f files/s%s\n", label, seconds,
              static_cast<double>(files) / seconds, note);
}

} // namespace

int RunSlowShareBench(const std::string& scratch, unsigned waitMs, const TreeShape& shape,
                      const TreeWork& run, const CommandFor& command) {
  std::optional<Timing> serial, parallel, timed;
  SystemCalls calls;
  {
    SlowShare share(scratch, waitMs);
    if (!share.Missing().empty()) {
      std::printf("slow share       not measured: %s\n", share.Missing().c_str());
      return 0;
    }
    // Each tree is built beside the share, where it costs no waits, and
    // worked on through it.
    const auto throughShare = [&](const TreeWork& work) {
      return TimeOnFreshTree(share.Backing(), shape,
                             [&](const std::string& source, const std::string& target) {
                               work(share.OnShare(source), share.OnShare(target));
                             });
    };
    serial = throughShare(SerialFloor);
    parallel = throughShare(ParallelFloor);
    timed = throughShare(run);
    calls = CountSystemCalls(share.Backing(), shape,
                             [&](const std::string& source, const std::string& target) {
                               return command(share.OnShare(source), share.OnShare(target));
                             });
  }
  std::printf("files            %zu on a share waiting %u ms per request\n", shape.files, waitMs);
  PrintTime("serial floor", serial->seconds, shape.files, "");
  char note[64];
  std::snprintf(note, sizeof note, " (%u files at a time)", kParallelFloorFiles);
  PrintTime("parallel floor", parallel->seconds, shape.files, note);
  PrintTime("run", timed->seconds, shape.files, "");
  std::printf("time run/serial  %.2f\n", timed->seconds / serial->seconds);
  std::printf("time run/parallel %.2f (at most %.1f)\n", timed->seconds / parallel->seconds,
              kAimedRatio);
  PrintSystemCalls(calls);
  if (serial->left != 0 || parallel->left != 0 || timed->left != 0 || calls.left != 0) {
    std::printf("not moved        serial floor %zu, parallel floor %zu, run %zu\n", serial->left,
                parallel->left, timed->left);
    return 1;
  }
  return 0;
}
