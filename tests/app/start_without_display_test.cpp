// The window program started without a display it can reach: one German
// line on standard error, exit status 1, and none of Qt's own lines.

#include "platform/display_probe.h"
#include "tests/kit/temp_files.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

// Runs the window program with this process's environment less the display
// and platform variables, plus extra.
Result RunWindowProgram(const std::vector<std::string>& extra) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    const std::string name = variable.substr(0, variable.find('='));
    if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM" &&
        name != "XDG_RUNTIME_DIR")
      environment.push_back(variable);
  }
  environment.insert(environment.end(), extra.begin(), extra.end());
  std::vector<char*> envp;
  for (std::string& variable : environment)
    envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string program = FOTOMAZ_WINDOW_PROGRAM;
  char* argv[] = {program.data(), nullptr};

  testkit::TempDir dir;
  const std::string out = dir.File("out"), err = dir.File("err");
  const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls between fork and exec.
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    execve(argv[0], argv, envp.data());
    _exit(127);
  }
  close(outFd);
  close(errFd);
  Result result;
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
    result.status = WEXITSTATUS(status);
  result.out = testkit::ReadWholeFile(out);
  result.err = testkit::ReadWholeFile(err);
  return result;
}

// A display number where no X server answers.
std::string SilentDisplay() {
  for (int number = 99; number < 200; ++number) {
    DisplaySettings settings;
    settings.platform = "xcb";
    settings.x11Display = ":" + std::to_string(number);
    if (ProbeDisplay(settings).answer == DisplayAnswer::NoAnswer) return settings.x11Display;
  }
  return {};
}

TEST(StartWithoutDisplayTest, OneGermanLineAndStatusOne) {
  testkit::TempDir runtime;
  const std::string silent = SilentDisplay();
  ASSERT_FALSE(silent.empty());
  const struct {
    std::vector<std::string> environment;
    std::string line;
  } cases[] = {
      {{"DISPLAY=" + silent},
       "Keine Verbindung zur Anzeige " + silent +
           ". Tamrel Fotomaz braucht eine Desktop-Sitzung.\n"},
      {{"WAYLAND_DISPLAY=wayland-7", "XDG_RUNTIME_DIR=" + runtime.path()},
       "Keine Verbindung zur Anzeige wayland-7. Tamrel Fotomaz braucht eine Desktop-Sitzung.\n"},
      {{},
       "Tamrel Fotomaz kann kein Fenster öffnen: keine Anzeige gefunden. Bitte in einer "
       "Desktop-Sitzung starten (DISPLAY oder WAYLAND_DISPLAY muss gesetzt sein).\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Result result = RunWindowProgram(c.environment);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, c.line);
    EXPECT_EQ(result.out, "");
  }
}

} // namespace
