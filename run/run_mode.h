#pragma once

// Whether a run changes anything on disk.
enum class RunMode {
  Real,   // moves its files
  DryRun, // only reports the moves: nothing on disk changes, and every later
          // name is chosen as if the file had moved
};
