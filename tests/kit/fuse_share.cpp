#include "tests/kit/fuse_share.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testkit {

namespace {

constexpr const char* kPython = "/usr/bin/python3";
// A mount takes well under a second; a loaded machine may take longer.
constexpr auto kMountWait = std::chrono::seconds(20);

dev_t DeviceOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

} // namespace

PassthroughShare::PassthroughShare() {
  const std::string backing = dir_.File("folder"), mountPoint = path();
  if (access("/dev/fuse", R_OK | W_OK) != 0) {
    missing_ = "no usable /dev/fuse on this machine";
    return;
  }
  if (std::system((std::string(kPython) + " -c 'import fusepy' 2>/dev/null").c_str()) != 0) {
    missing_ = "python3-fusepy is missing (scripts/install-deps.sh)";
    return;
  }
  if (mkdir(backing.c_str(), 0755) != 0 || mkdir(mountPoint.c_str(), 0755) != 0) {
    missing_ = "cannot make the share's folders";
    return;
  }
  const std::string log = dir_.File("share.log");
  process_ = fork();
  if (process_ == 0) {
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    execl(kPython, kPython, FOTOMAZ_SHARE_SCRIPT, backing.c_str(), mountPoint.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  const dev_t outside = DeviceOf(dir_.path());
  const auto deadline = std::chrono::steady_clock::now() + kMountWait;
  while (DeviceOf(mountPoint) == outside) {
    int status = 0;
    if (process_ < 0 || waitpid(process_, &status, WNOHANG) == process_ ||
        std::chrono::steady_clock::now() > deadline) {
      missing_ = "the share did not mount: " + ReadWholeFile(log);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  mounted_ = true;
}

PassthroughShare::~PassthroughShare() {
  if (mounted_) (void)!std::system(("fusermount3 -u '" + path() + "'").c_str());
  if (process_ <= 0) return;
  // Unmounted, the file system's process ends by itself.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  int status = 0;
  while (waitpid(process_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(process_, SIGKILL);
      waitpid(process_, &status, 0);
      if (mounted_) (void)!std::system(("umount -l '" + path() + "'").c_str());
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

} // namespace testkit
