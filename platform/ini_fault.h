#pragma once
// Test hook of the settings file access (see scoped_faults.h).

#include "platform/scoped_faults.h"

#include <optional>

struct IniFaults {
  // The next writesBeforeFailure file replacements succeed, every later one
  // fails as a refused write would (its temporary file removed, the old file
  // untouched).
  std::optional<int> writesBeforeFailure;
};

using ScopedIniFaults = ScopedFaults<IniFaults>;
