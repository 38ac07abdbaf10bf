#pragma once
// Test hook of the move: faults that a real folder cannot produce when the
// tests run as root. Production code never sets it.

#include <cstdint>
#include <optional>

struct MoveFaults {
  // renameat2 reports EINVAL, as on a file system without RENAME_NOREPLACE.
  bool renameUnsupported = false;
  // renameat2 reports EXDEV, as across file systems.
  bool renameCrossDevice = false;
  // link reports EPERM, as on a file system without hard links.
  bool linkUnsupported = false;
  // The copy fails with EIO once this many bytes are written.
  std::optional<uint64_t> copyFailsAfterBytes = std::nullopt;
  // The copy writes one wrong byte, which the check after copying must catch.
  bool copyCorrupts = false;
  // Removing the source after a complete copy or link fails with EACCES.
  bool sourceRemovalFails = false;
};

// The faults in force (none by default).
MoveFaults& ActiveMoveFaults();

// Installs faults for the lifetime of the object and clears them after.
class ScopedMoveFaults {
public:
  explicit ScopedMoveFaults(const MoveFaults& faults) { ActiveMoveFaults() = faults; }
  ~ScopedMoveFaults() { ActiveMoveFaults() = MoveFaults{}; }
  ScopedMoveFaults(const ScopedMoveFaults&) = delete;
  ScopedMoveFaults& operator=(const ScopedMoveFaults&) = delete;
};
