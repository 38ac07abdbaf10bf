#include "platform/move_file.h"

#include "platform/move_faults.h"
#include "platform/path_text.h"
#include "platform/write_all.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kCopyChunk = 1 << 20;

MoveOutcome OutcomeOf(int error) {
  switch (error) {
  case EEXIST:
  case ENOTEMPTY:
    return MoveOutcome::TargetTaken;
  case ENOENT:
    return MoveOutcome::NotFound;
  default:
    return MoveOutcome::Failed;
  }
}

bool FlagUnsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

bool HardLinksUnsupported(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
         error == ENOSYS;
}

// 0 or the errno of the call.
int RenameNoReplace(const std::string& from, const std::string& to) {
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.renameUnsupported) return EINVAL;
  if (faults.renameCrossDevice) return EXDEV;
  return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int Link(const std::string& from, const std::string& to) {
  if (ActiveMoveFaults().linkUnsupported) return EPERM;
  return link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool RemoveSource(const std::string& from) {
  if (ActiveMoveFaults().sourceRemovalFails) return false;
  return unlink(from.c_str()) == 0;
}

// Makes the new directory entry durable before the source goes.
void FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd); // some file systems refuse fsync on folders; the file itself is flushed
  close(fd);
}

// Reads up to size bytes at offset; the count read, or -1.
ssize_t ReadAt(int fd, char* data, size_t size, off_t offset) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool CopyContent(int source, int target, std::vector<char>& buffer) {
  const MoveFaults& faults = ActiveMoveFaults();
  uint64_t written = 0;
  for (off_t offset = 0;;) {
    const ssize_t n = ReadAt(source, buffer.data(), buffer.size(), offset);
    if (n < 0) return false;
    if (n == 0) return true;
    size_t count = static_cast<size_t>(n);
    if (faults.copyFailsAfterBytes && written + count > *faults.copyFailsAfterBytes) {
      WriteAll(target, std::string_view(buffer.data(), static_cast<size_t>(
                                                           *faults.copyFailsAfterBytes - written)));
      errno = EIO;
      return false;
    }
    if (faults.copyCorrupts && offset == 0) buffer[0] = static_cast<char>(~buffer[0]);
    if (!WriteAll(target, std::string_view(buffer.data(), count))) return false;
    written += count;
    offset += n;
  }
}

bool SameContent(int source, int target, off_t size, std::vector<char>& buffer) {
  const size_t half = buffer.size() / 2;
  char* const a = buffer.data();
  char* const b = buffer.data() + half;
  for (off_t offset = 0; offset < size;) {
    const ssize_t n = ReadAt(source, a, half, offset);
    if (n <= 0 || ReadAt(target, b, half, offset) != n) return false;
    if (std::memcmp(a, b, static_cast<size_t>(n)) != 0) return false;
    offset += n;
  }
  return true;
}

// The copy into an exclusively created target; on any failure the target is
// removed again and the source stays.
MoveOutcome CopyRegularFile(const std::string& from, const std::string& to) {
  const int source = open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (source < 0) return OutcomeOf(errno);
  struct stat st {};
  if (fstat(source, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(source);
    return MoveOutcome::Failed;
  }
  // Private permissions until the copy is complete.
  const int target = open(to.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (target < 0) {
    const int error = errno;
    close(source);
    return OutcomeOf(error);
  }

  std::vector<char> buffer(kCopyChunk);
  bool ok = CopyContent(source, target, buffer);
  if (ok) {
    (void)!fchown(target, st.st_uid, st.st_gid); // only root may; ownership is a courtesy
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ok = fchmod(target, st.st_mode & 07777) == 0 && futimens(target, times) == 0 &&
         fsync(target) == 0;
  }
  if (ok) {
    struct stat copied {};
    ok = fstat(target, &copied) == 0 && copied.st_size == st.st_size &&
         SameContent(source, target, st.st_size, buffer);
  }
  ok = close(target) == 0 && ok;
  close(source);
  if (ok) {
    FlushFolder(FolderOf(to));
    ok = RemoveSource(from);
  }
  if (!ok) {
    unlink(to.c_str());
    return MoveOutcome::Failed;
  }
  return MoveOutcome::Moved;
}

MoveOutcome CopySymlink(const std::string& from, const std::string& to) {
  std::vector<char> target(4096);
  const ssize_t n = readlink(from.c_str(), target.data(), target.size() - 1);
  if (n < 0) return OutcomeOf(errno);
  target[static_cast<size_t>(n)] = '\0';
  if (symlink(target.data(), to.c_str()) != 0) return OutcomeOf(errno);
  if (!RemoveSource(from)) {
    unlink(to.c_str());
    return MoveOutcome::Failed;
  }
  return MoveOutcome::Moved;
}

MoveOutcome CopyThenRemove(const std::string& from, const std::string& to) {
  struct stat st {};
  if (lstat(from.c_str(), &st) != 0) return OutcomeOf(errno);
  if (S_ISLNK(st.st_mode)) return CopySymlink(from, to);
  if (!S_ISREG(st.st_mode)) return MoveOutcome::Failed;
  return CopyRegularFile(from, to);
}

MoveOutcome LinkThenRemove(const std::string& from, const std::string& to) {
  const int error = Link(from, to);
  if (error == EXDEV || HardLinksUnsupported(error)) return CopyThenRemove(from, to);
  if (error != 0) return OutcomeOf(error);
  if (!RemoveSource(from)) {
    unlink(to.c_str());
    return MoveOutcome::Failed;
  }
  return MoveOutcome::Moved;
}

} // namespace

MoveOutcome MoveFileNoReplace(const std::string& from, const std::string& to) {
  const int error = RenameNoReplace(from, to);
  if (error == 0) return MoveOutcome::Moved;
  if (error == EXDEV) return CopyThenRemove(from, to);
  if (FlagUnsupported(error)) return LinkThenRemove(from, to);
  return OutcomeOf(error);
}
