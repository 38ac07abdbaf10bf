#pragma once
// fotomaz-bench's count of system calls per file: fotomaz-verteilen run
// under strace -c -f on a fresh tree, as the least any run needs per file is
// five (open, read, close, stat, rename) and a timing alone does not say
// which calls a run spends above those.

#include "bench/bench_tree.h"
#include "bench/synthetic_tree.h"

#include <cstdint>
#include <string>
#include <vector>

// One row of strace -c's table.
struct CallCount {
  std::string name;
  uint64_t calls = 0;
  uint64_t failed = 0; // of them, those that returned an error
};

struct SystemCalls {
  std::string notCounted;        // why not, when nothing was counted
  size_t files = 0;              // in the tree
  size_t left = 0;               // still in the source after the run
  std::vector<CallCount> byName; // most frequent first
};

// Builds the tree of shape in scratch and counts the calls of command on it,
// the program's start included (a few hundred calls in all).
SystemCalls CountSystemCalls(const std::string& scratch, const TreeShape& shape,
                             const CommandFor& command);

// Prints the calls per file, in all and by name, with the share of each
// call that failed where some did.
void PrintSystemCalls(const SystemCalls& calls);
