#include "platform/cross_device_batch.h"

#include "platform/file_info.h"
#include "platform/internal/move_steps.h"
#include "platform/internal/source_removal.h"
#include "platform/path_text.h"
#include "platform/temporary_copy_name.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// Tries for a temporary name that no other move uses.
constexpr int kTemporaryNameTries = 16;

// A copy that failed on the source's side, or that differs from it: a
// source written to meanwhile is to blame, otherwise the disk (error).
MoveResult SourceFailure(int source, const struct stat& before, int error) {
  if (ChangedSince(source, before)) return Outcome(MoveOutcome::ChangedDuringCopy);
  return Outcome(MoveOutcome::Failed, error);
}

MoveResult CopySymlink(const std::string& from, const std::string& to, bool removeSource) {
  struct stat made {};
  std::vector<char> target(4096);
  const ssize_t n = readlink(from.c_str(), target.data(), target.size() - 1);
  if (n < 0) return FromError(errno);
  target[static_cast<size_t>(n)] = '\0';
  if (const auto refusal = ActiveMoveFaults().targetRefuses) return FromError(*refusal);
  if (symlink(target.data(), to.c_str()) != 0 || lstat(to.c_str(), &made) != 0)
    return FromError(errno);
  if (!removeSource) return {MoveOutcome::Copied, {}, true};
  if (const int removal = RemoveSource(from); removal != 0)
    return RemovalFailure(removal, to, made, true);
  return {MoveOutcome::Moved, {}, true};
}

// File systems on a local disk, whose syncfs writes every file's data and
// metadata to the medium before it returns. Elsewhere (FUSE, network
// shares) syncfs may return before the data reached the medium, where an
// fsync of the file would wait for it. Sorted, for the binary search.
constexpr std::array<long, 7> kWholeSyncFileSystems = {
    MSDOS_SUPER_MAGIC, EXT4_SUPER_MAGIC,  TMPFS_MAGIC,      EXFAT_SUPER_MAGIC,
    XFS_SUPER_MAGIC,   BTRFS_SUPER_MAGIC, F2FS_SUPER_MAGIC,
};
static_assert(std::ranges::is_sorted(kWholeSyncFileSystems));

// Whether one flush of the file system that holds fd made every file on it
// durable.
bool SyncedFileSystem(int fd) {
  struct statfs info {};
  if (ActiveMoveFaults().syncfsFails || fstatfs(fd, &info) != 0 ||
      !std::ranges::binary_search(kWholeSyncFileSystems, static_cast<long>(info.f_type)))
    return false;
  return syncfs(fd) == 0;
}

} // namespace

CrossDeviceBatch::CrossDeviceBatch(std::function<void(const CommittedMove&)> settled,
                                   Sources sources)
    : settled_(std::move(settled)), sources_(sources) {}

CrossDeviceBatch::~CrossDeviceBatch() {
  for (Staged& file : staged_)
    Release(file);
}

std::optional<MoveResult> CrossDeviceBatch::Stage(const std::string& from, const std::string& to,
                                                  std::optional<uint64_t> fromDevice) {
  // A NUL would cut the path short: the system would act on another entry.
  if (ContainsNul(from) || ContainsNul(to)) return Outcome(MoveOutcome::Failed, EINVAL);
  // Its copy waits for the commit under another name; the caller's look at
  // the target cannot see that.
  if (std::any_of(staged_.begin(), staged_.end(), [&](const Staged& s) { return s.to == to; }))
    return Outcome(MoveOutcome::TargetTaken, EEXIST);
  // The fault puts the target on another file system; the copy's own rename
  // into place then stays within the target's (and meets its other faults).
  // Within a file system one rename places the file and removes its source.
  std::optional<MoveResult> result;
  if (RenamesFirst()) result = PlaceAndRemoveByRename(from, to, fromDevice);
  return AfterRename(from, to, std::move(result));
}

bool CrossDeviceBatch::RenamesFirst() const {
  return !ActiveMoveFaults().renameCrossDevice && sources_ == Sources::Removed;
}

std::optional<MoveResult> CrossDeviceBatch::StageRenamed(const std::string& from,
                                                         const std::string& to,
                                                         const MoveResult& renamed) {
  return AfterRename(from, to, renamed);
}

std::optional<MoveResult> CrossDeviceBatch::AfterRename(const std::string& from,
                                                        const std::string& to,
                                                        std::optional<MoveResult> renamed) {
  if (!renamed || renamed->error.value() == EXDEV) renamed = CopyAcross(from, to);
  if (staged_.size() >= kBatchFiles || stagedBytes_ >= kBatchBytes) Commit();
  return renamed;
}

std::optional<MoveResult> CrossDeviceBatch::CopyAcross(const std::string& from,
                                                       const std::string& to) {
  struct stat st {};
  if (lstat(from.c_str(), &st) != 0) return FromError(errno);
  const bool removeSource = sources_ == Sources::Removed;
  // Asked first: a file that cannot leave would be copied only to be removed
  // again (a whole video from a write-protected card).
  if (removeSource && !MayLeaveFolder(from)) return Outcome(MoveOutcome::SourceNotRemovable, EPERM);
  if (S_ISLNK(st.st_mode)) return CopySymlink(from, to, removeSource);
  if (!S_ISREG(st.st_mode)) return Outcome(MoveOutcome::NotRegularFile);
  Staged file;
  file.from = from;
  file.to = to;
  if (const auto failed = CopyRegularFile(file)) {
    Release(file);
    return failed;
  }
  if (staged_.empty()) staged_.reserve(kBatchFiles);
  stagedBytes_ += static_cast<uint64_t>(file.before.st_size);
  staged_.push_back(std::move(file));
  return std::nullopt;
}

std::optional<MoveResult> CrossDeviceBatch::CopyRegularFile(Staged& file) {
  // Without blocking: a FIFO put in place of the file must not hang the move.
  file.source = open(file.from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (file.source < 0) return SourceError(errno);
  const struct stat& st = file.before;
  if (fstat(file.source, &file.before) != 0) return Outcome(MoveOutcome::Failed, errno);
  if (!S_ISREG(st.st_mode)) return Outcome(MoveOutcome::NotRegularFile);
  if (AbandonRequested()) return Outcome(MoveOutcome::Abandoned, ECANCELED);

  struct stat exists {};
  if (lstat(file.to.c_str(), &exists) == 0) return Outcome(MoveOutcome::TargetTaken, EEXIST);
  for (int attempt = 0; file.target < 0; ++attempt) {
    file.temporary = TemporaryCopyPath(file.to);
    file.target = CreateExclusively(file.temporary);
    if (file.target == -EEXIST && attempt + 1 < kTemporaryNameTries) continue;
    if (file.target < 0) {
      const int error = -file.target;
      file.temporary.clear();
      return FromError(error);
    }
  }
  AfterStep(CopyStep::TemporaryCreated);

  if (!copier_.Copy(file.source, file.target, st.st_size)) {
    const int error = errno;
    return copier_.SourceFailed() ? SourceFailure(file.source, st, error) : FromError(error);
  }
  // The copy in hand is not staged until it is checked.
  if (AbandonRequested()) return Outcome(MoveOutcome::Abandoned, ECANCELED);
  (void)!fchown(file.target, st.st_uid, st.st_gid); // only root may; ownership is a courtesy
  const timespec times[2] = {st.st_atim, st.st_mtim};
  if (fchmod(file.target, st.st_mode & 07777) != 0) return FromError(errno);
  CopyExtendedAttributes(file.source, file.target);
  if (futimens(file.target, times) != 0) return FromError(errno);
  // Its bytes are compared once they are on the device (ReadBack).
  if (fstat(file.target, &file.copied) != 0 || file.copied.st_size != st.st_size)
    return SourceFailure(file.source, st, EIO);
  return std::nullopt;
}

void CrossDeviceBatch::Commit() {
  if (staged_.empty()) return;
  PlaceCopies();
  for (Staged& file : staged_) {
    if (file.placed && sources_ == Sources::Kept)
      file.result = MoveResult{MoveOutcome::Copied, {}, true};
    if (file.placed && sources_ == Sources::Removed) RemoveSourceOf(file);
    Release(file);
    settled_({file.from, file.to, *file.result});
  }
  staged_.clear();
  stagedBytes_ = 0;
}

void CrossDeviceBatch::PlaceCopies() {
  Flush();
  AfterStep(CopyStep::Flushed);
  ReadBack();
  std::vector<std::string> folders;
  for (Staged& file : staged_) {
    if (file.result) continue;
    PlaceCopy(file);
    if (file.placed) folders.push_back(FolderOf(file.to));
  }
  // Each new entry is durable before any source goes.
  std::sort(folders.begin(), folders.end());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  for (const std::string& folder : folders)
    FlushFolder(folder);
}

// One syncfs per file system of the copies; a copy that none covered (it
// failed or may not reach the medium, or the batch holds one file, where
// fsync costs less) is flushed on its own. A copy whose flush failed keeps
// no name.
void CrossDeviceBatch::Flush() {
  std::vector<dev_t> tried, flushed;
  for (const Staged& file : staged_) {
    const dev_t device = file.copied.st_dev;
    if (staged_.size() == 1 || std::find(tried.begin(), tried.end(), device) != tried.end())
      continue;
    tried.push_back(device);
    if (SyncedFileSystem(file.target)) flushed.push_back(device);
  }
  for (Staged& file : staged_) {
    const bool covered =
        std::find(flushed.begin(), flushed.end(), file.copied.st_dev) != flushed.end();
    if (!covered && fsync(file.target) != 0) file.result = FromError(errno);
  }
}

// The page cache holds what was written, not what the device stored: each
// flushed copy is read back from the device (all of them asked for at once)
// and compared with its source before it may take a final name. A source
// written to meanwhile is to blame for a difference, otherwise the target.
void CrossDeviceBatch::ReadBack() {
  for (const Staged& file : staged_) {
    if (!file.result) DataCopier::ForgetCached(file.target);
  }
  for (Staged& file : staged_) {
    if (!file.result) {
      switch (copier_.ReadBackFrom(file.source, file.target, file.before.st_size)) {
      case DataCopier::ReadBack::Same:
        break;
      case DataCopier::ReadBack::Differs:
        file.result = ChangedSince(file.source, file.before)
                          ? Outcome(MoveOutcome::ChangedDuringCopy)
                          : Outcome(MoveOutcome::CopyDiffers, EIO);
        break;
      case DataCopier::ReadBack::SourceUnreadable:
        file.result = SourceFailure(file.source, file.before, EIO);
        break;
      }
    }
    // Some network file systems report a failed write only when closed.
    const int closing = close(file.target);
    file.target = -1;
    if (closing != 0 && !file.result) file.result = FromError(errno);
  }
}

void CrossDeviceBatch::PlaceCopy(Staged& file) {
  // Gone before its copy was complete: another program (or run) took the
  // file, and this copy would hold it a second time.
  struct stat atSource {};
  if (lstat(file.from.c_str(), &atSource) != 0) {
    file.result = SourceError(errno);
    return;
  }
  // Written to while it was read, the copy may hold a mix of two versions.
  if (SameFile(atSource, file.before) && ChangedSince(file.source, file.before)) {
    file.result = Outcome(MoveOutcome::ChangedDuringCopy);
    return;
  }
  // The copy's device is known from its open file.
  const MoveResult placed = PlaceAndRemoveByRename(file.temporary, file.to, file.copied.st_dev);
  if (placed.outcome != MoveOutcome::Moved) {
    file.result = placed;
    return;
  }
  file.temporary.clear();
  file.placed = true;
  AfterStep(CopyStep::Placed);
}

void CrossDeviceBatch::RemoveSourceOf(Staged& file) {
  // The path may name another file by now (saved over the source during the
  // copy): that one stays, and so does the complete copy of the old one. A
  // source gone once its copy is complete has moved.
  if (!StillTheSame(file.from, file.before)) {
    file.result = EntryExists(file.from) ? Outcome(MoveOutcome::SourceChanged)
                                         : MoveResult{MoveOutcome::Moved, {}, true};
    return;
  }
  if (const int removal = RemoveSource(file.from); removal != 0) {
    file.result = RemovalFailure(removal, file.to, file.copied, true);
    return;
  }
  AfterStep(CopyStep::SourceRemoved);
  file.result = MoveResult{MoveOutcome::Moved, {}, true};
}

// Closes the descriptors and removes the temporary file unless it was
// given its final name.
void CrossDeviceBatch::Release(Staged& file) {
  if (file.target >= 0) close(file.target);
  if (file.source >= 0) close(file.source);
  if (!file.temporary.empty()) unlink(file.temporary.c_str());
  file.target = file.source = -1;
  file.temporary.clear();
}
