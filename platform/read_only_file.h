#pragma once
// A regular file opened for reading. The open never blocks: a FIFO or a
// device put in place of a photo would stop the run in open() or read(), so
// anything but a regular file is refused before a byte is read.

#include "platform/file_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class ReadOnlyFile {
public:
  // Nothing when path is no regular file or cannot be opened.
  static std::optional<ReadOnlyFile> Open(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(ReadOnlyFile&& other) noexcept
      : fd_(other.fd_), size_(other.size_), modifiedSeconds_(other.modifiedSeconds_) {
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
  // Size and modification time as the file was opened (one stat for both,
  // rather than a look by name before the open).
  std::optional<uint64_t> Size() const { return size_; }
  FileSizeAndTime SizeAndTime() const;

private:
  explicit ReadOnlyFile(int fd) : fd_(fd) {}
  int fd_ = -1;
  uint64_t size_ = 0;
  int64_t modifiedSeconds_ = 0;
};
