#include "tools/verteilen/stop_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t signalled = 0;

void NoteSignal(int) {
  signalled = 1;
}

} // namespace

void InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a question waiting for its answer is interrupted (and
  // counts as no). SA_RESETHAND: the next signal has its default effect.
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool StopSignalled() {
  return signalled != 0;
}
