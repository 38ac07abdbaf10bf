#pragma once
// Fault hooks of a test build. The tests of the command run a build of it
// made with FOTOMAZ_TEST_HOOKS, which reads FOTOMAZ_TEST_FAULTS from the
// environment; the program itself is built without, and never looks.
//
// FOTOMAZ_TEST_FAULTS is a comma-separated list of:
//   cross-device   every move is a copy, as across file systems
//   no-rename      no rename that refuses to replace (as on exFAT, FAT, shares)
//   no-link        no hard links either
//   link-other-inode  a hard link shows another inode than the file's other
//                  name (a FUSE share that numbers every name itself)
//   no-flock       folders take no flock (as on some network file systems)
//   pause-at-half  a copy writes "halb" to standard error when half written
//                  and then waits two seconds (time for a signal)
//   slow           every copy takes half a millisecond longer, as on a slow card
//   batch-N        the run decides and records at most N files at a time
//   in-flight      the run's renames are made several at a time, however fast
//   kill-placed-N  SIGKILL once the N-th copy got its final name, before its
//                  source is removed
//   kill-removed-N SIGKILL once the N-th copy's source is removed (the move
//                  is complete, what follows it is not)

#include <cstddef>

void InstallTestHooks();
// N of batch-N as InstallTestHooks read it; 0 when not given (and always
// without test hooks).
size_t TestBatchFiles();
// Whether in-flight was given (never without test hooks).
bool TestMovesInFlight();
