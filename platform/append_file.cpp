#include "platform/append_file.h"

#include "platform/internal/write_all.h"
#include "platform/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::error_code SystemError(int error) {
  return {error, std::system_category()};
}

} // namespace

AppendFile::AppendFile(const std::string& path, Mode mode) {
  if (ContainsNul(path)) {
    error_ = SystemError(EINVAL);
    return;
  }
  const int exclusive = mode == Mode::CreateNew ? O_EXCL : 0;
  fd_ = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | exclusive, 0644);
  if (fd_ < 0) error_ = SystemError(errno);
}

AppendFile::~AppendFile() {
  if (fd_ >= 0) close(fd_);
}

bool AppendFile::Append(std::string_view bytes) {
  return fd_ >= 0 && WriteAll(fd_, bytes);
}

bool AppendToExistingFile(const std::string& path, std::string_view bytes) {
  if (ContainsNul(path)) return false;
  const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  return close(fd) == 0 && written;
}

bool RemoveFile(const std::string& path) {
  return !ContainsNul(path) && unlink(path.c_str()) == 0;
}

bool RemoveEmptyFolder(const std::string& path) {
  return !ContainsNul(path) && rmdir(path.c_str()) == 0;
}
