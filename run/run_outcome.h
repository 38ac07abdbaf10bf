#pragma once
// How a run or an undo ended. The guard that lets one run at a time answers
// with it as well as the runs, so it stands apart from both.

enum class RunOutcome {
  AlreadyRunning, // a run was in progress; nothing was done
  NothingFound,   // no file of the chosen kinds
  Declined,       // the user did not want to start
  Stopped,        // a stop was requested; the files handled so far are moved
  NotRecorded,    // its record could not be made, so it did not start
  SourceBusy,     // another run works with the same source folder; nothing was done
  Completed,
};
