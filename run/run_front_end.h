#pragma once
// The one door between the distribution run and a front end (the main
// window, fotomaz-verteilen, the benchmark, the tests). The run asks for its
// options, reports progress, and asks its questions with typed calls; the
// front end decides how to show them, in its own words.

#include "run/collected_files.h"
#include "run/file_outcome.h"
#include "run/run_mode.h"
#include "run/run_options.h"
#include "run/undo_scope.h"

#include <cstddef>
#include <string>
#include <vector>

class RunFrontEnd {
public:
  virtual ~RunFrontEnd() = default;

  // The options, asked at the start (source folder and file kinds hold for
  // the whole run) and again before each batch of files (target folder,
  // renaming and structure apply to the files that follow a change).
  virtual RunOptions Options() = 0;
  // Whether the options changed since they were last asked for: the batch
  // in hand then ends after the files in hand. A front end whose options
  // cannot change during a run keeps the default.
  virtual bool OptionsChanged() { return false; }

  // Status line and progress bar; the progress minimum is 0.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void SetProgressMaximum(int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  // Lets queued events be handled once (once per folder collected and once
  // per file), so a window stays responsive and a stop can be requested.
  virtual void ProcessEvents() = 0;
  // Wait cursor; one EndWait ends any number of BeginWait.
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
  // The collected files, once the collection is done. They stay as they are
  // until the next run of the same DistributionRun, so a front end may show
  // them from there without a copy of its own.
  virtual void ShowCollectedFiles([[maybe_unused]] const CollectedFiles& files) {}

  // How the run places its files, told once before it collects: Copy when
  // it copies them and keeps every source (kopiercb), so the front end says
  // "kopiert" where it says "verschoben".
  virtual void RunsAs([[maybe_unused]] RunMode mode) {}
  // count files were found: start? Only a yes starts the run.
  virtual bool ConfirmStart(size_t count) = 0;
  // No file of the chosen kinds was found; the run ends.
  virtual void NothingFound() = 0;
  // The run's record could not be made (the message names its file); the
  // run does not start.
  virtual void RecordUnavailable(const std::string& message) = 0;
  // Another run (or undo) works with the same source folder: this one does
  // not start.
  virtual void SourceBusy() = 0;
  // The run (or undo) is recorded at recordPath; called again when the
  // record is renamed at the end.
  virtual void Recorded([[maybe_unused]] const std::string& recordPath) {}
  // A stop was requested: the run (or undo) ended after the files in hand,
  // notReached files were not looked at. The last call of a stopped run.
  virtual void Stopped([[maybe_unused]] size_t notReached) {}
  // What became of one file, handed over (a window keeps every outcome for
  // its report). An error it throws (a log that cannot be written) ends the
  // run like an error of the run itself.
  virtual void FileDone([[maybe_unused]] FileOutcome&& outcome) {}
  // The run went through every file; folder is where the last one went
  // (no trailing separator for the year, month and day structures), and
  // stayed lists the files and folders that stayed, in the run's order:
  // failures (Stayed) and files found in the target already
  // (AlreadyInTarget).
  virtual void Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) = 0;

  // Taking a run back (undo_run.h): the files of scope are to go back: start?
  virtual bool ConfirmUndo(const UndoScope& scope) = 0;
  // There is no run to take back.
  virtual void NothingToUndo() = 0;
  // The undo went through every file; stayed lists those that did not go
  // back.
  virtual void UndoFinished(const std::vector<FileOutcome>& stayed) = 0;
};
