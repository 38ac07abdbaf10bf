#include "run/internal/record_bounds.h"

#include "platform/file_info.h"
#include "platform/path_text.h"

namespace {

// A path as the run writes it.
bool NormalAbsolute(const std::string& path) {
  return path.starts_with(kPathSeparator) && !ContainsNul(path) && IsLexicallyNormal(path);
}

// A source or target folder of a record; version 1 wrote them with a
// trailing separator, which is all that may differ from the normal form.
std::optional<std::string> Root(const std::string& folder) {
  std::string root = folder;
  while (root.size() > 1 && root.back() == kPathSeparator)
    root.pop_back();
  if (!NormalAbsolute(root)) return std::nullopt;
  return root;
}

bool AtOrUnder(const std::string& path, const std::string& root) {
  if (path == root) return true;
  if (root.size() == 1 && root[0] == kPathSeparator) return path.size() > 1;
  return path.size() > root.size() && path.starts_with(root) && path[root.size()] == kPathSeparator;
}

} // namespace

RecordBounds::RecordBounds(const RunRecord& record) : source_(Root(record.source)) {
  for (const std::string& target : record.targets) {
    if (std::optional<std::string> root = Root(target)) targets_.push_back(std::move(*root));
  }
  if (!record.backup.empty()) backup_ = Root(record.backup);
}

bool RecordBounds::SourceWithin(const std::string& source) {
  if (!source_ || !NormalAbsolute(source) || source == *source_ || !AtOrUnder(source, *source_)) {
    return false;
  }
  return RealWithin(FolderOf(source), *source_);
}

bool RecordBounds::MoveWithin(const RecordedMove& move) {
  return SourceWithin(move.source) && TargetWithin(move.target);
}

bool RecordBounds::BackupWithin(const RecordedMove& copy) {
  return SourceWithin(copy.source) && BackupTargetWithin(copy.target);
}

bool RecordBounds::BackupTargetWithin(const std::string& path) {
  return backup_ && NormalAbsolute(path) && path != *backup_ && AtOrUnder(path, *backup_) &&
         RealWithin(FolderOf(path), *backup_);
}

bool RecordBounds::TargetWithin(const std::string& path) {
  if (!NormalAbsolute(path)) return false;
  for (const std::string& root : targets_) {
    if (path != root && AtOrUnder(path, root) && RealWithin(FolderOf(path), root)) return true;
  }
  return false;
}

bool RecordBounds::FolderWithin(const std::string& folder) {
  if (!NormalAbsolute(folder)) return false;
  for (const std::string& root : targets_) {
    if (AtOrUnder(folder, root) && RealWithin(folder, root)) return true;
  }
  return backup_ && AtOrUnder(folder, *backup_) && RealWithin(folder, *backup_);
}

bool RecordBounds::RealWithin(const std::string& folder, const std::string& root) {
  // Asked for every file: the key is built in place and looked up first.
  key_.assign(folder).append(1, '\n').append(root);
  if (const auto known = realChecked_.find(key_); known != realChecked_.end()) return known->second;
  const auto checked = realChecked_.emplace(key_, false).first;
  // The nearest level that exists tells where the path leads; levels still
  // to be made (an undo makes missing old folders again) lead nowhere else.
  std::string level = folder;
  std::optional<std::string> real = RealFolderPath(level);
  while (!real && level != root) {
    level = FolderOf(level);
    real = RealFolderPath(level);
  }
  if (!real) return checked->second = true; // nothing of it exists
  const std::optional<std::string> realRoot = RealFolderPath(root);
  return checked->second = realRoot && AtOrUnder(*real, *realRoot);
}
