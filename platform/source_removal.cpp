#include "platform/internal/source_removal.h"

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

// The entry itself (never through a link), as far as removing it goes.
struct EntryLook {
  bool exists = false;
  bool regular = false;
  uid_t owner = 0;
  // Whether it is immutable or append-only, where the look told.
  std::optional<bool> pinned;
};

EntryLook LookAtEntry(const std::string& path) {
  constexpr uint64_t kPinning = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
  EntryLook look;
  // One look tells kind, owner and the flags where the file system reports
  // them (ext4, btrfs, XFS, tmpfs); elsewhere the flags are read apart.
  struct statx entry {};
  if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_UID, &entry) == 0) {
    look.exists = true;
    look.regular = S_ISREG(entry.stx_mode);
    look.owner = entry.stx_uid;
    if ((entry.stx_attributes_mask & kPinning) == kPinning)
      look.pinned = (entry.stx_attributes & kPinning) != 0;
    return look;
  }
  if (errno != ENOSYS) return look;
  struct stat old {};
  if (lstat(path.c_str(), &old) != 0) return look;
  look.exists = true;
  look.regular = S_ISREG(old.st_mode);
  look.owner = old.st_uid;
  return look;
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

bool MayLeaveFolder(const std::string& path, const FolderRemovalRules& rules) {
  if (ActiveMoveFaults().sourceImmutable) return false;
  if (path.empty() || ContainsNul(path)) return true;
  if (!rules.changeable) return false;
  const EntryLook entry = LookAtEntry(path);
  if (!entry.exists) return true;
  // Only a regular file is opened to read its flags: opening a device may
  // act on it.
  if (entry.pinned ? *entry.pinned : entry.regular && PinnedByFlags(path)) return false;
  return rules.user == 0 || !rules.sticky || rules.user == entry.owner ||
         rules.user == rules.owner;
}
