#pragma once
// Fault hooks of a test build. The tests of the command run a build of it
// made with FOTOMAZ_TEST_HOOKS, which reads FOTOMAZ_TEST_FAULTS from the
// environment; the program itself is built without, and never looks.
//
// FOTOMAZ_TEST_FAULTS is a comma-separated list of:
//   cross-device   every move is a copy, as across file systems
//   pause-at-half  a copy writes "halb" to standard error when half written
//                  and then waits two seconds (time for a signal)

void InstallTestHooks();
