#pragma once
// One run at a time. A front end handles queued events while a run works
// (so its window can be moved and closed), and a click or a menu item may
// then ask the same run or undo to start again: that call gets
// AlreadyRunning and does nothing. However a run ends, the guard is free
// again; an error that escapes also ends the wait cursor before it is passed
// on, so the user is never left with the hourglass.

#include "run/run_outcome.h"

#include <functional>

class RunFrontEnd;

class RunGuard {
public:
  bool Running() const { return running_; }
  // Asks the run in progress to end after the files in hand.
  void RequestStop() { stopRequested_ = true; }
  bool StopRequested() const { return stopRequested_; }

  // Calls run unless one is in progress; each run starts with no stop
  // requested.
  RunOutcome Run(RunFrontEnd& frontEnd, const std::function<RunOutcome()>& run);

private:
  bool running_ = false;
  bool stopRequested_ = false;
};
