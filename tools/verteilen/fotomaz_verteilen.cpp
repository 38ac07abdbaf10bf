// fotomaz-verteilen: the distribution run of the main window, without a
// window, for terminals, scripts and servers, and taking a run back. See
// HelpText().

#include "fotomaz_identity.h"
#include "platform/file_info.h"
#include "platform/modal.h"
#include "platform/settings_location.h"
#include "platform/user_folders.h"
#include "run/distribution_run.h"
#include "run/run_options.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "tools/verteilen/command_line.h"
#include "tools/verteilen/console.h"
#include "tools/verteilen/console_run.h"
#include "tools/verteilen/move_log.h"
#include "tools/verteilen/run_options.h"
#include "tools/verteilen/stop_signal.h"
#include "tools/verteilen/test_hooks.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

enum class ExitStatus {
  Finished = 0,    // the run finished, also when nothing was found
  RunFailed = 1,   // an error ended the run, or it did not start or was stopped
  BadRequest = 2,  // bad usage, folders or files named on the command line, or another
                   // run works with the source folder
  FilesStayed = 3, // the run finished, but not every file could be moved (files found
                   // in the target already do not count)
};

// Every file that stayed, one line each: first those that could not be
// moved, with their reasons, then those that lay in the target already.
void ReportStayed(Console& console, const std::vector<FileOutcome>& stayed, RunMode mode) {
  for (const FileOutcome& outcome : stayed) {
    if (outcome.result == FileResult::Stayed) console.Message(StayedLine(outcome, mode));
  }
  for (const FileOutcome& outcome : stayed) {
    if (outcome.result == FileResult::AlreadyInTarget)
      console.Message(AlreadyInTargetLine(outcome));
  }
}

constexpr const char* ProgramName = "fotomaz-verteilen";

// How the job placed its files, for the words of what stayed.
RunMode PlacingOf(const DistributionRun& run) {
  return run.Mode();
}
RunMode PlacingOf(const UndoRun&) {
  return RunMode::Real;
}

ExitStatus Refuse(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", ProgramName, message.c_str());
  return ExitStatus::BadRequest;
}

bool IsFile(const std::string& path) {
  const std::optional<FileStatus> found = StatusOf(path);
  return found && found->regular;
}

// Runs work (a distribution or an undo) and turns its outcome into the exit
// status; every file that stayed is named first, whatever ended the work.
// whenNothingFound: a distribution that found nothing has finished; an undo
// that found nothing to take back could not do what was asked.
template <class Work, class Job>
ExitStatus Finish(Console& console, Job& job, Work work, ExitStatus whenNothingFound) {
  RunOutcome outcome;
  try {
    outcome = work();
  } catch (const MoveLogError& error) {
    // Its message ends in a path, which takes no full stop.
    console.Finish();
    ReportStayed(console, job.StayedFiles(), PlacingOf(job));
    console.Message(std::string(ProgramName) + ": " + error.what());
    return ExitStatus::RunFailed;
  } catch (const std::exception& error) {
    // As the window's error box shows it.
    console.Finish();
    ReportStayed(console, job.StayedFiles(), PlacingOf(job));
    console.Message(std::string(ProgramName) + ": " + ApplicationErrorText(error.what()));
    return ExitStatus::RunFailed;
  }
  console.Finish();
  ReportStayed(console, job.StayedFiles(), PlacingOf(job));
  switch (outcome) {
  case RunOutcome::NothingFound:
    if (whenNothingFound != ExitStatus::Finished) return whenNothingFound;
    [[fallthrough]];
  case RunOutcome::Completed:
    return AnyFailed(job.StayedFiles()) ? ExitStatus::FilesStayed : ExitStatus::Finished;
  case RunOutcome::Stopped:
    console.Message("Abgebrochen.");
    return ExitStatus::RunFailed;
  case RunOutcome::NotRecorded:
  case RunOutcome::SourceBusy:
    return ExitStatus::BadRequest;
  case RunOutcome::Declined:
  case RunOutcome::AlreadyRunning:
    break;
  }
  return ExitStatus::RunFailed;
}

ExitStatus Run(const CommandLine& line) {
  if (line.settingsFile && !IsFile(*line.settingsFile)) {
    return Refuse("Die Einstellungsdatei " + *line.settingsFile + " existiert nicht.");
  }
  const RunOptions options =
      ResolveRunOptions(line, line.settingsFile.value_or(SettingsFilePath()));
  // Taking a run back needs no folders: the record names them.
  if (!line.undoRecord) {
    if (const FolderCheck check = CheckFolders(options); check != FolderCheck::Ready) {
      return Refuse(FolderCheckText(check));
    }
  }
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
  ConsoleFrontEnd frontEnd(options, console, assumeYes, stdin, line.dryRun, log.get());
  const RunMode mode = line.dryRun ? RunMode::DryRun : RunMode::Real;
  InstallStopSignals();
  if (line.undoRecord) {
    UndoRun undo(frontEnd, RunRecordFolder(), mode);
    frontEnd.SetOnEvents([&undo] {
      if (StopSignalled()) undo.RequestStop();
    });
    return Finish(
        console, undo, [&] { return undo.TakeBack(*line.undoRecord); }, ExitStatus::BadRequest);
  }
  DistributionRun run(frontEnd, mode);
  run.RecordInto(RunRecordFolder());
  if (const size_t batch = TestBatchFiles()) run.LimitBatch(batch);
  if (TestMovesInFlight()) run.UseMovesInFlight(MovesInFlightUse::Always);
  frontEnd.SetOnEvents([&run] {
    if (StopSignalled()) run.RequestStop();
  });
  return Finish(
      console, run, [&] { return run.DistributeFiles(); }, ExitStatus::Finished);
}

} // namespace

int main(int argc, char** argv) {
  InstallTestHooks();
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
                parsed.options.settingsFile.value_or(SettingsFilePath()).c_str());
    return static_cast<int>(ExitStatus::Finished);
  }
  if (parsed.options.version) {
    std::printf("%s %s\n", ProgramName, kFotomazVersion);
    return static_cast<int>(ExitStatus::Finished);
  }
  return static_cast<int>(Run(parsed.options));
}
