#include "platform/folder_lock.h"

#include "platform/lock_faults.h"
#include "platform/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// 0 or the errno of the lock.
int LockExclusively(int fd) {
  if (const auto refusal = ActiveFaults<LockFaults>().lockRefused) return *refusal;
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

} // namespace

FolderLock::~FolderLock() {
  Release();
}

void FolderLock::Release() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

FolderLocking FolderLock::Take(const std::string& folder) {
  Release();
  if (folder.empty() || ContainsNul(folder)) return FolderLocking::Unlocked;
  // Close-on-exec: a file manager started at the end of a run must not
  // inherit the lock and hold it after the run.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return FolderLocking::Unlocked;
  const int error = LockExclusively(fd);
  if (error == 0) {
    fd_ = fd;
    return FolderLocking::Held;
  }
  close(fd);
  // Any other refusal (ENOLCK, EOPNOTSUPP, EBADF, EINVAL on file systems
  // without locks) leaves the run as it was before locks existed.
  return error == EWOULDBLOCK ? FolderLocking::Busy : FolderLocking::Unlocked;
}
