#include "platform/internal/move_steps.h"

#include "platform/abandon_copy.h"
#include "platform/internal/source_removal.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "platform/temporary_copy_name.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

// Set by a signal handler, read by the copy loop: lock-free, so safe in both.
std::atomic<bool> abandonRequested = false;
static_assert(std::atomic<bool>::is_always_lock_free);

bool FlagUnsupported(int error) {
  return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

bool HardLinksUnsupported(int error) {
  return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
         error == ENOSYS;
}

// How a file gets its new name within one file system, in the order tried.
enum class NameRoute {
  NoReplaceRename, // renameat2(RENAME_NOREPLACE): one call places it and removes the source
  HardLink,        // the flag refused: a hard link, then the source's name removed
  Reservation,     // no hard link that can be trusted either: an empty file holds the name
};

struct LearntDevice {
  dev_t device = 0;
  NameRoute route = NameRoute::NoReplaceRename;
  // Its hard links show another inode than the file's other name (FUSE
  // without use_ino): there an inode cannot tell whether a name still holds
  // the file placed under it.
  bool ownInodePerName = false;
};

// The devices of this run whose first way was refused: a run meets a card or
// a share or two, so a list does. Locked: moves in flight learn on several
// threads (two that meet a refusal at once learn the same).
class LearntRoutes {
public:
  bool Any() const {
    std::lock_guard lock(mutex_);
    return !devices_.empty();
  }
  LearntDevice Of(dev_t device) const {
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(devices_.begin(), devices_.end(),
                                    [&](const LearntDevice& d) { return d.device == device; });
    return found != devices_.end() ? *found : LearntDevice{device};
  }
  void Learn(const LearntDevice& learnt) {
    std::lock_guard lock(mutex_);
    std::erase_if(devices_, [&](const LearntDevice& d) { return d.device == learnt.device; });
    devices_.push_back(learnt);
  }
  void Forget() {
    std::lock_guard lock(mutex_);
    devices_.clear();
  }

private:
  mutable std::mutex mutex_;
  std::vector<LearntDevice> devices_;
};

LearntRoutes& Learnt() {
  static LearntRoutes routes;
  return routes;
}

// The device of the entry at path, looked up once per move and only when
// needed; known, when the caller looked at the entry already.
class DeviceOf {
public:
  DeviceOf(const std::string& path, std::optional<dev_t> known)
      : path_(path), looked_(known.has_value()), device_(known) {}
  std::optional<dev_t> operator()() {
    if (!looked_) {
      struct stat st {};
      if (lstat(path_.c_str(), &st) == 0) device_ = st.st_dev;
      looked_ = true;
    }
    return device_;
  }

private:
  const std::string& path_;
  bool looked_ = false;
  std::optional<dev_t> device_;
};

void LearnRoute(std::optional<dev_t> device, NameRoute route, bool ownInodePerName = false) {
  if (device) Learnt().Learn({*device, route, ownInodePerName});
}

// A look at the entry at path past the kernel's cache of its attributes:
// what the file system says now. FUSE keeps a name's attributes for a
// while, and a link made under another name leaves this one's link count
// and change time as they were.
std::optional<struct statx> FreshLook(const std::string& path) {
  struct statx st {};
  if (statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_STATX_FORCE_SYNC, STATX_BASIC_STATS,
            &st) != 0)
    return std::nullopt;
  return st;
}

bool SameTime(const struct statx_timestamp& a, const struct statx_timestamp& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the entries at a and b, with other inode numbers, are names of
// one file on a file system that numbers every name itself: both have a
// second name, and type, size and times to the nanosecond agree (a link
// sets the change time). A file saved anew over one of them has no second
// name and other times.
bool NamesOfOneFile(const std::string& a, const std::string& b) {
  const std::optional<struct statx> one = FreshLook(a), other = FreshLook(b);
  return one && other && one->stx_dev_major == other->stx_dev_major &&
         one->stx_dev_minor == other->stx_dev_minor && one->stx_nlink >= 2 &&
         one->stx_nlink == other->stx_nlink && one->stx_mode == other->stx_mode &&
         one->stx_size == other->stx_size && SameTime(one->stx_mtime, other->stx_mtime) &&
         SameTime(one->stx_ctime, other->stx_ctime);
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

// The lstat of the name a hard link made: 0 or the errno.
int LookAtLink(const std::string& to, struct stat& linked) {
  if (lstat(to.c_str(), &linked) != 0) return errno;
  if (ActiveMoveFaults().linkShowsOtherInode) linked.st_ino = ~linked.st_ino;
  return 0;
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
  abandonRequested = true;
}

bool AbandonRequested() {
  return abandonRequested;
}

std::string TemporaryCopyPath(const std::string& to) {
  // One engine per thread: moves in flight may name copies at once.
  thread_local std::mt19937 random{std::random_device{}()}; // 32 bits: eight hex digits
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
  // Moves in flight reach their steps on several threads; a test's hook
  // (a count, a kill at the N-th step) is called by one at a time.
  static std::mutex calling;
  if (const auto& hook = ActiveMoveFaults().afterStep) {
    std::lock_guard lock(calling);
    hook(step);
  }
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
  if (lstat(placed.c_str(), &now) == 0 && StillPlaced(now, entry)) unlink(placed.c_str());
  return Outcome(MoveOutcome::SourceNotRemovable, error);
}

namespace {

// The link at to is the move's own: a link never replaces, so the name was
// free and names what from named when the call was made. from may go only
// while it still names that file.
MoveResult AfterLink(const std::string& from, const std::string& to) {
  AfterStep(CopyStep::Linked);
  struct stat source {
  }, linked{};
  if (LookAtLink(to, linked) != 0) return Outcome(MoveOutcome::SourceChanged);
  // Gone from the source after it was linked: the link holds it.
  if (lstat(from.c_str(), &source) != 0)
    return Outcome(errno == ENOENT ? MoveOutcome::Moved : MoveOutcome::SourceChanged);
  if (!SameFile(source, linked)) {
    // Another program saved a new file over the source meanwhile (removing
    // it would lose it), or the file system numbers every name itself. Its
    // later moves need no link to be judged: an empty file reserves the name.
    if (!NamesOfOneFile(from, to)) return Outcome(MoveOutcome::SourceChanged);
    LearnRoute(source.st_dev, NameRoute::Reservation, /*ownInodePerName=*/true);
  }
  if (const int removal = RemoveSource(from); removal != 0)
    return RemovalFailure(removal, to, linked, false);
  return Outcome(MoveOutcome::Moved);
}

// The final name is taken exclusively first, so the rename can only replace
// the move's own empty file.
MoveResult RenameOverReservation(const std::string& from, const std::string& to) {
  const int reservation = CreateExclusively(to);
  if (reservation < 0) return TargetFailure(from, -reservation);
  close(reservation);
  AfterStep(CopyStep::Reserved);
  if (rename(from.c_str(), to.c_str()) != 0) {
    const int error = errno;
    unlink(to.c_str());
    return TargetFailure(from, error);
  }
  return Outcome(MoveOutcome::Moved);
}

} // namespace

void ForgetMoveRoutes() {
  Learnt().Forget();
}

bool StillPlaced(const struct stat& now, const struct stat& placed) {
  if (SameFile(now, placed)) return true;
  return now.st_dev == placed.st_dev && Learnt().Of(now.st_dev).ownInodePerName &&
         now.st_size == placed.st_size && now.st_mtim.tv_sec == placed.st_mtim.tv_sec &&
         now.st_mtim.tv_nsec == placed.st_mtim.tv_nsec;
}

MoveResult PlaceAndRemoveByRename(const std::string& from, const std::string& to,
                                  std::optional<dev_t> fromDevice) {
  // Only once a file system refused something is the source's device looked
  // up (unless the caller knows it): a move on a local disk stays one call,
  // and one on a share that refused something stays the calls of its way.
  DeviceOf device(from, fromDevice);
  NameRoute route = NameRoute::NoReplaceRename;
  if (Learnt().Any()) {
    if (const std::optional<dev_t> known = device()) route = Learnt().Of(*known).route;
  }
  if (route == NameRoute::NoReplaceRename) {
    const int error = RenameNoReplace(from, to);
    if (error == 0) return Outcome(MoveOutcome::Moved);
    if (error == EXDEV || !FlagUnsupported(error)) return TargetFailure(from, error);
    LearnRoute(device(), NameRoute::HardLink);
    route = NameRoute::HardLink;
  }
  // No no-replace rename here: a hard link cannot replace either.
  if (route == NameRoute::HardLink) {
    const int error = Link(from, to);
    if (error == 0) return AfterLink(from, to);
    if (error == EXDEV || !HardLinksUnsupported(error)) return TargetFailure(from, error);
    LearnRoute(device(), NameRoute::Reservation);
  }
  // Neither (exFAT, FAT, some network file systems), or links that show
  // another inode.
  return RenameOverReservation(from, to);
}
