#pragma once
// The run moves its files in batches: it decides the moves of the next
// files first (date, folder, free name), records their intents in one
// append, then moves them and records what became of them in one append.
// Two writes per batch instead of one per file keep the record off the
// run's time; a run killed anywhere still leaves every intent before its
// move (run_record.h).

#include "run/file_plan.h"

#include <chrono>
#include <cstddef>
#include <memory>

// Files decided ahead of their moves: enough that the record's writes cost
// nothing per file, few enough that a stop lets only a moment's decisions
// go unused.
inline constexpr size_t kBatchFiles = 256;
// Deciding reads every file's header; on a slow card a batch ends earlier,
// so the window answers a stop within about this time.
inline constexpr std::chrono::milliseconds kBatchDecideTime{100};

// How a moving run makes the renames of a batch (platform/moves_in_flight.h);
// tests and the command's test build choose.
enum class MovesInFlightUse {
  WhenSlow, // several at a time once they are slow (run/internal/rename_pace.h)
  Always,
  Never, // one after another
};

// A group of files that belong together, decided with its batch
// (companion_run.cpp).
struct GroupTurn;

// One file of a batch (or the first member of a group, which is decided and
// moved whole; the other members' steps are empty).
struct BatchStep {
  size_t file = 0; // in the run's list
  FilePlan plan;   // filled in place: a plan holds a dozen strings; a group's: its folder
  // A group's first member: the group as decided. Its plan has a move when
  // the group's intents are recorded.
  std::shared_ptr<GroupTurn> group;
  bool inFlight = false; // its rename was issued ahead (moves_in_flight.h)
};
