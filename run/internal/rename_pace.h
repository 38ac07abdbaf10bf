#pragma once
// Whether the run's renames are worth making several at a time
// (platform/moves_in_flight.h). On a local disk a rename costs a few
// microseconds and the run is at the floor of its calls one after another:
// threads would only add their wake-ups, and a stop would leave a few files
// more moved than the one in hand. On a share each rename waits for the
// network. The run times its renames one by one and puts them in flight
// once they are slow.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>

class RenamePace {
public:
  // Renames timed for a judgement: the median of a few passes over a rename
  // that waited for a busy machine.
  static constexpr size_t kTimedRenames = 8;
  // Slower than this (the median): a local disk's rename takes a few
  // microseconds, on a busy machine too; a share's round trip takes more.
  static constexpr std::chrono::microseconds kSlowRename{200};

  // A rename made one by one took took.
  void Note(std::chrono::steady_clock::duration took) {
    if (slow_) return;
    taken_[count_++] = took;
    if (count_ < kTimedRenames) return;
    std::nth_element(taken_.begin(), taken_.begin() + kTimedRenames / 2, taken_.end());
    slow_ = taken_[kTimedRenames / 2] >= kSlowRename;
    count_ = 0;
  }
  bool Slow() const { return slow_; }

private:
  std::array<std::chrono::steady_clock::duration, kTimedRenames> taken_{};
  size_t count_ = 0;
  bool slow_ = false;
};
