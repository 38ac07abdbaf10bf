#include "run/collected_files.h"

#include "platform/path_text.h"

#include <algorithm>

size_t CollectedFiles::AddFolder(std::string_view path) {
  folders_.append(path);
  folderEnds_.push_back(folders_.size());
  return folderEnds_.size() - 1;
}

bool CollectedFiles::Add(size_t folder, std::string_view name, EntryKind kind) {
  if (name.size() > kMaxNameBytes) return false;
  files_.push_back(
      {names_.size(), static_cast<uint32_t>(folder), static_cast<uint16_t>(name.size()), kind});
  names_.append(name);
  return true;
}

bool CollectedFiles::AddPath(std::string_view path, EntryKind kind) {
  const size_t slash = path.rfind(kPathSeparator);
  const std::string_view folder = path.substr(0, slash == std::string_view::npos ? 0 : slash + 1);
  const size_t number = !files_.empty() && Folder(files_.size() - 1) == folder
                            ? files_.back().folder
                            : AddFolder(folder);
  return Add(number, path.substr(folder.size()), kind);
}

void CollectedFiles::OrderByGroup(size_t start, const std::vector<uint32_t>& group) {
  // A counting sort: the list is held twice only for this moment.
  std::vector<size_t> next;
  for (const uint32_t g : group) {
    if (g >= next.size()) next.resize(g + 1);
    ++next[g];
  }
  size_t position = start;
  for (size_t& first : next) {
    const size_t count = first;
    first = position;
    position += count;
  }
  std::vector<File> ordered(files_.size());
  std::copy_n(files_.begin(), start, ordered.begin());
  for (size_t i = 0; i < group.size(); ++i)
    ordered[next[group[i]]++] = files_[start + i];
  files_ = std::move(ordered);
}

void CollectedFiles::Clear() {
  names_.clear();
  folders_.clear();
  folderEnds_.clear();
  files_.clear();
  sidecars_.clear();
}

void CollectedFiles::SetSidecars(size_t folder, FolderSidecars sidecars) {
  sidecars_.emplace_back(static_cast<uint32_t>(folder), std::move(sidecars));
}

const FolderSidecars* CollectedFiles::SidecarsOf(size_t folder) const {
  const auto found = std::lower_bound(sidecars_.begin(), sidecars_.end(), folder,
                                      [](const std::pair<uint32_t, FolderSidecars>& entry,
                                         size_t key) { return entry.first < key; });
  if (found == sidecars_.end() || found->first != folder) return nullptr;
  return &found->second;
}

std::string CollectedFiles::Path(size_t file) const {
  const std::string_view folder = Folder(file), name = Name(file);
  std::string path;
  path.reserve(folder.size() + name.size());
  path.append(folder).append(name);
  return path;
}

std::string_view CollectedFiles::FolderPath(size_t folder) const {
  const size_t begin = folder == 0 ? 0 : folderEnds_[folder - 1];
  return std::string_view(folders_).substr(begin, folderEnds_[folder] - begin);
}

std::string_view CollectedFiles::Name(size_t file) const {
  return std::string_view(names_).substr(files_[file].name, files_[file].length);
}
