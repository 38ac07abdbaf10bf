#pragma once
// fotomaz-bench --cross-device DIR: a move from memory (the scratch folder
// on tmpfs) to another file system, where each file is copied, flushed and
// only then removed from its source, against the least a durable copy must
// do: cp -a of the same files, one sync -f of the target's file system, rm
// of the sources. With --kopieren the run copies (no rm), and with
// --sicherung DIR2 it copies into two targets, against cp -a into both and a
// sync -f of each.

#include "bench/bench_tree.h"
#include "bench/synthetic_tree.h"

#include <cstddef>
#include <functional>
#include <string>

// By default 400 files of 1 MiB: the copy and its flushes, not the run's
// work per file, are what is measured.
constexpr size_t kCrossDeviceFiles = 400;
constexpr size_t kCrossDeviceDataBytes = 1 << 20;

// Times run (into a new folder below folder), the copy-and-flush floor and
// the platform's batch mover alone on fresh trees of shape in scratch, three
// times each in turn, prints the medians and the ratios to the floor, and returns the exit status:
// 1 when folder lies on the scratch folder's file system or a try left files behind.
// copies: run is a copy run (kopiercb), timed against cp -a and sync -f
// alone, and the batch mover keeps its sources too. backupFolder (only with
// copies): the run has a second target below it (sicherunge), and the floor
// copies into both and flushes both; empty: none.
// run: the run from source into target, with its second target (or empty).
using CrossDeviceRun = std::function<void(const std::string& source, const std::string& target,
                                          const std::string& backup)>;
int RunCrossDeviceBench(const std::string& scratch, const std::string& folder,
                        const TreeShape& shape, const CrossDeviceRun& run, bool copies = false,
                        const std::string& backupFolder = {});
