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
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  // A regular file never blocks; reads behave as usual from here.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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

std::optional<uint64_t> ReadOnlyFile::Size() const {
  struct stat st {};
  if (fstat(fd_, &st) != 0) return std::nullopt;
  return static_cast<uint64_t>(st.st_size);
}
