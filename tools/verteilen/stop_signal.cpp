#include "tools/verteilen/stop_signal.h"

#include "platform/abandon_copy.h"

#include <csignal>

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t signalled = 0;

void NoteSignal(int number) {
  if (signalled) {
    AbandonCopyInHand();
    std::signal(number, SIG_DFL);
  }
  signalled = 1;
}

} // namespace

void InstallStopSignals() {
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a question waiting for its answer is interrupted (and
  // counts as no).
  for (const int number : kStopSignals)
    sigaction(number, &action, nullptr);
}

bool StopSignalled() {
  return signalled != 0;
}
