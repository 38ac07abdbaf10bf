#pragma once
// The reader's input: an abstract byte source (a file, or bytes in memory for
// tests and fuzzers) and a buffered stream over it, so that reading a marker
// byte by byte costs no system call per byte. A source that can seek lets
// the readers of movie and image containers skip media data by its recorded
// size instead of reading it.

#include "platform/read_only_file.h"
#include <cstddef>
#include <cstdint>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A source that cannot deliver the bytes it holds (an I/O error, a device
// gone). The readers catch it once per read (docs/metadata-reader.md).
class ByteSourceError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class ByteSource {
public:
  virtual ~ByteSource() = default;
  // Copies up to n bytes to dst; returns how many, 0 at the end of the data.
  // Throws std::runtime_error (ByteSourceError here) when the bytes cannot
  // be read.
  virtual size_t Read(char* dst, size_t n) = 0;
  // Makes the next Read start offset bytes from the start of the data; false
  // when the source cannot (this default). An offset past the end is
  // allowed: reads there deliver nothing.
  virtual bool Seek(uint64_t offset);
  // The number of bytes the data holds; nothing when the source cannot
  // tell (this default).
  virtual std::optional<uint64_t> Size();

protected:
  ByteSource() = default;
  ByteSource(const ByteSource&) = default;
  ByteSource(ByteSource&&) = default;
  ByteSource& operator=(const ByteSource&) = default;
  ByteSource& operator=(ByteSource&&) = default;
};

class MemorySource : public ByteSource {
public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  size_t Read(char* dst, size_t n) override;
  bool Seek(uint64_t offset) override;
  std::optional<uint64_t> Size() override { return bytes_.size(); }
  // Bytes delivered by Read so far.
  uint64_t BytesRead() const { return bytesRead_; }

private:
  std::string_view bytes_;
  size_t position_ = 0;
  uint64_t bytesRead_ = 0;
};

// A file opened for reading only.
class FileSource : public ByteSource {
public:
  // Nothing when the file cannot be opened or is no regular file (the open
  // never blocks on a FIFO put in a photo's place).
  static std::optional<FileSource> Open(const std::string& path,
                                        OpenLinks links = OpenLinks::Follow);
  size_t Read(char* dst, size_t n) override;
  bool Seek(uint64_t offset) override;
  std::optional<uint64_t> Size() override;
  // The file's size and modification time when it was opened.
  FileSizeAndTime SizeAndTime() const { return file_.SizeAndTime(); }
  // The whole status of the open file (read_only_file.h).
  const FileStatus& Status() const { return file_.Status(); }
  // Bytes delivered by Read so far: what the file system was asked for.
  uint64_t BytesRead() const { return bytesRead_; }

private:
  explicit FileSource(ReadOnlyFile file) : file_(std::move(file)) {}

  ReadOnlyFile file_;
  uint64_t bytesRead_ = 0;
};

class ByteStream {
public:
  explicit ByteStream(ByteSource& source);
  // The buffer goes back to the thread for its next stream.
  ~ByteStream();
  ByteStream(const ByteStream&) = delete;
  ByteStream& operator=(const ByteStream&) = delete;

  // The next byte, or nothing at the end of the data.
  std::optional<uint8_t> ReadByte();
  // Appends up to n bytes to out; returns how many the data still held.
  size_t ReadAppend(std::string& out, size_t n);
  // Offset of the next byte from the start of the data.
  uint64_t Position() const { return bufferStart_ + begin_; }
  // Makes offset the next byte: inside the buffer without a read, elsewhere
  // through the source. False when the source cannot seek.
  bool SeekTo(uint64_t offset);
  // The up to n bytes from offset on, in place of out's contents; empty when
  // the source cannot seek there. Callers bound n.
  void ReadAt(uint64_t offset, size_t n, std::string& out);
  // The number of bytes the data holds, when the source can tell.
  std::optional<uint64_t> DataSize() { return source_.Size(); }

private:
  bool Refill();

  ByteSource& source_;
  size_t capacity_;                // what one read asks for
  std::unique_ptr<char[]> buffer_; // at least capacity_ bytes
  uint64_t bufferStart_ = 0;       // offset of buffer_[0] in the data
  size_t begin_ = 0;
  size_t end_ = 0;
  bool exhausted_ = false;
};
