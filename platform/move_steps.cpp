#include "platform/internal/move_steps.h"

#include "platform/abandon_copy.h"
#include "platform/internal/source_removal.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "platform/temporary_copy_name.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t abandonRequested = 0;

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
  // The immutable file is the source; a copy's own temporary file is not.
  if (faults.sourceImmutable && !IsTemporaryCopyName(from.substr(from.rfind(kPathSeparator) + 1)))
    return EPERM;
  if (faults.targetRefuses) return *faults.targetRefuses;
  return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
}

int Link(const std::string& from, const std::string& to) {
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.linkUnsupported) return EPERM;
  if (faults.targetRefuses) return *faults.targetRefuses;
  return link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// A failed rename or link may be the source's fault, not the target's.
MoveResult TargetFailure(const std::string& from, int error) {
  if ((error == EACCES || error == EPERM) && !MayLeaveFolder(from)) {
    return Outcome(MoveOutcome::SourceNotRemovable, error);
  }
  return FromError(error);
}

} // namespace

void AbandonCopyInHand() {
  abandonRequested = 1;
}

bool AbandonRequested() {
  return abandonRequested != 0;
}

std::string TemporaryCopyPath(const std::string& to) {
  static std::mt19937 random{std::random_device{}()}; // 32 bits: eight hex digits
  char number[16];
  std::snprintf(number, sizeof number, "%08x", static_cast<unsigned>(random()));
  return WithBackslash(FolderOf(to)) + std::string(kTemporaryPrefix) +
         std::to_string(CurrentProcessId()) + "-" + number + std::string(kTemporarySuffix);
}

int CreateExclusively(const std::string& path) {
  if (const auto refusal = ActiveMoveFaults().targetRefuses) return -*refusal;
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  return fd >= 0 ? fd : -errno;
}

MoveResult Outcome(MoveOutcome outcome, int error) {
  return {outcome, error ? std::error_code(error, std::system_category()) : std::error_code()};
}

MoveResult FromError(int error) {
  return Outcome(OutcomeOfError(std::error_code(error, std::system_category())), error);
}

MoveResult SourceError(int error) {
  return error == ENOENT ? FromError(ENOENT) : Outcome(MoveOutcome::Failed, error);
}

void AfterStep(CopyStep step) {
  if (const auto& hook = ActiveMoveFaults().afterStep) hook(step);
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool StillTheSame(const std::string& path, const struct stat& before) {
  struct stat now {};
  return lstat(path.c_str(), &now) == 0 && SameFile(now, before) && now.st_size == before.st_size &&
         now.st_mtim.tv_sec == before.st_mtim.tv_sec &&
         now.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
}

bool ChangedSince(int fd, const struct stat& before) {
  struct stat now {};
  return fstat(fd, &now) != 0 || now.st_size != before.st_size ||
         now.st_mtim.tv_sec != before.st_mtim.tv_sec ||
         now.st_mtim.tv_nsec != before.st_mtim.tv_nsec ||
         now.st_ctim.tv_sec != before.st_ctim.tv_sec ||
         now.st_ctim.tv_nsec != before.st_ctim.tv_nsec;
}

int RemoveSource(const std::string& from) {
  if (ActiveMoveFaults().sourceRemovalFails) return EACCES;
  if (ActiveMoveFaults().sourceImmutable) return EPERM;
  return unlink(from.c_str()) == 0 ? 0 : errno;
}

MoveResult RemovalFailure(int error, const std::string& placed, const struct stat& entry,
                          bool copied) {
  if (error == ENOENT) return {MoveOutcome::Moved, {}, copied};
  struct stat now {};
  if (lstat(placed.c_str(), &now) == 0 && SameFile(now, entry)) unlink(placed.c_str());
  return Outcome(MoveOutcome::SourceNotRemovable, error);
}

MoveResult PlaceAndRemoveByRename(const std::string& from, const std::string& to) {
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
