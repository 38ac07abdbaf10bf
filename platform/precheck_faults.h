#pragma once
// Test hook of the look ahead of a move (see scoped_faults.h): a file system
// with shorter names or less free space than the test's.

#include "platform/scoped_faults.h"

#include <cstdint>
#include <optional>

struct PrecheckFaults {
  // The longest name the target's file system takes, in bytes.
  std::optional<long> nameMax = std::nullopt;
  // The bytes free on the target's file system.
  std::optional<uint64_t> freeBytes = std::nullopt;
};

using ScopedPrecheckFaults = ScopedFaults<PrecheckFaults>;
