#include "tests/tools/verteilen/command_process.h"

#include "tests/kit/temp_files.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace clitest {

namespace fs = std::filesystem;

namespace {

std::string TempOutputPath(const char* kind) {
  std::string pattern = (fs::temp_directory_path() / "fotomaz-cli-").string() + kind + "-XXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd < 0) throw std::runtime_error("cannot make an output file");
  close(fd);
  return pattern;
}

// In the child: the pseudo terminal named path becomes the controlling
// terminal and the standard input.
void UseTerminalAsInput(const char* path) {
  setsid();
  const int fd = open(path, O_RDWR);
  if (fd < 0) _exit(126);
  dup2(fd, STDIN_FILENO);
  close(fd);
}

void RedirectOutput(const std::string& path, int target) {
  const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) _exit(126);
  dup2(fd, target);
  close(fd);
}

} // namespace

CommandProcess::CommandProcess(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::optional<std::string>& terminalInput)
    : outPath_(TempOutputPath("out")), errPath_(TempOutputPath("err")) {
  std::string terminalPath;
  if (terminalInput) {
    terminal_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal_ < 0 || grantpt(terminal_) != 0 || unlockpt(terminal_) != 0) {
      throw std::runtime_error("no pseudo terminal");
    }
    terminalPath = ptsname(terminal_);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("cannot start " + program);
  if (pid_ == 0) {
    if (terminalInput) {
      UseTerminalAsInput(terminalPath.c_str());
    } else {
      RedirectOutput("/dev/null", STDIN_FILENO);
    }
    RedirectOutput(outPath_, STDOUT_FILENO);
    RedirectOutput(errPath_, STDERR_FILENO);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  // Typed ahead: the terminal keeps it until the program reads.
  if (terminalInput && write(terminal_, terminalInput->data(), terminalInput->size()) < 0) {
    throw std::runtime_error("cannot type on the terminal");
  }
}

CommandProcess::~CommandProcess() {
  if (pid_ > 0) Wait();
  if (terminal_ >= 0) close(terminal_);
  unlink(outPath_.c_str());
  unlink(errPath_.c_str());
}

std::string CommandProcess::ErrorSoFar() const {
  return testkit::ReadWholeFile(errPath_);
}

CommandResult CommandProcess::Wait() {
  CommandResult result;
  int status = 0;
  if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) {
    result.status = WEXITSTATUS(status);
  }
  pid_ = -1;
  result.out = testkit::ReadWholeFile(outPath_);
  result.err = testkit::ReadWholeFile(errPath_);
  return result;
}

CommandResult RunVerteilen(const std::vector<std::string>& arguments,
                           const std::optional<std::string>& terminalInput) {
  return CommandProcess(FOTOMAZ_VERTEILEN, arguments, terminalInput).Wait();
}

std::vector<std::string> TreeSnapshot(const std::string& root) {
  std::vector<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string line = fs::relative(entry.path(), root).string();
    if (entry.is_regular_file()) line += " " + std::to_string(entry.file_size());
    entries.push_back(line);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

} // namespace clitest
