#include "platform/move_precheck.h"

#include "platform/file_info.h"
#include "platform/internal/source_removal.h"
#include "platform/move_faults.h"
#include "platform/path_text.h"
#include "platform/precheck_faults.h"

#include <map>
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

struct MoveForecast::Answers {
  std::map<std::string, FolderRemovalRules> removal; // source folders
  std::map<std::string, std::optional<long>> nameMax;
  std::map<std::string, std::optional<uint64_t>> device;
};

MoveForecast::MoveForecast() : answers_(std::make_unique<Answers>()) {}
MoveForecast::~MoveForecast() = default;

MoveOutcome MoveForecast::Move(const std::string& from, const FileStatus& looked,
                               const std::string& folder, const std::string& name) {
  const std::string source = FolderOf(from);
  auto rules = answers_->removal.find(source);
  if (rules == answers_->removal.end())
    rules = answers_->removal.emplace(source, RemovalRulesOf(source)).first;
  if (!MayLeaveFolder(from, rules->second, &looked)) return MoveOutcome::SourceNotRemovable;
  return Copy(folder, name);
}

MoveOutcome MoveForecast::Copy(const std::string& folder, const std::string& name) {
  auto longest = answers_->nameMax.find(folder);
  if (longest == answers_->nameMax.end())
    longest = answers_->nameMax.emplace(folder, NameMax(folder)).first;
  if (longest->second && name.size() > static_cast<size_t>(*longest->second))
    return MoveOutcome::NameNotPossible;
  return MoveOutcome::Moved;
}

bool MoveForecast::OnFileSystemOf(const std::string& from, std::optional<uint64_t> device,
                                  const std::string& folder) {
  if (ActiveMoveFaults().renameCrossDevice) return false;
  if (!device) {
    const std::optional<FileIdentity> source = IdentityOf(from);
    if (!source) return false;
    device = source->device;
  }
  auto target = answers_->device.find(folder);
  if (target == answers_->device.end()) {
    const std::optional<FileIdentity> identity = IdentityOf(folder);
    target =
        answers_->device
            .emplace(folder, identity ? std::optional<uint64_t>(identity->device) : std::nullopt)
            .first;
  }
  return target->second == device;
}
