#pragma once
// Walking a folder tree. Entries of a folder come in byte order of their
// names, so a walk is the same on every run whatever order the file system
// keeps.

#include "platform/file_info.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// What a file's directory entry said it is. Where the file system does not
// tell (Unknown), the walk looked itself, but only the entry's word saves a
// later look.
enum class EntryKind : uint8_t { Regular, Link, Unknown };

// One folder as the walk met it.
struct FolderContents {
  std::string path;               // ends in the path separator
  std::vector<std::string> files; // names of its files (hidden ones included), sorted
  std::vector<EntryKind> kinds;   // the entry of each file, in the order of files
};

// Visits root and its subfolders depth first in preorder: each folder is
// reported with its own files before any of its subfolders is entered.
// Folders whose name begins with "." are skipped, and so are the folders and
// files of other systems' housekeeping (platform/housekeeping_files.h); a
// folder reached again (through a link, by device and inode) is not entered
// twice, and a link to a folder is entered only when the folder lies inside
// root (a link to "/" must not sweep up the whole system). Only regular files and links to them
// count as files; the move's temporary copies (".fotomaz-*.part") do not.
// A folder that cannot be read contributes nothing and is reported to
// unreadable with its path (ending in the separator). root may or may not
// end in the separator.
void WalkFolderTree(const std::string& root,
                    const std::function<void(const FolderContents&)>& visit,
                    const std::function<void(const std::string&)>& unreadable = {});

// Every name in folder except "." and "..", folders included, unsorted;
// empty when the folder cannot be read.
std::vector<std::string> ListFolderNames(const std::string& folder);
// The same names one by one, for a folder that may hold too many to keep
// them all as strings at once; none when the folder cannot be read.
void VisitFolderNames(const std::string& folder,
                      const std::function<void(std::string_view)>& visit);
// VisitFolderNames from one open that also tells which folder it lists
// (links followed): opened gets its identity before any name and returns
// whether the names are wanted. A look by name before the listing would walk
// the path once more, a round trip per path part on a share. The error of
// the open when folder cannot be listed (ENOENT: there is no such folder).
std::error_code VisitFolderOf(const std::string& folder,
                              const std::function<bool(const FileIdentity&)>& opened,
                              const std::function<void(std::string_view)>& visit);
