#include "platform/file_info.h"

#include "platform/internal/stat_status.h"
#include "platform/move_faults.h"
#include "platform/path_text.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

bool Stat(const std::string& path, struct stat& st) {
  return !path.empty() && !ContainsNul(path) && stat(path.c_str(), &st) == 0;
}

std::error_code SystemError(int error) {
  return {error, std::system_category()};
}

} // namespace

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return Stat(path, st) && S_ISDIR(st.st_mode);
}

std::error_code CreateFolderTree(const std::string& path, FolderAccess access,
                                 std::vector<std::string>* created) {
  if (path.empty() || ContainsNul(path)) return SystemError(EINVAL);
  if (DirectoryExists(path)) return {};
  // A new folder is a new entry in the target, refused like a file.
  if (const auto refusal = ActiveMoveFaults().targetRefuses) return SystemError(*refusal);
  const mode_t mode = access == FolderAccess::OwnerOnly ? 0700 : 0777;
  // Create each level from the top; a level that exists already is fine.
  for (size_t end = path.find(kPathSeparator, 1);; end = path.find(kPathSeparator, end + 1)) {
    const std::string level = path.substr(0, end);
    if (!level.empty()) {
      if (mkdir(level.c_str(), mode) == 0) {
        if (created) created->push_back(level);
      } else if (errno != EEXIST) {
        return SystemError(errno);
      }
    }
    if (end == std::string::npos) break;
  }
  return DirectoryExists(path) ? std::error_code() : SystemError(ENOTDIR);
}

std::error_code CreateFolderBelow(const std::string& path, const std::string& known,
                                  std::vector<std::string>& created, bool& made,
                                  FolderAccess access) {
  made = false;
  const size_t below =
      !known.empty() && known.back() == kPathSeparator ? known.size() : known.size() + 1;
  if (path.empty() || ContainsNul(path) || known.empty() || !path.starts_with(known) ||
      path.size() <= below || path[below - 1] != kPathSeparator)
    return SystemError(EINVAL);
  const mode_t mode = access == FolderAccess::OwnerOnly ? 0700 : 0777;
  for (size_t end = path.find(kPathSeparator, below);; end = path.find(kPathSeparator, end + 1)) {
    const std::string level = path.substr(0, end);
    const bool last = end == std::string::npos;
    // A refusal stands for the system's, which an existing level never meets.
    if (const auto refusal = ActiveMoveFaults().targetRefuses) {
      if (!DirectoryExists(level)) return SystemError(*refusal);
    } else if (mkdir(level.c_str(), mode) == 0) {
      created.push_back(level);
      if (last) made = true;
    } else if (errno == ENOENT) {
      // Removed under the run: made again from the top.
      const size_t before = created.size();
      const std::error_code again = CreateFolderTree(path, access, &created);
      made = created.size() > before && created.back() == path;
      return again;
    } else if (errno != EEXIST) {
      return SystemError(errno);
    }
    if (last) break;
  }
  return made || DirectoryExists(path) ? std::error_code() : SystemError(ENOTDIR);
}

void FlushFolder(const std::string& folder) {
  if (ContainsNul(folder)) return;
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool EntryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && !ContainsNul(path) && lstat(path.c_str(), &st) == 0;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (!Stat(path, st)) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

std::optional<FileStatus> StatusOf(const std::string& path) {
  // The entry first: for a file that is no link this one call also tells
  // what a rename of the entry lands, and what a move needs to know before
  // it takes the entry away (its owner, its flags), so the run needs no
  // second look.
  std::optional<FileStatus> entry = EntryStatusOf(path);
  if (!entry || !entry->link) return entry;
  struct stat st {};
  if (!Stat(path, st)) return std::nullopt;
  FileStatus status = StatusOfStat(st);
  status.throughLink = true;
  return status;
}

FileStatus StatusOfStat(const struct stat& st) {
  FileStatus status;
  status.regular = S_ISREG(st.st_mode);
  status.link = S_ISLNK(st.st_mode);
  status.readOnly = (st.st_mode & S_IWUSR) == 0;
  status.identity = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
  status.size = static_cast<int64_t>(st.st_size);
  status.modifiedSeconds = static_cast<int64_t>(st.st_mtim.tv_sec);
  status.modifiedNanoseconds = static_cast<int64_t>(st.st_mtim.tv_nsec);
  status.changedSeconds = static_cast<int64_t>(st.st_ctim.tv_sec);
  status.changedNanoseconds = static_cast<int64_t>(st.st_ctim.tv_nsec);
  status.links = static_cast<uint64_t>(st.st_nlink);
  status.owner = st.st_uid;
  return status;
}

FileStatus StatusOfStatx(const struct statx& entry) {
  constexpr uint64_t kPinning = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
  FileStatus status;
  status.regular = S_ISREG(entry.stx_mode);
  status.link = S_ISLNK(entry.stx_mode);
  status.readOnly = (entry.stx_mode & S_IWUSR) == 0;
  status.identity = {static_cast<uint64_t>(makedev(entry.stx_dev_major, entry.stx_dev_minor)),
                     static_cast<uint64_t>(entry.stx_ino)};
  status.size = static_cast<int64_t>(entry.stx_size);
  status.modifiedSeconds = static_cast<int64_t>(entry.stx_mtime.tv_sec);
  status.modifiedNanoseconds = static_cast<int64_t>(entry.stx_mtime.tv_nsec);
  status.changedSeconds = static_cast<int64_t>(entry.stx_ctime.tv_sec);
  status.changedNanoseconds = static_cast<int64_t>(entry.stx_ctime.tv_nsec);
  status.links = static_cast<uint64_t>(entry.stx_nlink);
  status.owner = entry.stx_uid;
  if ((entry.stx_attributes_mask & kPinning) == kPinning)
    status.pinned = (entry.stx_attributes & kPinning) != 0;
  return status;
}

bool Unchanged(const FileStatus& before, const FileStatus& now) {
  return now.identity == before.identity && now.size == before.size &&
         now.modifiedSeconds == before.modifiedSeconds &&
         now.modifiedNanoseconds == before.modifiedNanoseconds &&
         now.changedSeconds == before.changedSeconds &&
         now.changedNanoseconds == before.changedNanoseconds;
}

std::optional<FileStatus> EntryStatusOf(const std::string& path) {
  if (path.empty() || ContainsNul(path)) return std::nullopt;
  // statx tells the flags too, where the file system reports them; lstat
  // where statx is missing or leaves a basic field out.
  struct statx entry {};
  if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS,
            &entry) == 0) {
    if ((entry.stx_mask & STATX_BASIC_STATS) == STATX_BASIC_STATS) return StatusOfStatx(entry);
  } else if (errno != ENOSYS) {
    return std::nullopt;
  }
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return std::nullopt;
  return StatusOfStat(st);
}

std::optional<std::string> RealFolderPath(const std::string& path) {
  if (path.empty() || ContainsNul(path)) return std::nullopt;
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return std::nullopt;
  std::string result(real);
  free(real);
  return result;
}

bool InodesStable(const std::string& path) {
  constexpr decltype(statfs::f_type) kFuseMagic = 0x65735546; // FUSE_SUPER_MAGIC
  struct statfs fs {};
  return ContainsNul(path) || statfs(path.c_str(), &fs) != 0 || fs.f_type != kFuseMagic;
}
