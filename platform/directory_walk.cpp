#include "platform/directory_walk.h"

#include "platform/housekeeping_files.h"
#include "platform/path_text.h"
#include "platform/temporary_copy_name.h"
#include "platform/walk_faults.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using FolderId = std::pair<dev_t, ino_t>;

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

enum class Reach { File, Folder, LinkedFolder, Other };

// What an entry leads to, following links; the entry type of readdir saves a
// stat for plain files and folders.
Reach ReachOf(int dirFd, const dirent& entry) {
  switch (entry.d_type) {
  case DT_REG:
    return Reach::File;
  case DT_DIR:
    return Reach::Folder;
  case DT_LNK:
  case DT_UNKNOWN:
    break;
  default:
    return Reach::Other;
  }
  struct stat st {};
  if (fstatat(dirFd, entry.d_name, &st, 0) != 0) return Reach::Other;
  if (S_ISREG(st.st_mode)) return Reach::File;
  if (!S_ISDIR(st.st_mode)) return Reach::Other;
  struct stat self {};
  if (fstatat(dirFd, entry.d_name, &self, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(self.st_mode)) {
    return Reach::LinkedFolder;
  }
  return Reach::Folder;
}

EntryKind FileKindOf(const dirent& entry) {
  switch (entry.d_type) {
  case DT_REG:
    return EntryKind::Regular;
  case DT_LNK:
    return EntryKind::Link;
  default:
    return EntryKind::Unknown;
  }
}

// The resolved path of a folder, or empty.
std::string RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : std::string();
}

// Decided by the name alone, so an ordinary file costs no system call; only
// a "._*" file is opened, as its first bytes tell a resource fork from a
// picture of that name.
bool IsHousekeepingFile(int dirFd, const std::string& name) {
  switch (HousekeepingFileOf(name)) {
  case HousekeepingFile::No:
    return false;
  case HousekeepingFile::Yes:
    return true;
  case HousekeepingFile::IfAppleDoubleMagic:
    return StartsWithAppleDoubleMagic(dirFd, name.c_str());
  }
  return false;
}

bool EntersFolder(const std::string& name) {
  return name[0] != '.' && !IsHousekeepingFolder(name);
}

bool Inside(const std::string& resolved, const std::string& resolvedRoot) {
  if (resolved.empty()) return false;
  return resolved == resolvedRoot || resolved.starts_with(WithBackslash(resolvedRoot));
}

struct ReadFolder {
  FolderContents contents;
  std::vector<std::string> subfolders; // names, sorted
};

enum class ReadResult { Read, AlreadyEntered, Unreadable };

ReadResult ReadOneFolder(const std::string& path, const std::string& resolvedRoot,
                         std::set<FolderId>& entered, ReadFolder& out) {
  const auto& unreadable = ActiveFaults<WalkFaults>().unreadable;
  if (unreadable && unreadable(path)) return ReadResult::Unreadable;
  DirHandle dir(opendir(path.c_str()));
  if (!dir) return ReadResult::Unreadable;
  struct stat self {};
  if (fstat(dirfd(dir.get()), &self) != 0) return ReadResult::Unreadable;
  if (!entered.insert({self.st_dev, self.st_ino}).second) return ReadResult::AlreadyEntered;

  out.contents.path = path;
  std::vector<std::pair<std::string, EntryKind>> files;
  errno = 0;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    switch (ReachOf(dirfd(dir.get()), *entry)) {
    case Reach::File:
      if (!IsTemporaryCopyName(name) && !IsHousekeepingFile(dirfd(dir.get()), name))
        files.emplace_back(name, FileKindOf(*entry));
      break;
    case Reach::LinkedFolder:
      if (EntersFolder(name) && Inside(RealPath(path + name), resolvedRoot)) {
        out.subfolders.push_back(name);
      }
      break;
    case Reach::Folder:
      if (EntersFolder(name)) out.subfolders.push_back(name);
      break;
    case Reach::Other:
      break;
    }
    errno = 0;
  }
  // A listing cut short by an error is not the whole folder.
  if (errno != 0) return ReadResult::Unreadable;
  std::sort(files.begin(), files.end());
  out.contents.files.reserve(files.size());
  out.contents.kinds.reserve(files.size());
  for (auto& [name, kind] : files) {
    out.contents.files.push_back(std::move(name));
    out.contents.kinds.push_back(kind);
  }
  std::sort(out.subfolders.begin(), out.subfolders.end());
  return ReadResult::Read;
}

} // namespace

void WalkFolderTree(const std::string& root,
                    const std::function<void(const FolderContents&)>& visit,
                    const std::function<void(const std::string&)>& unreadable) {
  // An empty folder name names no folder (and never the file system root).
  if (root.empty() || ContainsNul(root)) return;
  std::set<FolderId> entered;
  const std::string start = WithBackslash(root);
  const std::string resolvedRoot = RealPath(start);
  // An explicit stack keeps deep trees off the call stack; subfolders are
  // pushed in reverse so they are taken in order.
  std::vector<std::string> pending{start};
  while (!pending.empty()) {
    const std::string path = std::move(pending.back());
    pending.pop_back();
    ReadFolder folder;
    switch (ReadOneFolder(path, resolvedRoot, entered, folder)) {
    case ReadResult::Read:
      break;
    case ReadResult::AlreadyEntered:
      continue;
    case ReadResult::Unreadable:
      if (unreadable) unreadable(path);
      continue;
    }
    visit(folder.contents);
    for (auto it = folder.subfolders.rbegin(); it != folder.subfolders.rend(); ++it) {
      pending.push_back(path + *it + kPathSeparator);
    }
  }
}

std::vector<std::string> ListFolderNames(const std::string& folder) {
  std::vector<std::string> names;
  VisitFolderNames(folder, [&](std::string_view name) { names.emplace_back(name); });
  return names;
}

void VisitFolderNames(const std::string& folder,
                      const std::function<void(std::string_view)>& visit) {
  if (ContainsNul(folder)) return;
  DirHandle dir(opendir(folder.c_str()));
  if (!dir) return;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") visit(name);
  }
}

std::error_code VisitFolderOf(const std::string& folder,
                              const std::function<bool(const FileIdentity&)>& opened,
                              const std::function<void(std::string_view)>& visit) {
  if (folder.empty() || ContainsNul(folder))
    return std::make_error_code(std::errc::invalid_argument);
  DirHandle dir(opendir(folder.c_str()));
  if (!dir) return {errno, std::system_category()};
  struct stat self {};
  if (fstat(dirfd(dir.get()), &self) != 0) return {errno, std::system_category()};
  if (!opened({static_cast<uint64_t>(self.st_dev), static_cast<uint64_t>(self.st_ino)})) return {};
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") visit(name);
  }
  return {};
}
