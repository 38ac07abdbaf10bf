#pragma once
// fotomaz-bench N --langsam MS: the run on a slow share, where every request
// waits for the device or the network. The tree lies on fotomaz-bench-share,
// a pass-through FUSE file system that waits MS ms before serving each
// request and caches no names or attributes, so the time a run takes there
// is the requests it makes, one after another or at once. It is timed
// against the least a run must ask per file (one lstat, one open, one read
// of 64 KiB, one close, one rename to a free name in a folder of the same
// mount), done one file after another and with 16 files at a time.

#include "bench/bench_tree.h"
#include "bench/slow_share_wait.h"
#include "bench/synthetic_tree.h"

#include <cstddef>
#include <string>

// By default the few hundred files of a card or an album: at 1 ms a request
// the run of 300 takes seconds already.
constexpr size_t kSlowShareFiles = 300;

// Files at a time of the parallel floor: as many as a share serves at once
// for one client without each waiting longer, many more than the two cores
// here, since the requests wait and do not compute.
constexpr unsigned kParallelFloorFiles = 16;

// Mounts the share over a folder in scratch, times the floors and run on
// fresh trees of shape there, counts the calls of command on one more tree,
// unmounts it and prints the figures. Returns the exit status: 1 when a try
// left files behind; 0 with a line saying why when there is no share to
// measure on (no /dev/fuse, the share not built, the mount refused).
int RunSlowShareBench(const std::string& scratch, unsigned waitMs, const TreeShape& shape,
                      const TreeWork& run, const CommandFor& command);
