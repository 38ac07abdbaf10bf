#pragma once

// What the run does with a file once its target is decided.
enum class MoveMode {
  Move, // move it
  Plan, // only report the move: nothing on disk changes, and every later
        // name is chosen as if the file had moved
};
