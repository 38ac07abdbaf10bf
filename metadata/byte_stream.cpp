#include "metadata/byte_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
// Large enough that the head of a typical camera file (APP0, the EXIF APP1
// with its thumbnail, the tables) arrives in a handful of reads.
constexpr size_t kStreamBufferSize = 32 * 1024;

// A smaller file gets a buffer of its size (and a byte to tell its end): a
// run reads every file once, and a large buffer for each would cost more
// than the read.
size_t BufferSizeFor(std::optional<uint64_t> dataSize) {
  if (!dataSize || *dataSize >= kStreamBufferSize) return kStreamBufferSize;
  return static_cast<size_t>(*dataSize) + 1;
}

// A run reads every file through a stream of its own: the buffer is kept for
// the thread's next stream, since allocating and freeing one per file cost
// a fifth of the date read. A stream opened inside another gets a new one.
thread_local std::unique_ptr<char[]> tSpareBuffer;

std::unique_ptr<char[]> TakeBuffer() {
  if (tSpareBuffer) return std::move(tSpareBuffer);
  return std::unique_ptr<char[]>(new char[kStreamBufferSize]);
}
} // namespace

bool ByteSource::Seek(uint64_t) {
  return false;
}

std::optional<uint64_t> ByteSource::Size() {
  return std::nullopt;
}

size_t MemorySource::Read(char* dst, size_t n) {
  const size_t count = std::min(n, bytes_.size() - position_);
  if (count > 0) std::memcpy(dst, bytes_.data() + position_, count);
  position_ += count;
  bytesRead_ += count;
  return count;
}

bool MemorySource::Seek(uint64_t offset) {
  position_ = static_cast<size_t>(std::min<uint64_t>(offset, bytes_.size()));
  return true;
}

std::optional<FileSource> FileSource::Open(const std::string& path, OpenLinks links) {
  std::optional<ReadOnlyFile> file = ReadOnlyFile::Open(path, links);
  if (!file) return std::nullopt;
  return FileSource(std::move(*file));
}

size_t FileSource::Read(char* dst, size_t n) {
  const std::optional<size_t> count = file_.Read(dst, n);
  if (!count) throw ByteSourceError("read error");
  bytesRead_ += *count;
  return *count;
}

bool FileSource::Seek(uint64_t offset) {
  return file_.Seek(offset);
}

std::optional<uint64_t> FileSource::Size() {
  return file_.Size();
}

// The buffer is not cleared first (it may hold an earlier stream's bytes):
// only bytes a read delivered are ever looked at.
ByteStream::ByteStream(ByteSource& source)
    : source_(source), capacity_(BufferSizeFor(source.Size())), buffer_(TakeBuffer()) {}

ByteStream::~ByteStream() {
  if (buffer_ && !tSpareBuffer) tSpareBuffer = std::move(buffer_);
}

bool ByteStream::Refill() {
  if (exhausted_) return false;
  bufferStart_ += end_;
  begin_ = 0;
  end_ = source_.Read(buffer_.get(), capacity_);
  if (end_ == 0) exhausted_ = true;
  return end_ > 0;
}

bool ByteStream::SeekTo(uint64_t offset) {
  if (offset >= bufferStart_ && offset - bufferStart_ <= end_) {
    begin_ = static_cast<size_t>(offset - bufferStart_);
    return true;
  }
  if (!source_.Seek(offset)) return false;
  bufferStart_ = offset;
  begin_ = 0;
  end_ = 0;
  exhausted_ = false;
  return true;
}

void ByteStream::ReadAt(uint64_t offset, size_t n, std::string& out) {
  out.clear();
  if (SeekTo(offset)) ReadAppend(out, n);
}

std::optional<uint8_t> ByteStream::ReadByte() {
  if (begin_ == end_ && !Refill()) return std::nullopt;
  return static_cast<uint8_t>(buffer_[begin_++]);
}

size_t ByteStream::ReadAppend(std::string& out, size_t n) {
  const size_t start = out.size();
  const size_t buffered = std::min(n, end_ - begin_);
  out.append(buffer_.get() + begin_, buffered);
  begin_ += buffered;
  size_t missing = n - buffered;
  if (missing >= capacity_) {
    // A large body goes straight from the source into its place; the empty
    // buffer then starts behind it.
    bufferStart_ += end_;
    begin_ = 0;
    end_ = 0;
    const size_t at = out.size();
    out.resize(at + missing);
    size_t got = 0;
    while (got < missing && !exhausted_) {
      const size_t count = source_.Read(out.data() + at + got, missing - got);
      if (count == 0) exhausted_ = true;
      got += count;
    }
    out.resize(at + got);
    bufferStart_ += got;
    missing = 0;
  }
  while (missing > 0 && Refill()) {
    const size_t count = std::min(missing, end_ - begin_);
    out.append(buffer_.get() + begin_, count);
    begin_ += count;
    missing -= count;
  }
  return out.size() - start;
}
