#include "platform/move_file.h"

#include "platform/directory_walk.h"
#include "platform/file_info.h"
#include "platform/move_faults.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "platform/source_removal.h"
#include "platform/write_all.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kCopyChunk = 1 << 20;
// Bounds of the kernel's extended attributes: a name list and a value are
// each at most 64 KiB, so a copy never allocates by a size it was not given.
constexpr size_t kMaxAttributeBytes = 64 * 1024;
// Tries for a temporary name that no other move uses.
constexpr int kTemporaryNameTries = 16;
// A temporary copy's name: prefix, process id, '-', random, suffix.
constexpr std::string_view kTemporaryPrefix = ".fotomaz-", kTemporarySuffix = ".part";
constexpr size_t kTemporaryRandomDigits = 8;

volatile std::sig_atomic_t abandonRequested = 0;

MoveResult Outcome(MoveOutcome outcome, int error = 0) {
  return {outcome, error ? std::error_code(error, std::system_category()) : std::error_code()};
}

MoveResult FromError(int error) {
  return Outcome(OutcomeOfError(std::error_code(error, std::system_category())), error);
}

bool FlagUnsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

bool HardLinksUnsupported(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
         error == ENOSYS;
}

void AfterStep(CopyStep step) {
  if (const auto& hook = ActiveMoveFaults().afterStep) hook(step);
}

// 0 or the errno of the call.
int RenameNoReplace(const std::string& from, const std::string& to) {
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.renameUnsupported) return EINVAL;
  if (faults.sourceImmutable) return EPERM;
  if (faults.targetRefuses) return *faults.targetRefuses;
  return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int Link(const std::string& from, const std::string& to) {
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.linkUnsupported) return EPERM;
  if (faults.targetRefuses) return *faults.targetRefuses;
  return link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// A new file at path that did not exist before, or -errno.
int CreateExclusively(const std::string& path) {
  if (const auto refusal = ActiveMoveFaults().targetRefuses) return -*refusal;
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  return fd >= 0 ? fd : -errno;
}

int RemoveSource(const std::string& from) {
  if (ActiveMoveFaults().sourceRemovalFails) return EACCES;
  if (ActiveMoveFaults().sourceImmutable) return EPERM;
  return unlink(from.c_str()) == 0 ? 0 : errno;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The entry at path is still the file described by before, unchanged.
bool StillTheSame(const std::string& path, const struct stat& before) {
  struct stat now {};
  return lstat(path.c_str(), &now) == 0 && SameFile(now, before) && now.st_size == before.st_size &&
         now.st_mtim.tv_sec == before.st_mtim.tv_sec &&
         now.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
}

// The source could not be reached: gone (NotFound), or another failure that
// is not the target's.
MoveResult SourceError(int error) {
  return error == ENOENT ? FromError(ENOENT) : Outcome(MoveOutcome::Failed, error);
}

// A failed rename or link may be the source's fault, not the target's.
MoveResult TargetFailure(const std::string& from, int error) {
  if ((error == EACCES || error == EPERM) && !MayLeaveFolder(from)) {
    return Outcome(MoveOutcome::SourceNotRemovable, error);
  }
  return FromError(error);
}

// The source could not be removed once its file was at the target under
// another entry (placed): that entry goes again, so the file is in one place,
// whole in its source. A source gone meanwhile has moved after all.
MoveResult RemovalFailure(int error, const std::string& placed, const struct stat& entry,
                          bool copied) {
  if (error == ENOENT) return {MoveOutcome::Moved, {}, copied};
  struct stat now {};
  if (lstat(placed.c_str(), &now) == 0 && SameFile(now, entry)) unlink(placed.c_str());
  return Outcome(MoveOutcome::SourceNotRemovable, error);
}

// Gives from the name to inside one file system without replacing anything.
// EXDEV comes back as the error of a Failed outcome.
MoveResult RenameWithinFileSystem(const std::string& from, const std::string& to) {
  int error = RenameNoReplace(from, to);
  if (error == 0) return Outcome(MoveOutcome::Moved);
  if (error == EXDEV || !FlagUnsupported(error)) return TargetFailure(from, error);

  // No no-replace rename here: a hard link cannot replace either.
  error = Link(from, to);
  if (error == 0) {
    struct stat source {
    }, linked{};
    if (lstat(to.c_str(), &linked) != 0) return Outcome(MoveOutcome::SourceChanged);
    // Gone from the source after it was linked: the link holds it.
    if (lstat(from.c_str(), &source) != 0)
      return Outcome(errno == ENOENT ? MoveOutcome::Moved : MoveOutcome::SourceChanged);
    // Another program may have saved a new file over the source meanwhile;
    // removing that one would lose it.
    if (!SameFile(source, linked)) return Outcome(MoveOutcome::SourceChanged);
    if (const int removal = RemoveSource(from); removal != 0)
      return RemovalFailure(removal, to, linked, false);
    return Outcome(MoveOutcome::Moved);
  }
  if (error == EXDEV || !HardLinksUnsupported(error)) return TargetFailure(from, error);

  // Neither (exFAT, FAT, some network file systems): the final name is taken
  // exclusively first, so the rename can only replace our own empty file.
  const int reservation = CreateExclusively(to);
  if (reservation < 0) return TargetFailure(from, -reservation);
  close(reservation);
  AfterStep(CopyStep::Reserved);
  if (rename(from.c_str(), to.c_str()) != 0) {
    error = errno;
    unlink(to.c_str());
    return TargetFailure(from, error);
  }
  return Outcome(MoveOutcome::Moved);
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

bool WriteAt(int fd, const char* data, size_t size, off_t offset) {
  if (lseek(fd, offset, SEEK_SET) != offset) return false;
  return WriteAll(fd, std::string_view(data, size));
}

// Copies the bytes of source into target, only the parts that hold data:
// holes stay holes. Sets errno on failure (ECANCELED when abandoned).
class DataCopy {
public:
  DataCopy(int source, int target, off_t size)
      : source_(source), target_(target), size_(size), buffer_(kCopyChunk) {}

  bool Run() {
    for (off_t offset = 0; offset < size_;) {
      off_t data = lseek(source_, offset, SEEK_DATA);
      if (data < 0 && errno == ENXIO) break; // only a hole is left
      if (data < 0) data = offset;           // no hole support: everything is data
      off_t hole = lseek(source_, data, SEEK_HOLE);
      if (hole < 0 || hole > size_) hole = size_;
      if (!CopyRange(data, hole)) return false;
      offset = hole;
    }
    NoteProgress(size_);
    return ftruncate(target_, size_) == 0;
  }

  std::vector<char>& Buffer() { return buffer_; }
  // Whether the source failed a read or ended early (not the target).
  bool SourceFailed() const { return sourceFailed_; }

private:
  bool CopyRange(off_t begin, off_t end) {
    const MoveFaults& faults = ActiveMoveFaults();
    for (off_t offset = begin; offset < end;) {
      if (abandonRequested) {
        errno = ECANCELED;
        return false;
      }
      const size_t want = static_cast<size_t>(std::min<off_t>(end - offset, kCopyChunk));
      const ssize_t n = ReadAt(source_, buffer_.data(), want, offset);
      sourceFailed_ = n <= 0;
      if (n < 0) return false;
      if (n == 0) break; // the source shrank; the check after the copy notices
      size_t count = static_cast<size_t>(n);
      if (faults.copyFailsAfterBytes && written_ + count > *faults.copyFailsAfterBytes) {
        WriteAt(target_, buffer_.data(),
                static_cast<size_t>(*faults.copyFailsAfterBytes - written_), offset);
        errno = faults.copyError;
        return false;
      }
      if (faults.copyCorrupts && offset == 0) buffer_[0] = static_cast<char>(~buffer_[0]);
      if (!WriteAt(target_, buffer_.data(), count, offset)) return false;
      written_ += count;
      offset += n;
      NoteProgress(offset);
    }
    return true;
  }

  void NoteProgress(off_t reached) {
    if (!halfReported_ && reached * 2 >= size_) {
      halfReported_ = true;
      AfterStep(CopyStep::HalfWritten);
    }
  }

  int source_, target_;
  off_t size_;
  std::vector<char> buffer_;
  uint64_t written_ = 0;
  bool halfReported_ = false;
  bool sourceFailed_ = false;
};

// Whether the open file was written to since before was taken (appended,
// truncated, rewritten in place: the size, modification or change time
// moved).
bool ChangedSince(int fd, const struct stat& before) {
  struct stat now {};
  return fstat(fd, &now) != 0 || now.st_size != before.st_size ||
         now.st_mtim.tv_sec != before.st_mtim.tv_sec ||
         now.st_mtim.tv_nsec != before.st_mtim.tv_nsec ||
         now.st_ctim.tv_sec != before.st_ctim.tv_sec ||
         now.st_ctim.tv_nsec != before.st_ctim.tv_nsec;
}

// A copy that failed on the source's side, or that differs from it: a
// source written to meanwhile is to blame, otherwise the disk (error).
MoveResult SourceFailure(int source, const struct stat& before, int error) {
  if (ChangedSince(source, before)) return Outcome(MoveOutcome::ChangedDuringCopy);
  return Outcome(MoveOutcome::Failed, error);
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

// Extended attributes (ACLs among them) that the target takes; one it does
// not support is dropped without failing the move, as mv does.
void CopyExtendedAttributes(int source, int target) {
  std::vector<char> names(kMaxAttributeBytes);
  const ssize_t listed = flistxattr(source, names.data(), names.size());
  if (listed <= 0) return;
  std::vector<char> value(kMaxAttributeBytes);
  for (size_t at = 0; at < static_cast<size_t>(listed);) {
    const char* name = names.data() + at;
    at += std::strlen(name) + 1;
    const ssize_t size = fgetxattr(source, name, value.data(), value.size());
    if (size >= 0) fsetxattr(target, name, value.data(), static_cast<size_t>(size), 0);
  }
}

std::string TemporaryCopyPath(const std::string& to) {
  static std::mt19937 random{std::random_device{}()}; // 32 bits: eight hex digits
  char number[16];
  std::snprintf(number, sizeof number, "%08x", static_cast<unsigned>(random()));
  return WithBackslash(FolderOf(to)) + std::string(kTemporaryPrefix) +
         std::to_string(CurrentProcessId()) + "-" + number + std::string(kTemporarySuffix);
}

// Closes the descriptors and removes the temporary file unless it was
// given its final name.
class CopyFiles {
public:
  ~CopyFiles() {
    if (target >= 0) close(target);
    if (source >= 0) close(source);
    if (!temporary.empty()) unlink(temporary.c_str());
  }
  int source = -1;
  int target = -1;
  std::string temporary;
};

MoveResult CopyRegularFile(const std::string& from, const std::string& to) {
  CopyFiles files;
  // Without blocking: a FIFO put in place of the file must not hang the move.
  files.source = open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (files.source < 0) return SourceError(errno);
  struct stat st {};
  if (fstat(files.source, &st) != 0) return Outcome(MoveOutcome::Failed, errno);
  if (!S_ISREG(st.st_mode)) return Outcome(MoveOutcome::NotRegularFile);
  if (abandonRequested) return Outcome(MoveOutcome::Abandoned, ECANCELED);

  struct stat exists {};
  if (lstat(to.c_str(), &exists) == 0) return Outcome(MoveOutcome::TargetTaken, EEXIST);
  for (int attempt = 0; files.target < 0; ++attempt) {
    files.temporary = TemporaryCopyPath(to);
    files.target = CreateExclusively(files.temporary);
    if (files.target == -EEXIST && attempt + 1 < kTemporaryNameTries) continue;
    if (files.target < 0) {
      const int error = -files.target;
      files.temporary.clear();
      return FromError(error);
    }
  }
  AfterStep(CopyStep::TemporaryCreated);

  DataCopy copy(files.source, files.target, st.st_size);
  if (!copy.Run()) {
    const int error = errno;
    return copy.SourceFailed() ? SourceFailure(files.source, st, error) : FromError(error);
  }
  (void)!fchown(files.target, st.st_uid, st.st_gid); // only root may; ownership is a courtesy
  const timespec times[2] = {st.st_atim, st.st_mtim};
  if (fchmod(files.target, st.st_mode & 07777) != 0) return FromError(errno);
  CopyExtendedAttributes(files.source, files.target);
  if (futimens(files.target, times) != 0 || fsync(files.target) != 0) return FromError(errno);
  struct stat copied {};
  if (fstat(files.target, &copied) != 0 || copied.st_size != st.st_size ||
      !SameContent(files.source, files.target, st.st_size, copy.Buffer())) {
    return SourceFailure(files.source, st, EIO);
  }
  const int closing = close(files.target);
  files.target = -1;
  if (closing != 0) return FromError(errno);
  AfterStep(CopyStep::Flushed);
  if (abandonRequested) return Outcome(MoveOutcome::Abandoned, ECANCELED);

  // Gone before its copy was complete: another program (or run) took the
  // file, and this copy would hold it a second time.
  struct stat atSource {};
  if (lstat(from.c_str(), &atSource) != 0) return SourceError(errno);
  // Written to while it was read, the copy may hold a mix of two versions.
  if (SameFile(atSource, st) && ChangedSince(files.source, st))
    return Outcome(MoveOutcome::ChangedDuringCopy);

  const MoveResult placed = RenameWithinFileSystem(files.temporary, to);
  if (placed.outcome != MoveOutcome::Moved) return placed;
  files.temporary.clear();
  FlushFolder(FolderOf(to)); // the new entry is durable before the source goes
  AfterStep(CopyStep::Placed);

  // The path may name another file by now (saved over the source during the
  // copy): that one stays, and so does the complete copy of the old one. A
  // source gone once its copy is complete has moved.
  if (!StillTheSame(from, st)) {
    if (!EntryExists(from)) return {MoveOutcome::Moved, {}, true};
    return Outcome(MoveOutcome::SourceChanged);
  }
  if (const int removal = RemoveSource(from); removal != 0)
    return RemovalFailure(removal, to, copied, true);
  AfterStep(CopyStep::SourceRemoved);
  return {MoveOutcome::Moved, {}, true};
}

MoveResult CopySymlink(const std::string& from, const std::string& to) {
  struct stat made {};
  std::vector<char> target(4096);
  const ssize_t n = readlink(from.c_str(), target.data(), target.size() - 1);
  if (n < 0) return FromError(errno);
  target[static_cast<size_t>(n)] = '\0';
  if (const auto refusal = ActiveMoveFaults().targetRefuses) return FromError(*refusal);
  if (symlink(target.data(), to.c_str()) != 0 || lstat(to.c_str(), &made) != 0)
    return FromError(errno);
  if (const int removal = RemoveSource(from); removal != 0)
    return RemovalFailure(removal, to, made, true);
  return {MoveOutcome::Moved, {}, true};
}

MoveResult CopyAcross(const std::string& from, const std::string& to) {
  struct stat st {};
  if (lstat(from.c_str(), &st) != 0) return FromError(errno);
  // Asked first: a file that cannot leave would be copied only to be removed
  // again (a whole video from a write-protected card).
  if (!MayLeaveFolder(from)) return Outcome(MoveOutcome::SourceNotRemovable, EPERM);
  if (S_ISLNK(st.st_mode)) return CopySymlink(from, to);
  if (!S_ISREG(st.st_mode)) return Outcome(MoveOutcome::NotRegularFile);
  return CopyRegularFile(from, to);
}

} // namespace

MoveOutcome OutcomeOfError(std::error_code error) {
  switch (error.value()) {
  case 0:
    return MoveOutcome::Moved;
  case EEXIST:
  case ENOTEMPTY:
    return MoveOutcome::TargetTaken;
  case ENOENT:
  case ENOTDIR:
    return MoveOutcome::NotFound;
  case ENOSPC:
  case EDQUOT:
  case EFBIG:
    return MoveOutcome::NoSpace;
  case EACCES:
  case EPERM:
  case EROFS:
    return MoveOutcome::NotWritable;
  case ENAMETOOLONG:
  case EILSEQ:
  case EINVAL:
    return MoveOutcome::NameNotPossible;
  case ECANCELED:
    return MoveOutcome::Abandoned;
  default:
    return MoveOutcome::Failed;
  }
}

MoveResult MoveFileNoReplace(const std::string& from, const std::string& to) {
  // A NUL would cut the path short: the system would act on another entry.
  if (ContainsNul(from) || ContainsNul(to)) return Outcome(MoveOutcome::Failed, EINVAL);
  // The fault puts the target on another file system; the copy's own rename
  // into place then stays within the target's (and meets its other faults).
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.renameCrossDevice) return CopyAcross(from, to);
  const MoveResult result = RenameWithinFileSystem(from, to);
  if (result.error.value() == EXDEV) return CopyAcross(from, to);
  return result;
}

void AbandonCopyInHand() {
  abandonRequested = 1;
}

bool IsTemporaryCopyName(const std::string& name) {
  const auto digits = [](std::string_view text, bool hex) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [hex](char c) {
      return (c >= '0' && c <= '9') || (hex && c >= 'a' && c <= 'f');
    });
  };
  if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return false;
  const std::string_view middle = std::string_view(name).substr(
      kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
  const size_t dash = middle.find('-');
  return dash != std::string_view::npos && digits(middle.substr(0, dash), false) &&
         middle.size() - dash - 1 == kTemporaryRandomDigits &&
         digits(middle.substr(dash + 1), true);
}

void RemoveTemporaryCopiesOf(const std::string& folder, long pid) {
  const std::string prefix = std::string(kTemporaryPrefix) + std::to_string(pid) + "-";
  for (const std::string& name : ListFolderNames(folder)) {
    if (IsTemporaryCopyName(name) && name.starts_with(prefix)) {
      unlink((WithBackslash(folder) + name).c_str());
    }
  }
}

void RemoveIfStaleTemporaryCopy(const std::string& path) {
  const size_t slash = path.rfind(kPathSeparator);
  if (!IsTemporaryCopyName(slash == std::string::npos ? path : path.substr(slash + 1))) return;
  struct stat st {};
  if (ContainsNul(path) || lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  const int64_t now = static_cast<int64_t>(std::time(nullptr)) + ActiveMoveFaults().clockAhead;
  if (now - st.st_ctim.tv_sec > kStaleCopyMinutes * 60) unlink(path.c_str());
}

void RemoveStaleTemporaryCopiesIn(const std::string& folder) {
  for (const std::string& name : ListFolderNames(folder)) {
    if (IsTemporaryCopyName(name)) RemoveIfStaleTemporaryCopy(WithBackslash(folder) + name);
  }
}
