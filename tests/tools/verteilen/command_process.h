#pragma once
// Running fotomaz-verteilen as a user would: a child process with its
// standard output and error caught in files, and its standard input either
// empty (no terminal) or a pseudo terminal that types the given answer.

#include <ctime>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace clitest {

struct CommandResult {
  int status = -1; // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

class CommandProcess {
public:
  // Starts program with arguments. With terminalInput the standard input is
  // a terminal on which terminalInput has been typed.
  CommandProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::optional<std::string>& terminalInput = std::nullopt);
  ~CommandProcess();
  CommandProcess(const CommandProcess&) = delete;
  CommandProcess& operator=(const CommandProcess&) = delete;

  pid_t Pid() const { return pid_; }
  // What the program has written to standard error so far.
  std::string ErrorSoFar() const;
  CommandResult Wait();

private:
  std::string outPath_, errPath_;
  int terminal_ = -1; // the pseudo terminal's controlling side
  pid_t pid_ = -1;
};

// Runs the built fotomaz-verteilen to its end.
CommandResult RunVerteilen(const std::vector<std::string>& arguments,
                           const std::optional<std::string>& terminalInput = std::nullopt);

// Every file and folder below root with each file's size, sorted: equal
// snapshots mean nothing was moved, created or removed.
std::vector<std::string> TreeSnapshot(const std::string& root);

} // namespace clitest
