#pragma once
// fotomaz-bench --memory: what a run holds per file, and whether its time
// grows linearly with the files. The resident size is that of
// fotomaz-verteilen in a child process, so neither the bench's own trees nor
// its earlier runs count; the growth between a small tree and one of N files
// divided by the files between them leaves out what a run holds regardless
// of its size (the program, its libraries, the tables).

#include "bench/bench_tree.h"
#include "bench/synthetic_tree.h"

#include <cstddef>
#include <string>

// The small tree the growth is measured from; --memory needs more files.
constexpr size_t kMemoryBaseFiles = 10000;

// Builds one tree at a time in scratch: runs command on trees of
// kMemoryBaseFiles and of shape.files files, then times floor and run on
// trees of a tenth and of four tenths of shape.files, prints the figures,
// and returns the exit status: 1 when a run left files behind.
int RunMemoryBench(const std::string& scratch, const TreeShape& shape, const CommandFor& command,
                   const TreeWork& floor, const TreeWork& run);
