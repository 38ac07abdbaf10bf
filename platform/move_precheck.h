#pragma once
// What a move can be seen to meet before it starts. The run moves a group
// of pictures that belong together one member after the other: a refusal
// met only once the first member has moved would split the group, so the
// run asks about every member first and keeps the whole group in the
// source when one cannot go. The answers are a look, not a promise: what
// changes between the look and the move is still met by the move itself.

#include "platform/move_result.h"

#include <cstdint>
#include <string>

// Moved when nothing can be seen to stand in the way of moving the file at
// from into folder (which exists) under name: else SourceNotRemovable (the
// file may not leave its folder: immutable, append-only, a folder the
// process may not change) or NameNotPossible (the name is longer than the
// folder's file system takes).
MoveOutcome ForeseenMove(const std::string& from, const std::string& folder,
                         const std::string& name);
// The same for a copy, whose source stays where it is: only the name is
// looked at.
MoveOutcome ForeseenCopy(const std::string& folder, const std::string& name);

// Whether the file at from lies on the file system of folder, so a move is a
// rename that needs no room.
bool OnFileSystemOf(const std::string& from, const std::string& folder);

// Whether bytes fit the free space of the file system of folder (as an
// unprivileged user sees it); yes when that cannot be told.
bool FitsFreeSpace(const std::string& folder, uint64_t bytes);
