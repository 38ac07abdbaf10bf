#pragma once
// What an undo's question names. The front end asks the question and the
// run's texts word it, so the scope stands apart and neither header needs
// the other.

#include <cstddef>
#include <string>

// The run an undo would take back, as its question names it.
struct UndoScope {
  std::string started; // the run's start as its record has it ("2026-12-08 10:11:12")
  std::string source;  // its source folder
  std::string target;  // its (first) target folder
  size_t files = 0;    // files it moved that are to go back
  bool copies = false; // the run copied them: their copies are to be removed
};
