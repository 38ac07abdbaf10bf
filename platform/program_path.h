#pragma once
// Where the running program lies: the settings file and the data of an
// installation are found from there, whatever the current folder.

#include "platform/path_text.h"

#include <string>

// Full path of the running program's file.
std::string ProgramFilePath();

// The folder of the running program, ending in a path separator.
std::string ProgramDir();

// The running process's id (names files that no other run may share).
long CurrentProcessId();

// Whether a process of id pid is running (or its id is taken by another
// one: a reused id counts as running, which only delays what waits for it).
bool ProcessRunning(long pid);
