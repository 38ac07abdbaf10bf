#include "platform/folder_lock.h"

#include "platform/file_info.h"
#include "platform/lock_faults.h"
#include "platform/path_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 0 or the errno of the lock.
int LockWithoutWaiting(int fd, LockMode mode) {
  const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
  while (flock(fd, operation) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

// The lock file's name for a folder's real path: 64 bits of FNV-1a, a rule
// that every version of the program must keep, or two versions running at
// once would not meet. A collision only refuses a run it need not.
std::string LockFileName(const std::string& realPath) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const unsigned char c : realPath) {
    hash ^= c;
    hash *= 0x100000001b3u;
  }
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.sperre", static_cast<unsigned long long>(hash));
  return name;
}

// The real path of folder (or of the nearest folder above it that exists,
// with exists false), and whether folder itself exists.
std::string NearestRealFolder(const std::string& folder, bool& exists) {
  exists = true;
  std::string path = LexicallyNormal(folder);
  while (true) {
    if (const std::optional<std::string> real = RealFolderPath(path)) return *real;
    exists = false;
    while (path.size() > 1 && path.back() == kPathSeparator)
      path.pop_back();
    const size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string::npos) return {};
    path.erase(slash == 0 ? 1 : slash);
  }
}

} // namespace

FolderLock::FolderLock(std::string lockFiles) : lockFiles_(std::move(lockFiles)) {}

FolderLock::~FolderLock() {
  Release();
}

void FolderLock::Release() {
  for (const int fd : held_)
    close(fd);
  held_.clear();
}

FolderLock::Level FolderLock::TakeLockFile(const std::string& folder, LockMode mode) {
  if (lockFiles_.empty() || ContainsNul(lockFiles_)) return Level::Refused;
  if (CreateFolderTree(lockFiles_, FolderAccess::OwnerOnly)) return Level::Refused;
  const std::string path = WithBackslash(lockFiles_) + LockFileName(folder);
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return Level::Refused;
  const int error = LockWithoutWaiting(fd, mode);
  if (error == 0) {
    held_.push_back(fd);
    return Level::Held;
  }
  close(fd);
  return error == EWOULDBLOCK ? Level::Busy : Level::Refused;
}

FolderLock::Level FolderLock::TakeLevel(const std::string& folder, LockMode mode) {
  // Close-on-exec: a file manager started at the end of a run must not
  // inherit the lock and hold it after the run.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int error = EBADF;
  if (fd >= 0) {
    const auto refusal = ActiveFaults<LockFaults>().lockRefused;
    error = refusal ? *refusal : LockWithoutWaiting(fd, mode);
    if (error == 0) {
      held_.push_back(fd);
      return Level::Held;
    }
    close(fd);
  }
  if (error == EWOULDBLOCK) return Level::Busy;
  // Any other refusal (ENOLCK, EOPNOTSUPP, EBADF, EINVAL on file systems
  // without locks), or a folder that cannot be opened.
  return TakeLockFile(folder, mode);
}

FolderLocking FolderLock::Take(const std::string& folder, LockMode mode) {
  Release();
  if (folder.empty() || ContainsNul(folder)) return FolderLocking::Unlocked;
  bool exists = true;
  std::string level = NearestRealFolder(folder, exists);
  if (level.empty()) return FolderLocking::Unlocked;
  FolderLocking own = FolderLocking::Unlocked;
  for (bool first = true;; first = false) {
    const bool itself = first && exists;
    const Level taken = TakeLevel(level, itself ? mode : LockMode::Shared);
    if (taken == Level::Busy) {
      Release();
      return FolderLocking::Busy;
    }
    if (itself && taken == Level::Held) own = FolderLocking::Held;
    if (level == "/") break;
    const size_t slash = level.rfind(kPathSeparator);
    level.erase(slash == 0 ? 1 : slash);
  }
  return own;
}
