#pragma once
// Renames issued several at a time. On a share every call waits for the
// network, and a rename with the looks that belong to it (a hard link and
// its checks where the share has no no-replace rename) costs a few round
// trips; one file after another, the run waits for each in turn. The moves
// of a batch are decided and recorded before any of them is made, so they
// may be in flight together: a small, bounded set of threads makes them, and
// the caller takes their results back in the order it issued them, so what
// it records and reports keeps the list's order.
//
// Each move is exactly the one a CrossDeviceBatch stages first within a
// file system (a rename that never replaces: cross_device_batch.h); a
// target on another file system comes back as Failed with EXDEV, and the
// caller copies it itself. The threads block every signal: a stop signal
// reaches the thread that asks for stops.

#include "platform/move_result.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class MovesInFlight {
public:
  // Moves in flight at once. The share serves renames out of one source
  // folder one at a time, so more only queue there (300 files on the
  // slow-share bench, 1 ms a request: 4 at a time 6.1 s, 8 5.8 s, 16 6.1 s);
  // each thread costs a stack and wake-ups.
  static constexpr size_t kMovesInFlight = 8;

  explicit MovesInFlight(size_t threads = kMovesInFlight);
  // Ends the threads once the moves in hand are made; moves issued and not
  // started yet are not made (a run ended by an error leaves them, with
  // their intents recorded, in their sources).
  ~MovesInFlight();
  MovesInFlight(const MovesInFlight&) = delete;
  MovesInFlight& operator=(const MovesInFlight&) = delete;

  // Starts the move of from to to (full paths); at most Bound() at once.
  // fromDevice: as CrossDeviceBatch::Stage takes it.
  void Issue(std::string from, std::string to, std::optional<uint64_t> fromDevice = std::nullopt);
  // The result of the oldest move issued and not yet taken, once it is made
  // (Outstanding() > 0).
  MoveResult Take();
  // Waits until every move issued is made (their results still to be taken).
  void Drain();
  // Issued and not yet taken.
  size_t Outstanding() const { return moves_.size(); }
  size_t Bound() const { return bound_; }

private:
  struct Move {
    std::string from, to;
    std::optional<uint64_t> fromDevice;
    bool started = false;
    std::optional<MoveResult> result;
  };

  void Work();

  const size_t bound_;
  std::mutex mutex_;
  std::condition_variable issued_, made_;
  // In the order issued; a deque keeps its elements in place as it grows at
  // the back and shrinks at the front, so a thread may work on one unlocked.
  std::deque<Move> moves_;
  size_t waiting_ = 0; // issued, not started
  size_t idle_ = 0;    // threads waiting for a move
  bool ending_ = false;
  std::vector<std::thread> threads_; // started as the moves need them
};
