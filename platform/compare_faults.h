#pragma once
// Test hook of the file comparison (see scoped_faults.h): a file that
// changes while it is compared cannot be timed from outside.

#include "platform/scoped_faults.h"

#include <functional>

struct CompareFaults {
  // Called in every comparison once the first chunk of each file is read
  // (a test may change either file there).
  std::function<void()> afterFirstChunk = {};
};

using ScopedCompareFaults = ScopedFaults<CompareFaults>;
