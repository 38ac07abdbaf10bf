#pragma once
// Test hook of the folder walk (see scoped_faults.h).

#include "platform/scoped_faults.h"

#include <functional>
#include <string>

struct WalkFaults {
  // A folder (its path ends in the separator) for which this is true cannot
  // be read, as one without read permission.
  std::function<bool(const std::string& folder)> unreadable = {};
};

using ScopedWalkFaults = ScopedFaults<WalkFaults>;
