#include "platform/move_precheck.h"

#include "platform/file_info.h"
#include "platform/internal/source_removal.h"
#include "platform/move_faults.h"
#include "platform/precheck_faults.h"

#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The longest name the file system of folder takes; none when it does not say.
std::optional<long> NameMax(const std::string& folder) {
  if (const auto faked = ActiveFaults<PrecheckFaults>().nameMax) return faked;
  const long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
  if (longest <= 0) return std::nullopt;
  return longest;
}

} // namespace

MoveOutcome ForeseenMove(const std::string& from, const std::string& folder,
                         const std::string& name) {
  if (!MayLeaveFolder(from)) return MoveOutcome::SourceNotRemovable;
  return ForeseenCopy(folder, name);
}

MoveOutcome ForeseenCopy(const std::string& folder, const std::string& name) {
  const std::optional<long> longest = NameMax(folder);
  if (longest && name.size() > static_cast<size_t>(*longest)) return MoveOutcome::NameNotPossible;
  return MoveOutcome::Moved;
}

bool OnFileSystemOf(const std::string& from, const std::string& folder) {
  // The hook that makes every move a copy makes every target another file system.
  if (ActiveMoveFaults().renameCrossDevice) return false;
  const std::optional<FileIdentity> source = IdentityOf(from), target = IdentityOf(folder);
  return source && target && source->device == target->device;
}

bool FitsFreeSpace(const std::string& folder, uint64_t bytes) {
  uint64_t free = 0;
  if (const auto faked = ActiveFaults<PrecheckFaults>().freeBytes) {
    free = *faked;
  } else {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) return true;
    free = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
  }
  return bytes <= free;
}
