#include "run/run_guard.h"

#include "run/run_front_end.h"

RunOutcome RunGuard::Run(RunFrontEnd& frontEnd, const std::function<RunOutcome()>& run) {
  if (running_) return RunOutcome::AlreadyRunning;
  running_ = true;
  stopRequested_ = false;
  try {
    const RunOutcome outcome = run();
    running_ = false;
    return outcome;
  } catch (...) {
    running_ = false;
    frontEnd.EndWait();
    throw;
  }
}
