#include "platform/internal/source_removal.h"

#include "platform/file_info.h"
#include "platform/move_faults.h"
#include "platform/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The immutable and append-only flags keep even root from removing a file.
bool PinnedByFlags(const std::string& path) {
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

FolderRemovalRules RemovalRulesOf(const std::string& folder) {
  FolderRemovalRules rules;
  rules.user = geteuid();
  // Also catches an immutable folder and a read-only file system.
  rules.changeable = access(folder.c_str(), W_OK | X_OK) == 0;
  struct stat holder {};
  if (rules.changeable && rules.user != 0 && stat(folder.c_str(), &holder) == 0) {
    rules.sticky = (holder.st_mode & S_ISVTX) != 0;
    rules.owner = holder.st_uid;
  }
  return rules;
}

bool MayLeaveFolder(const std::string& path) {
  if (path.empty() || ContainsNul(path)) return MayLeaveFolder(path, {});
  return MayLeaveFolder(path, RemovalRulesOf(FolderOf(path)));
}

bool MayLeaveFolder(const std::string& path, const FolderRemovalRules& rules,
                    const FileStatus* looked) {
  if (ActiveMoveFaults().sourceImmutable) return false;
  if (path.empty() || ContainsNul(path)) return true;
  if (!rules.changeable) return false;
  const std::optional<FileStatus> entry =
      looked && !looked->throughLink && looked->pinned ? *looked : EntryStatusOf(path);
  if (!entry) return true;
  // Where the look did not tell the flags, only a regular file is opened to
  // read them: opening a device may act on it.
  if (entry->pinned ? *entry->pinned : entry->regular && PinnedByFlags(path)) return false;
  return rules.user == 0 || !rules.sticky || rules.user == entry->owner ||
         rules.user == rules.owner;
}
