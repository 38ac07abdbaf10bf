#pragma once
// Reading a text file line by line through a window of fixed size: a run
// record of a million files is read in the memory of its longest line, not
// of its length. Only whole lines count: a writer killed mid-line leaves
// half a line at the end, which is no line.

#include "platform/read_only_file.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

class LineReader {
public:
  // The window, and so the longest line read: far above any line of two
  // escaped paths and a few numbers.
  static constexpr size_t kWindowBytes = 64 * 1024;

  // Nothing when path is no regular file, cannot be opened, or is larger
  // than maxBytes (a bound, so a stray huge file is never gone through; a
  // file of any size is read in the memory of the window all the same).
  static std::optional<LineReader> Open(const std::string& path,
                                        uint64_t maxBytes = std::numeric_limits<uint64_t>::max());

  enum class Next {
    Line,  // line holds the next whole line, without its newline
    End,   // no whole line is left
    Error, // the file could not be read on
  };
  // line stays valid until the next call. A line longer than the window is
  // passed over.
  Next Read(std::string_view& line);

private:
  explicit LineReader(ReadOnlyFile file) : file_(std::move(file)), window_(kWindowBytes, '\0') {}

  ReadOnlyFile file_;
  std::string window_;
  size_t begin_ = 0, end_ = 0; // the bytes not handed out yet
  bool atEnd_ = false;
  bool passingOver_ = false; // within a line longer than the window
};
