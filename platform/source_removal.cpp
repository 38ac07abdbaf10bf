#include "platform/internal/source_removal.h"

#include "platform/move_faults.h"
#include "platform/path_text.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The immutable and append-only flags keep even root from removing a file.
bool Pinned(const std::string& path) {
  // Without blocking, and never through a link: only the entry itself counts.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  const bool pinned =
      ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
  close(fd);
  return pinned;
}

} // namespace

bool MayLeaveFolder(const std::string& path) {
  if (ActiveMoveFaults().sourceImmutable) return false;
  if (path.empty() || ContainsNul(path)) return true;
  const std::string folder = FolderOf(path);
  // Also catches an immutable folder and a read-only file system.
  if (access(folder.c_str(), W_OK | X_OK) != 0) return false;
  struct stat entry {
  }, holder{};
  if (lstat(path.c_str(), &entry) != 0) return true;
  // Only a regular file is opened to read its flags: opening a device may
  // act on it.
  if (S_ISREG(entry.st_mode) && Pinned(path)) return false;
  const uid_t user = geteuid();
  return user == 0 || stat(folder.c_str(), &holder) != 0 || (holder.st_mode & S_ISVTX) == 0 ||
         user == entry.st_uid || user == holder.st_uid;
}
