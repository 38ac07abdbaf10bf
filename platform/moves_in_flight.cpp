#include "platform/moves_in_flight.h"

#include "platform/internal/move_steps.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <pthread.h>

namespace {

// The move a CrossDeviceBatch stages first within a file system.
MoveResult RenameWithinFileSystem(const std::string& from, const std::string& to,
                                  std::optional<uint64_t> fromDevice) {
  // A NUL would cut the path short: the system would act on another entry.
  if (ContainsNul(from) || ContainsNul(to)) return Outcome(MoveOutcome::Failed, EINVAL);
  return PlaceAndRemoveByRename(from, to, fromDevice);
}

} // namespace

MovesInFlight::MovesInFlight(size_t threads) : bound_(std::max<size_t>(threads, 1)) {}

MovesInFlight::~MovesInFlight() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  issued_.notify_all();
  for (std::thread& thread : threads_)
    thread.join();
}

void MovesInFlight::Issue(std::string from, std::string to, std::optional<uint64_t> fromDevice) {
  {
    std::lock_guard lock(mutex_);
    moves_.push_back({std::move(from), std::move(to), fromDevice, false, std::nullopt});
    ++waiting_;
    if (waiting_ > idle_ && threads_.size() < bound_) {
      // Signals blocked while it starts: the new thread inherits the mask,
      // and a signal meant for a stop is never handled on it.
      sigset_t all, before;
      sigfillset(&all);
      pthread_sigmask(SIG_SETMASK, &all, &before);
      threads_.emplace_back([this] { Work(); });
      pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
  }
  issued_.notify_one();
}

MoveResult MovesInFlight::Take() {
  std::unique_lock lock(mutex_);
  made_.wait(lock, [this] { return moves_.front().result.has_value(); });
  MoveResult result = std::move(*moves_.front().result);
  moves_.pop_front();
  return result;
}

void MovesInFlight::Drain() {
  std::unique_lock lock(mutex_);
  made_.wait(lock, [this] {
    return std::all_of(moves_.begin(), moves_.end(), [](const Move& m) { return m.result; });
  });
}

void MovesInFlight::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    const auto waiting = [this] {
      return std::find_if(moves_.begin(), moves_.end(), [](const Move& m) { return !m.started; });
    };
    ++idle_;
    issued_.wait(lock, [&] { return ending_ || waiting() != moves_.end(); });
    --idle_;
    if (ending_) return;
    Move& move = *waiting();
    move.started = true;
    --waiting_;
    lock.unlock();
    MoveResult result = RenameWithinFileSystem(move.from, move.to, move.fromDevice);
    lock.lock();
    move.result = std::move(result);
    made_.notify_all();
  }
}
