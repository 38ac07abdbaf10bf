#pragma once
// A share as network and cloud file systems are often mounted: the
// pass-through FUSE file system of passthrough_share.py (high-level libfuse
// without use_ino) over a fresh folder, mounted for the object's life. The
// kernel refuses the no-replace rename there and every name gets an inode
// number of its own, so a hard link shows another inode than its file.

#include "tests/kit/temp_files.h"

#include <string>
#include <sys/types.h>

namespace testkit {

class PassthroughShare {
public:
  PassthroughShare();
  // Unmounts (fusermount3 -u) and waits for the file system's process.
  ~PassthroughShare();
  PassthroughShare(const PassthroughShare&) = delete;
  PassthroughShare& operator=(const PassthroughShare&) = delete;

  // Why there is no share (no /dev/fuse, no python3-fusepy, the mount
  // failed); empty once it is mounted.
  const std::string& Missing() const { return missing_; }
  // The mount point, without a trailing separator.
  std::string path() const { return dir_.File("share"); }
  std::string File(const std::string& name) const { return path() + "/" + name; }

private:
  TempDir dir_;
  std::string missing_;
  pid_t process_ = -1;
  bool mounted_ = false;
};

} // namespace testkit
