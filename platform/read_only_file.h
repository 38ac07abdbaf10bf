#pragma once
// A regular file opened for reading. The open never blocks: a FIFO or a
// device put in place of a photo would stop the run in open() or read(), so
// anything but a regular file is refused before a byte is read.

#include "platform/file_info.h"
#include "platform/file_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Whether opening a path that is a symbolic link opens the file it leads to.
// The run refuses links where it opens a file in place of a look at its
// entry: a link must be seen as one (its move lands the link).
enum class OpenLinks { Follow, Refuse };

class ReadOnlyFile {
public:
  // Nothing when path is no regular file or cannot be opened (a link, with
  // OpenLinks::Refuse).
  static std::optional<ReadOnlyFile> Open(const std::string& path,
                                          OpenLinks links = OpenLinks::Follow);
  ~ReadOnlyFile();
  ReadOnlyFile(ReadOnlyFile&& other) noexcept
      : fd_(other.fd_), status_(other.status_), position_(other.position_) {
    other.fd_ = -1;
  }
  ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Reads up to n bytes at the current position; the count, 0 at the end,
  // nothing on a read error.
  std::optional<size_t> Read(char* dst, size_t n);
  // Moves the position to offset from the start; false when it cannot.
  bool Seek(uint64_t offset);
  // The file as it was opened (one stat of the open file, rather than a
  // look by name before the open): what the run needs to know of it.
  const FileStatus& Status() const { return status_; }
  std::optional<uint64_t> Size() const { return static_cast<uint64_t>(status_.size); }
  FileSizeAndTime SizeAndTime() const;

private:
  explicit ReadOnlyFile(int fd) : fd_(fd) {}
  int fd_ = -1;
  FileStatus status_;
  uint64_t position_ = 0; // where the next read starts
};

// What a bounded read does with a file larger than its bound.
enum class LargerFile { NotRead, Cut };
// The bytes of the regular file at path, at most limit of them: the first
// limit bytes of a larger file with LargerFile::Cut, nothing with NotRead.
// Nothing when it is no regular file or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit, LargerFile larger);
