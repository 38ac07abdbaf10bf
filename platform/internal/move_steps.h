#pragma once
// The steps that a single move and a batch of copies across file systems
// share, so each rule of a move is written once: giving a file its name
// without replacing, removing a source only while its path still names the
// file that was moved, and the outcomes of their failures. Only the
// platform's movers use them.

#include "platform/move_faults.h"
#include "platform/move_result.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

MoveResult Outcome(MoveOutcome outcome, int error = 0);
// The outcome of a failed step in a target folder, from its errno.
MoveResult FromError(int error);
// The source could not be reached: gone (NotFound), or another failure.
MoveResult SourceError(int error);

// Whether AbandonCopyInHand() was called in this process.
bool AbandonRequested();

// Runs the test hook after a step of a copy.
void AfterStep(CopyStep step);

bool SameFile(const struct stat& a, const struct stat& b);
// Whether the entry now at a name is the one placed there earlier: the same
// inode, or, on a file system known to number every name itself, the same
// size and modification time.
bool StillPlaced(const struct stat& now, const struct stat& placed);
// The entry at path is still the file described by before, unchanged.
bool StillTheSame(const std::string& path, const struct stat& before);
// Whether the open file was written to since before was taken (appended,
// truncated, rewritten in place: the size, modification or change time
// moved).
bool ChangedSince(int fd, const struct stat& before);

// A new file at path that did not exist before, with private permissions,
// or -errno.
int CreateExclusively(const std::string& path);

// Gives from the name to inside one file system without replacing anything:
// placing the file at to and removing it from from are one step here, a
// rename (where the file system has no no-replace rename, a hard link and
// RemoveSource; without hard links, or where a link shows another inode, a
// rename over an empty file that reserved the name). Which of them works is
// learnt per device (move_routes.h); fromDevice, the device of from's entry
// where the caller knows it, spares the look that finds it. EXDEV comes back
// as the error of a Failed outcome.
MoveResult PlaceAndRemoveByRename(const std::string& from, const std::string& to,
                                  std::optional<dev_t> fromDevice = std::nullopt);

// Removes the source once its file is at the target under the entry placed
// (described by entry): 0 or the errno of the removal.
int RemoveSource(const std::string& from);
// The source could not be removed (error) once its file was at the target
// under placed: that entry goes again, so the file is in one place, whole in
// its source. A source gone meanwhile has moved after all.
MoveResult RemovalFailure(int error, const std::string& placed, const struct stat& entry,
                          bool copied);
