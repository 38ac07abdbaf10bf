#pragma once
// One run at a time per source tree. Two runs over one source (a double
// click, a timer firing twice), or over a folder and one of its subfolders,
// would each collect the same files and move the same pictures into the
// library twice. A run holds the lock of its source folder from before it
// collects until it ends; a second run that meets it does not start.
//
// The lock is an flock on the open folder, so it belongs to the folder
// itself (device and inode) under any path that names it, and it goes with
// the process however the process ends. The folders above it (by its real
// path, up to the root) are held shared at the same time: a run on one of
// them wants its own exclusively and finds it held, and a run below finds
// this folder held when it takes it shared. Runs on folders side by side
// share only the levels above both and coexist.
//
// Where a folder's file system takes no locks (some network and FUSE file
// systems), or the folder cannot be opened, its level is held by a lock
// file keyed by the folder's real path in the lock file folder the caller
// names (the state folder: it is the user's own and local), so a user's
// runs still meet there; without such a folder, that level goes unlocked
// and the run goes on as before locks existed.

#include <string>
#include <vector>

enum class FolderLocking {
  Held,     // this object holds the folder's lock until it goes
  Busy,     // another run holds it, or a folder above or below it
  Unlocked, // no lock could be taken here; the caller goes on without
};

enum class LockMode {
  Exclusive, // a run or undo that moves files out of or into the folder
  Shared,    // a run that only reads the folder: shared locks coexist, and a
             // shared and an exclusive one refuse each other
};

class FolderLock {
public:
  // lockFiles: the folder that keeps the lock files (made owner-only when
  // first needed); empty: none are kept.
  explicit FolderLock(std::string lockFiles = {});
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock of folder in mode, and of the folders above it shared,
  // without waiting (a lock held before is let go). A folder that does not
  // exist (an undo whose source went) is Unlocked, its levels above still
  // held.
  FolderLocking Take(const std::string& folder, LockMode mode = LockMode::Exclusive);

private:
  enum class Level { Held, Busy, Refused };
  Level TakeLevel(const std::string& folder, LockMode mode);
  Level TakeLockFile(const std::string& folder, LockMode mode);
  void Release();

  std::string lockFiles_;
  std::vector<int> held_; // descriptors, each holding one level
};
