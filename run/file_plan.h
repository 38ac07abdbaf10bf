#pragma once
// The plan for one file: what the run does with it, decided before anything
// of it moves. PlanFile alone makes it, for a single file and for each
// member of a group (companion_run.cpp), so both take the same decisions in
// the same order: may the file be handled, its date, its name by the
// options, its folder. The name it takes in the folder is then chosen with
// the folder's listing (one name for a single file, one stem for a group),
// and what follows a move is decided by FollowMove alone, for the single
// file and the group's leader alike.

#include "platform/file_info.h"
#include "platform/move_file.h"
#include "run/file_date.h"
#include "run/file_outcome.h"
#include "run/run_options.h"
#include "run/run_record.h"
#include "run/run_steps.h"
#include "run/target_name.h"

#include <optional>
#include <string>

class TargetFolderIndex;

// A planned move: the name is reserved in its folder's listing, and the
// intent recorded.
struct PlannedMove {
  TargetFolderIndex* index = nullptr; // valid while the batch runs
  std::string name;
  std::string target; // the folder and name joined
  std::optional<IntentTicket> intent;
  std::string backup; // its copy in the second target; empty: none
};

struct FilePlan {
  std::string source;               // its path
  SourceName parts;                 // of source
  std::optional<FileStatus> status; // what the run saw of it (links followed)
  std::optional<DatedFile> dated;   // its date and where it came from, once read
  std::string folder;               // its target folder, once its date is known
  PlannedName planned;              // its name by the options, lowered
  bool createFolder = false;        // the structure makes the folder
  // What happens to it: it moves (move), or it does not (kept: it stays, with
  // its reason; it is in place; its bytes are in the target already, with
  // which file). Neither while its name is not chosen yet.
  std::optional<FileOutcome> kept;
  std::optional<PlannedMove> move;
  // Its bytes lie in the target and not in the second target: kept, and
  // copied there alone, at this path (its name reserved).
  std::string backupOnly;

  // The source as a file to move (once it is known to be movable).
  MovingFile Moving() const { return {source, *status, parts.name}; }
};

// Where a file's date comes from: its own metadata or time, or its group's.
// Throws as DateOfFile when there is none.
class FileDating {
public:
  virtual DatedFile Date() const = 0;

protected:
  ~FileDating() = default;
};

// What a plan goes by besides the file itself.
struct PlanBasis {
  const RunOptions& options;
  const std::string& target;          // the options' target, lexically normal
  const FileDating* dating = nullptr; // a single file's or a group leader's
  // A member after its group's leader: it goes by the leader's date and
  // folder, its name is the leader's final stem plus its own tail.
  const FilePlan* leader = nullptr;
};

// Plans the file of plan (source, parts and status filled in): kept when it
// cannot be handled (Vanished, NotRegularFile, DateUnreadable, no target
// folder), else its date, planned name and folder. Notes the target folder
// in the record before the first intent into it.
void PlanFile(FilePlan& plan, const PlanBasis& basis, const RunState& state);

// What follows a move.
enum class AfterMove {
  Done,        // it moved
  NextCounter, // its name was taken or its folder went meanwhile: try again
  Stays,       // it stays, for the reason of the outcome
};

struct MoveFollowUp {
  AfterMove next = AfterMove::NextCounter;
  FileOutcome outcome; // Done and Stays: what became of the file
};

// What follows the move of source into place that ended as result. Before
// another try the folder's listing is dropped, so the next looks again; a
// file that stays leaves no empty folder made for it behind, unless another
// file took its source's name (the moved file is complete at the target).
MoveFollowUp FollowMove(const MoveResult& result, const std::string& source, const MovePlace& place,
                        const RunState& state);
