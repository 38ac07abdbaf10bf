#include "platform/program_path.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <unistd.h>

std::string ProgramFilePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
  if (n <= 0) return {};
  return std::string(path, static_cast<size_t>(n));
}

std::string ProgramDir() {
  const std::string exe = ProgramFilePath();
  return exe.substr(0, exe.rfind(kPathSeparator) + 1);
}

long CurrentProcessId() {
  return static_cast<long>(getpid());
}

bool ProcessRunning(long pid) {
  if (pid <= 0) return false;
  return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}
