#pragma once
// Test hook of the folder lock (see scoped_faults.h).

#include "platform/scoped_faults.h"

#include <optional>

struct LockFaults {
  // flock on every folder (not on the lock files of the state folder) fails
  // with this error, as on a file system that
  // takes no locks: ENOLCK, EOPNOTSUPP, EBADF, EINVAL.
  std::optional<int> lockRefused = std::nullopt;
};

using ScopedLockFaults = ScopedFaults<LockFaults>;
