#pragma once

// What a run does with its files on disk.
enum class RunMode {
  Real,   // moves its files
  Copy,   // places a verified copy of each file where a move would place it; every
          // source stays as it is (kopiercb)
  DryRun, // only reports the moves: nothing on disk changes, and every later
          // name is chosen as if the file had moved (or been copied)
};

// Whether a run in mode changes anything on disk (records it, takes locks).
constexpr bool ChangesFiles(RunMode mode) {
  return mode != RunMode::DryRun;
}
