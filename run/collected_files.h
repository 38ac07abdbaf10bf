#pragma once
// The files a run collected, in the run's order. A run may collect a million
// files, so a path is not kept as a string of its own: every folder's path is
// kept once, every name once, all in two arenas of bytes, and a file is a
// folder number and where its name lies (16 bytes besides its name). Paths
// are built on demand.

#include "platform/directory_walk.h"
#include "run/folder_sidecars.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CollectedFiles {
public:
  // Numbers a folder; path ends in the separator (or is empty for names
  // without a folder). The files added with the number lie in it.
  size_t AddFolder(std::string_view path);
  // Adds the file name in folder (a number AddFolder gave). A name longer
  // than kMaxNameBytes is no directory entry's and is not added: false.
  [[nodiscard]] bool Add(size_t folder, std::string_view name, EntryKind kind);
  // Adds path, its folder being all up to its last separator; the folder of
  // the last file is reused when it is the same.
  bool AddPath(std::string_view path, EntryKind kind = EntryKind::Unknown);
  // Orders the files from start on by their group (group[i] for file
  // start + i), keeping the order within a group.
  void OrderByGroup(size_t start, const std::vector<uint32_t>& group);
  void Clear();
  // The sidecars the walk saw in folder (a number AddFolder gave), collected
  // or not; folders come in the order of their numbers, each once.
  void SetSidecars(size_t folder, FolderSidecars sidecars);
  // Null when the walk saw none there.
  const FolderSidecars* SidecarsOf(size_t folder) const;

  size_t Size() const { return files_.size(); }
  bool Empty() const { return files_.empty(); }
  std::string Path(size_t file) const;
  std::string_view Folder(size_t file) const { return FolderPath(FolderNumber(file)); }
  size_t FolderNumber(size_t file) const { return files_[file].folder; }
  std::string_view FolderPath(size_t folder) const;
  size_t Folders() const { return folderEnds_.size(); }
  std::string_view Name(size_t file) const;
  EntryKind Kind(size_t file) const { return files_[file].kind; }

  // A name is one directory entry: NAME_MAX (255) bytes on every file system
  // the run knows, far below the 16 bits kept for its length. Folders are
  // numbered in 32 bits: four billion folders would not fit the memory.
  static constexpr size_t kMaxNameBytes = UINT16_MAX;

private:
  struct File {
    uint64_t name = 0; // offset in names_
    uint32_t folder = 0;
    uint16_t length = 0;
    EntryKind kind = EntryKind::Unknown;
  };
  static_assert(sizeof(File) == 16);

  std::string names_;
  std::string folders_;
  std::vector<uint64_t> folderEnds_; // where each folder's path ends in folders_
  std::vector<File> files_;
  std::vector<std::pair<uint32_t, FolderSidecars>> sidecars_; // by folder number
};
