#pragma once
// Comparing the bytes of two files, hashing them on the way, for the run's
// recognition of files that are already in their target folder.
//
// Each file is opened without blocking and must still be the regular file
// that a stat just before described (identity, size, modification time):
// a FIFO, or a file replaced or changed in between, is never read and gives
// no verdict. A link is followed only where the caller says so. Both files
// are read once, in large chunks, side by side; once they differ, a file
// whose hash is not wanted is read no further. A wrong "identical" would
// make a user delete a picture that is not in the library, so only bytes
// read to the end of both files ever give that verdict.

#include "platform/file_info.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CompareSide {
  std::string path;
  FileStatus expected;     // from StatusOf (followLink) or EntryStatusOf just before
  bool followLink = false; // open through a link; otherwise a link is refused
  bool wantHash = false;   // read to the end and return its hash (ContentHash)
};

enum class Comparison {
  Identical,  // the same bytes, every one of them read
  Different,  // they differ (in size or in a byte)
  Unreadable, // a side could not be opened or read, is not a regular file, or is
              // not the file its stat described any more: no verdict
};

struct CompareResult {
  Comparison verdict = Comparison::Unreadable;
  // The hashes that were wanted, when the verdict is not Unreadable.
  std::optional<uint64_t> hashA;
  std::optional<uint64_t> hashB;
  uint64_t bytesRead = 0; // by both sides together
};

// Keeps its read buffers between comparisons, so comparing many small files
// does not allocate and fault in fresh memory each time.
class FileComparer {
public:
  CompareResult Compare(const CompareSide& a, const CompareSide& b);

private:
  std::vector<unsigned char> bufferA_;
  std::vector<unsigned char> bufferB_;
};

// Whether the two paths hold two separate regular files of the same bytes:
// only then is one of them a copy that may go. Links are not followed: a
// link to the other place is no copy.
bool SeparateCopies(const std::string& a, const std::string& b);
