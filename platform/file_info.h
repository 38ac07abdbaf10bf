#pragma once
// Questions about files and folders, and creating folders.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

// True when path names an existing folder (links followed).
bool DirectoryExists(const std::string& path);

// True when folder holds an entry whose name equals name ignoring case (as
// LowerName compares). folder may or may not end in the separator.
bool FileExistsIgnoringCase(const std::string& folder, const std::string& name);

// Who may use a folder that CreateFolderTree makes.
enum class FolderAccess {
  AsUmaskAllows, // target folders: shared as the user's umask decides
  OwnerOnly,     // a user's configuration, as the XDG base directory rules ask
};

// Creates path and every missing parent folder. True when path is a folder
// afterwards.
bool CreateFolderTree(const std::string& path, FolderAccess access = FolderAccess::AsUmaskAllows);

// The read-only attribute: the owner has no write permission on the file.
// False for a file that does not exist.
bool IsReadOnlyFile(const std::string& path);

// What makes a folder or file the same one under different paths.
struct FileIdentity {
  uint64_t device;
  uint64_t inode;
  auto operator<=>(const FileIdentity&) const = default;
};

// The identity of the entry at path (links followed); nothing when absent.
std::optional<FileIdentity> IdentityOf(const std::string& path);
