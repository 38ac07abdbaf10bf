#include "platform/directory_walk.h"

#include "platform/path_text.h"

#include <algorithm>
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

enum class EntryKind { File, Folder, Other };

// Kind of an entry, following links; the entry type of readdir saves a stat
// for plain files and folders.
EntryKind KindOf(int dirFd, const dirent& entry) {
  switch (entry.d_type) {
  case DT_REG:
    return EntryKind::File;
  case DT_DIR:
    return EntryKind::Folder;
  case DT_LNK:
  case DT_UNKNOWN:
    break;
  default:
    return EntryKind::Other;
  }
  struct stat st {};
  if (fstatat(dirFd, entry.d_name, &st, 0) != 0) return EntryKind::Other;
  if (S_ISREG(st.st_mode)) return EntryKind::File;
  if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
  return EntryKind::Other;
}

struct ReadFolder {
  FolderContents contents;
  std::vector<std::string> subfolders; // names, sorted
};

bool ReadOneFolder(const std::string& path, std::set<FolderId>& entered, ReadFolder& out) {
  DirHandle dir(opendir(path.c_str()));
  if (!dir) return false;
  struct stat self {};
  if (fstat(dirfd(dir.get()), &self) != 0) return false;
  if (!entered.insert({self.st_dev, self.st_ino}).second) return false;

  out.contents.path = path;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    switch (KindOf(dirfd(dir.get()), *entry)) {
    case EntryKind::File:
      out.contents.files.push_back(name);
      break;
    case EntryKind::Folder:
      if (name[0] != '.') out.subfolders.push_back(name);
      break;
    case EntryKind::Other:
      break;
    }
  }
  std::sort(out.contents.files.begin(), out.contents.files.end());
  std::sort(out.subfolders.begin(), out.subfolders.end());
  return true;
}

} // namespace

void WalkFolderTree(const std::string& root,
                    const std::function<void(const FolderContents&)>& visit) {
  // An empty folder name names no folder (and never the file system root).
  if (root.empty()) return;
  std::set<FolderId> entered;
  std::string start = root;
  if (start.back() != kPathSeparator) start += kPathSeparator;
  // An explicit stack keeps deep trees off the call stack; subfolders are
  // pushed in reverse so they are taken in order.
  std::vector<std::string> pending{start};
  while (!pending.empty()) {
    const std::string path = std::move(pending.back());
    pending.pop_back();
    ReadFolder folder;
    if (!ReadOneFolder(path, entered, folder)) continue;
    visit(folder.contents);
    for (auto it = folder.subfolders.rbegin(); it != folder.subfolders.rend(); ++it) {
      pending.push_back(path + *it + kPathSeparator);
    }
  }
}

std::vector<std::string> ListFolderNames(const std::string& folder) {
  std::vector<std::string> names;
  DirHandle dir(opendir(folder.c_str()));
  if (!dir) return names;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  return names;
}
