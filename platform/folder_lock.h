#pragma once
// One run at a time per source folder. Two runs over one source (a double
// click, a timer firing twice) would each collect every file and move the
// same pictures into the library twice. A run holds the lock of its source
// folder from before it collects until it ends; a second run finds it taken
// and does not start.
//
// The lock is an flock on the open folder, so it belongs to the folder
// itself (device and inode) under any path that names it, and it goes with
// the process however the process ends. A folder's subfolders are not
// covered. Where the file system takes no locks (some network and FUSE file
// systems), or the folder cannot be opened, the run goes on without one.

#include <string>

enum class FolderLocking {
  Held,     // this object holds the folder's lock until it goes
  Busy,     // another run holds it
  Unlocked, // no lock could be taken here; the caller goes on without
};

class FolderLock {
public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock of folder without waiting (a lock held before is let go).
  FolderLocking Take(const std::string& folder);

private:
  void Release();

  int fd_ = -1;
};
