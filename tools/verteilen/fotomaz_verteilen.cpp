// fotomaz-verteilen: the distribution run of the main window, without a
// window, for terminals, scripts and servers. See HelpText().

#include "app/core/distribution_run.h"
#include "fotomaz_identity.h"
#include "platform/modal.h"
#include "tools/verteilen/command_line.h"
#include "tools/verteilen/console.h"
#include "tools/verteilen/console_run.h"
#include "tools/verteilen/move_log.h"
#include "tools/verteilen/run_options.h"
#include "tools/verteilen/stop_signal.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

enum class ExitStatus {
  Finished = 0,   // the run finished, also when nothing was found
  RunFailed = 1,  // an error ended the run, or it did not start or was stopped
  BadRequest = 2, // bad usage, folders or files named on the command line
};

constexpr const char* ProgramName = "fotomaz-verteilen";

ExitStatus Refuse(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", ProgramName, message.c_str());
  return ExitStatus::BadRequest;
}

bool IsFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

ExitStatus Run(const CommandLine& line) {
  if (line.settingsFile && !IsFile(*line.settingsFile)) {
    return Refuse("Die Einstellungsdatei " + *line.settingsFile + " existiert nicht.");
  }
  const RunOptions options =
      ResolveRunOptions(line, line.settingsFile.value_or(DefaultSettingsPath()));
  if (const std::optional<std::string> problem = FolderProblem(options)) return Refuse(*problem);
  // A dry run changes nothing, so there is nothing to confirm.
  const bool assumeYes = line.assumeYes || line.dryRun;
  if (!assumeYes && !isatty(STDIN_FILENO)) {
    return Refuse("Ohne Terminal kann nicht nachgefragt werden; mit --ja startet die Arbeit "
                  "ohne Rückfrage.");
  }
  std::unique_ptr<MoveLog> log;
  if (line.logFile && !line.dryRun) {
    try {
      log = std::make_unique<MoveLog>(*line.logFile);
    } catch (const MoveLogError& error) {
      return Refuse(error.what());
    }
  }

  Console console(stdout, stderr, isatty(STDOUT_FILENO), isatty(STDERR_FILENO));
  ConsoleWindow window(options, console);
  ConsoleModal modal(console, assumeYes, stdin);
  SetModal(&modal);
  DistributionRun run(window, line.dryRun ? MoveMode::Plan : MoveMode::Move);
  InstallStopSignals();
  window.SetOnEvents([&run] {
    if (StopSignalled()) run.RequestStop();
  });
  if (line.dryRun) {
    run.SetMoveObserver([&console](const std::string& source, const std::string& target) {
      console.Output(MoveLine(source, " -> ", target));
    });
  } else if (log) {
    run.SetMoveObserver([&log](const std::string& source, const std::string& target) {
      log->Append(source, target);
    });
  }

  RunOutcome outcome;
  try {
    outcome = run.DistributeFiles();
  } catch (const MoveLogError& error) {
    // Its message ends in a path, which takes no full stop.
    console.Finish();
    console.Message(std::string(ProgramName) + ": " + error.what());
    return ExitStatus::RunFailed;
  } catch (const std::exception& error) {
    // As the window's error box shows it.
    console.Finish();
    console.Message(std::string(ProgramName) + ": " + ApplicationErrorText(error.what()));
    return ExitStatus::RunFailed;
  }
  console.Finish();
  switch (outcome) {
  case RunOutcome::Completed:
  case RunOutcome::NothingFound:
    return ExitStatus::Finished;
  case RunOutcome::Stopped:
    console.Message("Abgebrochen.");
    return ExitStatus::RunFailed;
  case RunOutcome::Declined:
  case RunOutcome::AlreadyRunning:
    break;
  }
  return ExitStatus::RunFailed;
}

} // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed =
      ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    Refuse(parsed.error);
    std::fprintf(stderr, "Hilfe: %s --hilfe\n", ProgramName);
    return static_cast<int>(ExitStatus::BadRequest);
  }
  if (parsed.options.help) {
    std::fputs(HelpText(), stdout);
    std::printf("\nEinstellungsdatei: %s\n",
                parsed.options.settingsFile.value_or(DefaultSettingsPath()).c_str());
    return static_cast<int>(ExitStatus::Finished);
  }
  if (parsed.options.version) {
    std::printf("%s %s\n", ProgramName, kFotomazVersion);
    return static_cast<int>(ExitStatus::Finished);
  }
  return static_cast<int>(Run(parsed.options));
}
