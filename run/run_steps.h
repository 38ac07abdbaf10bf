#pragma once
// The steps a run takes with one file once its target folder and name are
// known, shared by the run of single files and the run of groups
// (companion_run.cpp): the recorded move that keeps the folder's listing up
// to date, and the test for a file that lies where it belongs already.

#include "platform/file_info.h"
#include "platform/move_file.h"
#include "platform/move_precheck.h"
#include "run/file_outcome.h"
#include "run/internal/identical_files.h"
#include "run/internal/target_folders.h"
#include "run/run_mode.h"
#include "run/run_record.h"
#include "run/target_name.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A taken name that the listing did not know (another program or another
// run is filling the same folder) gets a fresh listing and another try, as
// long as the race goes on, up to this many tries per file.
inline constexpr int kMoveAttempts = 100;

// How many numbers a retry passes over. A name taken once by another program
// gets the next number; but two runs filling one folder would both take the
// next number each time, and the slower one would lose the race again and
// again: from the second lost race on, a random step per process breaks the
// tie.
uint64_t RetrySkip(int attempt);

// Where a move takes its file: the folder, the name there, and the two
// joined (joined once per file, since every step names the path); and the
// record's intent for the move.
struct MovePlace {
  const std::string& folder;
  const std::string& name;
  const std::string& path;
  std::optional<IntentTicket> intent = std::nullopt;
  // Whether the file goes into the second target too, where the run has one
  // (not when its bytes lie there already).
  bool backup = true;
};

// A file about to move: its path, what the run saw of it (links followed),
// and its name in its folder.
struct MovingFile {
  const std::string& path;
  const FileStatus& status;
  const std::string& name;
};

// What the files of one run share.
struct RunState {
  TargetFolders& targets;
  IdenticalFiles* identical; // when files equal to one in the target stay
  RunMode mode;
  RunRecordWriter* record; // every real run's
  // Every source stays where it is (a copy run, or its dry run): its folder's
  // listing keeps it.
  bool keepsSources = false;
  // The looks ahead of group moves, shared by the groups of a batch: their
  // folders are asked about once (move_precheck.h). None: each group its own.
  MoveForecast* forecast = nullptr;
};

// Moves file to folder/name without replacing (a copy run copies it), or in
// a dry run only notes it; records the intent before and the move after it, and keeps index
// (folder's) and the source folder's listing up to date. The three steps
// below, for one file.
MoveResult MoveRecorded(const MovingFile& file, const std::string& folder, const std::string& name,
                        TargetFolderIndex& index, const RunState& state, bool backup = true);

// The steps of MoveRecorded apart, for a run that decides a batch of moves
// before it makes any (distribution_run.cpp): the name a move will take is
// reserved in index when it is chosen, so the next file of the batch takes
// another; the intent is recorded (it reaches the record with the record's
// next Flush, which comes before the move); the move then keeps the name or
// frees it again, and notes what follows from it.
void ReserveName(TargetFolderIndex& index, const std::string& name, const std::string& source,
                 const RunState& state);
// The intent's ticket; nothing when the run keeps no record. With backup,
// the intent of the copy into the second target follows (backup_copies.h).
std::optional<IntentTicket> RecordIntent(const std::string& source, const std::string& target,
                                         const FileStatus& status, const RunState& state,
                                         bool backup = true);
MoveResult MoveAfterIntent(const MovingFile& file, const MovePlace& place, TargetFolderIndex& index,
                           const RunState& state);
// MoveAfterIntent without its notes: the copy into the second target first
// (a move run moves only once it landed; a failed one is result.second),
// then the move or copy into the target.
MoveResult PlaceAfterIntent(const MovingFile& file, const MovePlace& place, const RunState& state);
// The device of a file's entry as the run looked at it, handed to the move so
// it need not look again; unknown for a path looked at through a link.
std::optional<uint64_t> EntryDevice(const FileStatus& status);
// What MoveAfterIntent notes once a move ended as result; a move finished
// later (a copy committed with its batch) passes no index, and a failed one
// then looks its folder's index up anew (an earlier failure may have
// dropped the one it was decided with).
void NoteMoveResult(const MoveResult& result, const MovingFile& file, const MovePlace& place,
                    TargetFolderIndex* index, const RunState& state);

// Why source, of status found (StatusOf, links followed), stays before
// anything is read from it; nothing when it may be handled.
std::optional<FileOutcome> NotMovable(const std::string& source,
                                      const std::optional<FileStatus>& found);

// The listing of folder, created with its parents when create is set; null
// when there is none, with why source stays in stays.
TargetFolderIndex* PrepareFolder(const std::string& source, const std::string& folder, bool create,
                                 const RunState& state, FileOutcome& stays);

// A file that stayed leaves no empty folder made for it behind.
FileOutcome Stays(FileOutcome outcome, const std::string& folder, const RunState& state);

// The file lies in its target folder under fitted (its planned name, lowered)
// or a numbered variant of it: moving it would only rename it, on every run
// again. sourceName is its name.
bool AlreadyInPlace(const std::string& source, const std::string& sourceName,
                    const std::string& folder, const std::string& fitted, TargetFolders& targets);

// The entries of folder's listing as files to compare with: a dry run's
// planned entries by the bytes still at their source.
std::vector<ContentCandidate> ContentCandidates(const std::string& folder,
                                                std::vector<TargetFolderIndex::Entry> entries);
