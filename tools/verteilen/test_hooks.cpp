#include "tools/verteilen/test_hooks.h"

#ifdef FOTOMAZ_TEST_HOOKS

#include "platform/lock_faults.h"
#include "platform/move_faults.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

void PauseAtHalf(CopyStep step) {
  if (step != CopyStep::HalfWritten) return;
  (void)!write(STDERR_FILENO, "halb\n", 5);
  // Signals interrupt a sleep; the pause lasts its full time anyway.
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_until(end);
}

// What batch-N and in-flight asked for, read with the other words.
size_t batchFiles = 0;
bool movesInFlight = false;

// A kill at the N-th time a copy reaches step (kill-placed-N, kill-removed-N).
struct KillAt {
  CopyStep step = CopyStep::Placed;
  unsigned long count = 0; // 0: none
  void Reached(CopyStep reached) {
    if (count == 0 || reached != step || --count != 0) return;
    raise(SIGKILL);
  }
};

} // namespace

void InstallTestHooks() {
  const char* setting = std::getenv("FOTOMAZ_TEST_FAULTS");
  if (!setting) return;
  MoveFaults& faults = ActiveFaults<MoveFaults>();
  std::istringstream words(setting);
  std::string word;
  bool pause = false, slow = false;
  KillAt kill;
  while (std::getline(words, word, ',')) {
    if (word == "cross-device") faults.renameCrossDevice = true;
    if (word == "no-rename") faults.renameUnsupported = true;
    if (word == "no-link") faults.linkUnsupported = true;
    if (word == "link-other-inode") faults.linkShowsOtherInode = true;
    if (word == "no-flock") ActiveFaults<LockFaults>().lockRefused = ENOLCK;
    if (word == "read-back-differs") faults.readBackDiffers = true;
    pause = pause || word == "pause-at-half";
    slow = slow || word == "slow";
    movesInFlight = movesInFlight || word == "in-flight";
    if (word.starts_with("batch-")) batchFiles = std::strtoul(word.c_str() + 6, nullptr, 10);
    for (const auto& [prefix, step] : {std::pair{"kill-placed-", CopyStep::Placed},
                                       std::pair{"kill-removed-", CopyStep::SourceRemoved}}) {
      if (word.starts_with(prefix))
        kill = {step, std::strtoul(word.c_str() + std::string(prefix).size(), nullptr, 10)};
    }
  }
  if (pause || slow || kill.count > 0) {
    faults.afterStep = [pause, slow, kill](CopyStep step) mutable {
      kill.Reached(step);
      // A copy of a slow card: a kill at a random moment lands within the
      // work, however fast the machine.
      if (slow && step == CopyStep::TemporaryCreated)
        std::this_thread::sleep_for(std::chrono::microseconds(500));
      if (pause) PauseAtHalf(step);
    };
  }
}

size_t TestBatchFiles() {
  return batchFiles;
}

bool TestMovesInFlight() {
  return movesInFlight;
}

#else

void InstallTestHooks() {}
size_t TestBatchFiles() {
  return 0;
}
bool TestMovesInFlight() {
  return false;
}

#endif
