#pragma once
// Test hook of the move and of folder creation (see scoped_faults.h), and a
// look at each step of a copy.

#include "platform/move_routes.h"
#include "platform/scoped_faults.h"

#include <cstdint>
#include <functional>
#include <optional>

// The steps of a copy across file systems, in order.
enum class CopyStep {
  TemporaryCreated, // the hidden temporary file exists, empty
  HalfWritten,      // about half of the bytes are in it
  Flushed,          // complete and flushed (once for a whole batch), not yet read back
  Placed,           // renamed to its final name
  SourceRemoved,    // the source is gone
  Reserved,         // (any move without no-replace rename and hard links) the final name
                    // is held by an empty file, not yet renamed over
  Linked,           // (a move without no-replace rename) the hard link is made, the
                    // source not yet looked at again
};

struct MoveFaults {
  // renameat2 reports EINVAL, as on a file system without RENAME_NOREPLACE.
  bool renameUnsupported = false;
  // The target lies on another file system: the file is copied (with
  // renameUnsupported too, the copy is placed as on a file system without
  // RENAME_NOREPLACE).
  bool renameCrossDevice = false;
  // link reports EPERM, as on a file system without hard links.
  bool linkUnsupported = false;
  // The name a hard link made shows another inode number than the file's
  // other name, as on a FUSE file system that numbers every name itself.
  bool linkShowsOtherInode = false;
  // Every new entry in a target folder (rename, link, created file or
  // folder) is refused with this error: ENOSPC, EROFS, EACCES, ENAMETOOLONG.
  std::optional<int> targetRefuses = std::nullopt;
  // The copy fails with copyError once this many bytes are written.
  std::optional<uint64_t> copyFailsAfterBytes = std::nullopt;
  int copyError = 5; // EIO
  // The copy writes one wrong byte, which the check after copying must catch.
  bool copyCorrupts = false;
  // The read-back of a flushed copy finds one byte other than was written,
  // as from a device that stored it wrongly (no device here can be made to).
  bool readBackDiffers = false;
  // syncfs fails: a batch flushes each copy on its own.
  bool syncfsFails = false;
  // Removing the source after a complete copy or link fails with EACCES.
  bool sourceRemovalFails = false;
  // The source is immutable: renaming or removing it fails with EPERM, and
  // it counts as a file that cannot leave its folder.
  bool sourceImmutable = false;
  // Called after each step of a copy (a test may change the source there,
  // or end the process to see what an interruption leaves behind).
  std::function<void(CopyStep)> afterStep = {};
  // Seconds added to the clock when a temporary copy's age is judged.
  int64_t clockAhead = 0;
};

// Faults change what a file system refuses, so what the movers learnt of it
// goes when they are installed and when they end.
class ScopedMoveFaults : public ScopedFaults<MoveFaults> {
public:
  explicit ScopedMoveFaults(const MoveFaults& faults) : ScopedFaults(faults) { ForgetMoveRoutes(); }
  ~ScopedMoveFaults() { ForgetMoveRoutes(); }
  ScopedMoveFaults(const ScopedMoveFaults&) = delete;
  ScopedMoveFaults& operator=(const ScopedMoveFaults&) = delete;
};

inline const MoveFaults& ActiveMoveFaults() {
  return ActiveFaults<MoveFaults>();
}
