#include "platform/read_only_file.h"

#include "platform/internal/stat_status.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const std::string& path, OpenLinks links) {
  if (ContainsNul(path)) return std::nullopt;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC |
                                        (links == OpenLinks::Refuse ? O_NOFOLLOW : 0));
  if (fd < 0) return std::nullopt;
  ReadOnlyFile file(fd);
  struct stat st {};
  // O_NONBLOCK means nothing to the reads of a regular file, so it stays.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  file.status_ = StatusOfStat(st);
  return file;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) close(fd_);
}

std::optional<size_t> ReadOnlyFile::Read(char* dst, size_t n) {
  size_t done = 0;
  while (done < n) {
    const ssize_t count = read(fd_, dst + done, n - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    done += static_cast<size_t>(count);
    // A short read that reached the size the file had when it was opened is
    // its end: asking again only to hear so would double the reads of every
    // small file. A file that grew since is read on by the next call.
    if (position_ + done >= static_cast<uint64_t>(status_.size)) break;
  }
  position_ += done;
  return done;
}

bool ReadOnlyFile::Seek(uint64_t offset) {
  if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) return false;
  if (lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
  position_ = offset;
  return true;
}

FileSizeAndTime ReadOnlyFile::SizeAndTime() const {
  return {status_.size, LocalTimeOfUtcSeconds(status_.modifiedSeconds)};
}

std::optional<std::string> ReadFileBytes(const std::string& path, size_t limit, LargerFile larger) {
  std::optional<ReadOnlyFile> file = ReadOnlyFile::Open(path);
  if (!file) return std::nullopt;
  const auto size = static_cast<uint64_t>(file->Status().size);
  if (size > limit && larger == LargerFile::NotRead) return std::nullopt;
  // One byte more than the size said: a file that grew is cut or refused too.
  std::string bytes(static_cast<size_t>(std::min<uint64_t>(size, limit)) + 1, '\0');
  const std::optional<size_t> read = file->Read(bytes.data(), bytes.size());
  if (!read) return std::nullopt;
  if (*read > limit && larger == LargerFile::NotRead) return std::nullopt;
  bytes.resize(std::min(*read, limit));
  return bytes;
}
