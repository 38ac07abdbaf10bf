#pragma once
// Test hook of the settings file access. Tests run as root, where permission
// bits do not stop a write, so a failing disk is simulated here.

#include <optional>

// The next `writesBeforeFailure` file replacements succeed, every later one
// fails as a refused write would (its temporary file removed, the old file
// untouched). std::nullopt ends the simulation.
void SetIniWriteFault(std::optional<int> writesBeforeFailure);
