#pragma once
// A regular file opened for reading. The open never blocks: a FIFO or a
// device put in place of a photo would stop the run in open() or read(), so
// anything but a regular file is refused before a byte is read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class ReadOnlyFile {
public:
  // Nothing when path is no regular file or cannot be opened.
  static std::optional<ReadOnlyFile> Open(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(ReadOnlyFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  ReadOnlyFile& operator=(ReadOnlyFile&&) = delete;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Reads up to n bytes at the current position; the count, 0 at the end,
  // nothing on a read error.
  std::optional<size_t> Read(char* dst, size_t n);
  // Moves the position to offset from the start; false when it cannot.
  bool Seek(uint64_t offset);
  std::optional<uint64_t> Size() const;

private:
  explicit ReadOnlyFile(int fd) : fd_(fd) {}
  int fd_ = -1;
};
