#include "platform/move_file.h"

#include "platform/cross_device_batch.h"
#include "platform/directory_walk.h"
#include "platform/internal/move_steps.h"
#include "platform/path_text.h"
#include "platform/temporary_copy_name.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

MoveResult OneFile(const std::string& from, const std::string& to,
                   CrossDeviceBatch::Sources sources, std::optional<uint64_t> fromDevice) {
  MoveResult committed;
  CrossDeviceBatch one([&](const CommittedMove& move) { committed = move.result; }, sources);
  // Within a file system the stage is the move (one rename places the file
  // and removes its source); a copy across is placed and its source removed
  // by the commit, one step after the other.
  if (const auto done = one.Stage(from, to, fromDevice)) return *done;
  one.Commit();
  return committed;
}

} // namespace

MoveResult MoveFileNoReplace(const std::string& from, const std::string& to,
                             std::optional<uint64_t> fromDevice) {
  return OneFile(from, to, CrossDeviceBatch::Sources::Removed, fromDevice);
}

MoveResult CopyFileNoReplace(const std::string& from, const std::string& to) {
  return OneFile(from, to, CrossDeviceBatch::Sources::Kept, std::nullopt);
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
