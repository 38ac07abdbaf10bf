#pragma once
// Moving a file without ever replacing one. At every moment the file is in
// its source folder or complete at its target, never in neither, and no
// incomplete file ever carries a final name.

#include "platform/abandon_copy.h"
#include "platform/move_result.h"

#include <cstdint>
#include <optional>
#include <string>

// Moves the file from to to (both full paths). Within a file system a rename
// that refuses to replace; where the file system does not offer that, a hard
// link and removal of the source; without hard links either, the final name
// is reserved by creating it exclusively and the file renamed over that
// reservation. Across file systems the file is copied into a hidden
// temporary file beside the target (TemporaryCopyName), which is given the
// modification time, permissions and extended attributes of the source,
// keeps its holes, is flushed, read back from the target's device and
// compared with the source (CopyDiffers when it differs), and only then gets
// its final name without replacing (a batch of one: cross_device_batch.h);
// the source is removed last, and only if its path still names the file
// that was copied. A source that went after
// its copy had its final name counts as moved; one that went before, as
// NotFound. A source that cannot be removed keeps the file: the finished
// copy or link is removed again, so the file is never in two places.
// fromDevice is the device of from's entry (a link's own, not its file's)
// where the caller looked at it already: a file system that refused a way
// before is known by its device (move_routes.h), and on a share every look
// is a round trip. A wrong one costs only the calls of another way.
MoveResult MoveFileNoReplace(const std::string& from, const std::string& to,
                             std::optional<uint64_t> fromDevice = std::nullopt);

// Places a copy of from at to as MoveFileNoReplace places its copy across
// file systems (verified, never replacing), also within one file system, and
// leaves from as it is: Copied. A link is copied as a link.
MoveResult CopyFileNoReplace(const std::string& from, const std::string& to);

// Removes from folder the temporary files of moves made by process pid (a
// run that was killed): they are that run's alone.
void RemoveTemporaryCopiesOf(const std::string& folder, long pid);

// Removes the temporary file of an interrupted move at path when its last
// change is more than kStaleCopyMinutes ago (a live move's file is never that
// old; its modification time is the source's, so only the change time
// tells); a path of any other name is left alone.
inline constexpr int kStaleCopyMinutes = 10;
void RemoveIfStaleTemporaryCopy(const std::string& path);
// The same for every entry of folder.
void RemoveStaleTemporaryCopiesIn(const std::string& folder);
