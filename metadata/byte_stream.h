#pragma once
// The reader's input: an abstract byte source (a file, or bytes in memory for
// tests and fuzzers) and a buffered stream over it, so that reading a marker
// byte by byte costs no system call per byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
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

private:
  std::string_view bytes_;
  size_t position_ = 0;
};

// A file opened for reading only.
class FileSource : public ByteSource {
public:
  // Nothing when the file cannot be opened.
  static std::optional<FileSource> Open(const std::string& path);
  size_t Read(char* dst, size_t n) override;

private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  explicit FileSource(std::FILE* file) : file_(file) {}

  std::unique_ptr<std::FILE, Closer> file_;
};

class ByteStream {
public:
  explicit ByteStream(ByteSource& source);

  // The next byte, or nothing at the end of the data.
  std::optional<uint8_t> ReadByte();
  // Appends up to n bytes to out; returns how many the data still held.
  size_t ReadAppend(std::string& out, size_t n);

private:
  bool Refill();

  ByteSource& source_;
  std::vector<char> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool exhausted_ = false;
};
