#include "platform/read_only_file.h"

#include "platform/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

std::optional<ReadOnlyFile> ReadOnlyFile::Open(const std::string& path) {
  if (ContainsNul(path)) return std::nullopt;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  ReadOnlyFile file(fd);
  struct stat st {};
  // O_NONBLOCK means nothing to the reads of a regular file, so it stays.
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  file.size_ = static_cast<uint64_t>(st.st_size);
  file.modifiedSeconds_ = static_cast<int64_t>(st.st_mtim.tv_sec);
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
  }
  return done;
}

bool ReadOnlyFile::Seek(uint64_t offset) {
  if (offset > static_cast<uint64_t>(std::numeric_limits<off_t>::max())) return false;
  return lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

FileSizeAndTime ReadOnlyFile::SizeAndTime() const {
  return {static_cast<int64_t>(size_), LocalTimeOfUtcSeconds(modifiedSeconds_)};
}
