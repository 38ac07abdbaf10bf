#pragma once
// Recognising a file that lies in its target folder already, under its
// planned name or a numbered variant of it: which files are read, in which
// order, and the hashes a run keeps. The reading itself is the platform's
// (platform/file_compare.h).
//
// Costs, since a second copy of a whole card may be compared file by file:
// every candidate is stat'ed first and read only when its size is the
// source's; a file's hash is computed at most once per run (kept by device,
// inode, size and modification time, so a file changed meanwhile is hashed
// anew, and a stale hash can only miss a match, never make one); equal
// hashes are confirmed byte for byte; two files whose hashes are both
// unknown are hashed and compared in one pass. A verdict counts only when
// both files are, after the comparison, as they were before it (identity,
// size, modification and change time): "already in the target" is what a
// user acts on when deleting the source.

#include "platform/file_compare.h"
#include "platform/file_info.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct ContentCandidate {
  std::string path;    // the name in the target folder, as reported
  std::string content; // where its bytes are: path itself, or in a dry run
                       // the source of a planned move
};

class IdenticalFiles {
public:
  // The first of candidates (in their order) whose bytes equal those of
  // source, whose StatusOf (links followed) is status. A candidate is never
  // a link. Nothing when none is equal or none could be read.
  std::optional<std::string> Find(const std::string& source, const FileStatus& status,
                                  const std::vector<ContentCandidate>& candidates);
  // The file of status (compared before) now lies at target: a hash known
  // for it holds there too, also when the move copied it.
  void NoteMoved(const FileStatus& status, const std::string& target);
  // Bytes read by all comparisons so far.
  uint64_t BytesRead() const { return bytesRead_; }

private:
  struct Key {
    FileIdentity identity;
    int64_t size;
    int64_t modifiedSeconds;
    int64_t modifiedNanoseconds;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& key) const;
  };
  static Key KeyOf(const FileStatus& status);
  std::optional<uint64_t> KnownHash(const FileStatus& status) const;
  // What one comparison found, and whether both files were still as their
  // statuses describe them when it ended.
  struct Verdict {
    bool equal = false;
    bool steady = false;
  };
  // Reads only what is needed and keeps every hash it learns from a file
  // that did not change while it was read (such a hash is of neither
  // version).
  Verdict Compare(const std::string& source, const FileStatus& sourceStatus,
                  const std::string& content, const FileStatus& contentStatus);
  // Whether the two files are equal. When either changed during the
  // comparison (a target rewritten or replaced meanwhile), only a second
  // comparison of both as they are then, which neither disturbs, can say so.
  bool Equal(const std::string& source, const FileStatus& sourceStatus, const std::string& content,
             const FileStatus& contentStatus);

  std::unordered_map<Key, uint64_t, KeyHash> hashes_;
  FileComparer comparer_;
  uint64_t bytesRead_ = 0;
};
