#include "bench/bench_tree.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

void RecordRunsIn(const std::string& scratch) {
  setenv("XDG_STATE_HOME", (scratch + "/zustand").c_str(), 1);
}

std::string MakeScratchFolder() {
  const std::string base =
      fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string();
  std::string pattern = base + "/fotomaz-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  return pattern;
}

std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
  std::sort(files.begin(), files.end());
  return files;
}

rusage RunQuietly(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot start " + arguments.at(0));
  if (child == 0) {
    const int null = open("/dev/null", O_RDWR);
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
      dup2(null, fd);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error(arguments.at(0) + " failed");
  }
  return usage;
}
