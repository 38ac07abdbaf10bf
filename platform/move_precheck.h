#pragma once
// What a move can be seen to meet before it starts. The run moves a group
// of pictures that belong together one member after the other: a refusal
// met only once the first member has moved would split the group, so the
// run asks about every member first and keeps the whole group in the
// source when one cannot go. The answers are a look, not a promise: what
// changes between the look and the move is still met by the move itself.

#include "platform/file_info.h"
#include "platform/move_result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Whether bytes fit the free space of the file system of folder (as an
// unprivileged user sees it); yes when that cannot be told.
bool FitsFreeSpace(const std::string& folder, uint64_t bytes);

// The looks for the members of one group. Each question about a folder is
// asked of the system once: the members share their source folder and their
// target folder, and on a share every question costs a round trip. Lives
// for one look at one group.
class MoveForecast {
public:
  MoveForecast();
  ~MoveForecast();
  MoveForecast(const MoveForecast&) = delete;
  MoveForecast& operator=(const MoveForecast&) = delete;

  // Moved when nothing can be seen to stand in the way of moving the file
  // at from into folder (which exists) under name: else SourceNotRemovable
  // (the file may not leave its folder: immutable, append-only, a folder the
  // process may not change) or NameNotPossible (the name is longer than the
  // folder's file system takes).
  // looked: the caller's look at from (StatusOf), which may tell all it takes.
  MoveOutcome Move(const std::string& from, const FileStatus& looked, const std::string& folder,
                   const std::string& name);
  // The same for a copy, whose source stays where it is: only the name is
  // looked at.
  MoveOutcome Copy(const std::string& folder, const std::string& name);
  // Whether the file at from, on device as the run's look told (unknown for
  // a path looked at through a link: it is looked at again), lies on the
  // file system of folder, so a move is a rename that needs no room.
  bool OnFileSystemOf(const std::string& from, std::optional<uint64_t> device,
                      const std::string& folder);

private:
  struct Answers; // by folder
  std::unique_ptr<Answers> answers_;
};
