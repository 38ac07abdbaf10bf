#pragma once
// Questions about files and folders, and creating folders. A path holding a
// NUL byte names nothing here (see ContainsNul).

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// True when path names an existing folder (links followed).
bool DirectoryExists(const std::string& path);

// Who may use a folder that CreateFolderTree makes.
enum class FolderAccess {
  AsUmaskAllows, // target folders: shared as the user's umask decides
  OwnerOnly,     // a user's configuration and state, as the XDG base directory rules ask
};

// Creates path and every missing parent folder. No error when path is a
// folder afterwards; otherwise the system's error of the level that failed.
// The levels it made are appended to created, when given, top first.
std::error_code CreateFolderTree(const std::string& path,
                                 FolderAccess access = FolderAccess::AsUmaskAllows,
                                 std::vector<std::string>* created = nullptr);

// CreateFolderTree for a path below known, a folder the caller knows to
// exist (a proper prefix of path, at a separator): the levels below it are
// made top first, without asking about known or the levels above it, which
// on a share costs a round trip per path part each. A level that exists
// already is fine. Where known has gone meanwhile, the missing levels are
// made as CreateFolderTree makes them. made tells whether path itself was
// made by this call (so it is empty, but for what others put in since).
std::error_code CreateFolderBelow(const std::string& path, const std::string& known,
                                  std::vector<std::string>& created, bool& made,
                                  FolderAccess access = FolderAccess::AsUmaskAllows);

// Makes the entries of folder durable (a new name, a rename), so they
// survive a power cut. Some file systems refuse to sync a folder; the files
// themselves are flushed, so that is no error.
void FlushFolder(const std::string& folder);

// True when path names an entry of any kind (links not followed, so a
// broken link counts).
bool EntryExists(const std::string& path);

// What makes a folder or file the same one under different paths.
struct FileIdentity {
  uint64_t device;
  uint64_t inode;
  bool operator==(const FileIdentity&) const = default;
  // An order for maps (written out: <compare> is more than the window's
  // meta-object compiler reads).
  bool operator<(const FileIdentity& other) const {
    return device != other.device ? device < other.device : inode < other.inode;
  }
};

// The identity of the entry at path (links followed); nothing when absent.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// What one stat tells the run about a file it is about to handle.
struct FileStatus {
  bool regular = false;     // a regular file (not a FIFO, device, folder)
  bool link = false;        // a symbolic link (only EntryStatusOf sees one)
  bool throughLink = false; // StatusOf: the path is a link that led to this file
  bool readOnly = false;    // the read-only attribute: the owner may not write
  FileIdentity identity{};
  int64_t size = 0;
  int64_t modifiedSeconds = 0; // since 1970, UTC
  int64_t modifiedNanoseconds = 0;
  // The last change of content or entry (st_ctim): unlike the modification
  // time, no program can set it back.
  int64_t changedSeconds = 0;
  int64_t changedNanoseconds = 0;
  uint64_t links = 1; // its names (hard links)
  uint32_t owner = 0; // its owner's user id
  // Whether the entry is immutable or append-only, so no one may take it out
  // of its folder; known from a look at the entry itself (EntryStatusOf, and
  // StatusOf of an entry that is no link) where its file system reports the
  // flags with it.
  std::optional<bool> pinned;
};

// Whether now describes the file of before, unchanged since: the same
// identity, size, modification and change time.
bool Unchanged(const FileStatus& before, const FileStatus& now);

// The status of the entry at path (links followed); nothing when there is
// no such entry (a broken link included).
std::optional<FileStatus> StatusOf(const std::string& path);
// The same for the entry itself: a link is reported as a link (not regular),
// never as the file it leads to.
std::optional<FileStatus> EntryStatusOf(const std::string& path);

// The path of the folder at path with every link resolved; nothing when it
// does not exist.
std::optional<std::string> RealFolderPath(const std::string& path);

// Whether the file system holding path keeps a file's inode number while it
// is mounted. FUSE file systems (exfat-fuse among them) may number a file
// anew each time the kernel looks it up again.
bool InodesStable(const std::string& path);
