#include "platform/folder_lock.h"
#include "platform/lock_faults.h"
#include "tests/kit/temp_files.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr LockMode X = LockMode::Exclusive, S = LockMode::Shared;

// One lock held, a second one taken: a folder and its subfolder, or one
// beside them, in either mode; where folders take no flock, through the lock
// files (or, without a folder for them, not at all).
TEST(FolderLockTest, LocksMeetOverTheSameFolderAndOverFoldersAboveAndBelow) {
  testkit::TempDir dir;
  for (const char* folder : {"a/b", "c"})
    fs::create_directories(dir.File(folder));
  const std::string lockFiles = dir.File("zustand/sperren");
  struct Case {
    const char* what;
    const char* held;
    LockMode heldMode;
    const char* taken;
    LockMode mode;
    std::optional<int> lockRefused;
    bool lockFiles;
    FolderLocking outcome;
  };
  const Case cases[] = {
      {"exclusive twice", "a", X, "a", X, {}, true, FolderLocking::Busy},
      {"shared beside shared", "a", S, "a", S, {}, true, FolderLocking::Held},
      {"exclusive over shared", "a", S, "a", X, {}, true, FolderLocking::Busy},
      {"shared over exclusive", "a", X, "a", S, {}, true, FolderLocking::Busy},
      {"the folder above held", "a", X, "a/b", X, {}, true, FolderLocking::Busy},
      {"the folder below held", "a/b", X, "a", X, {}, true, FolderLocking::Busy},
      {"a reading run below", "a/b", S, "a", X, {}, true, FolderLocking::Busy},
      {"a folder beside", "a/b", X, "c", X, {}, true, FolderLocking::Held},
      {"gone below a held one", "a", X, "a/weg", X, {}, true, FolderLocking::Busy},
      {"no flock: exclusive twice", "a", X, "a", X, ENOLCK, true, FolderLocking::Busy},
      {"no flock: above held", "a", X, "a/b", X, EOPNOTSUPP, true, FolderLocking::Busy},
      {"no flock: below held", "a/b", X, "a", X, ENOLCK, true, FolderLocking::Busy},
      {"no flock: shared beside shared", "a", S, "a", S, ENOLCK, true, FolderLocking::Held},
      {"no flock: beside", "a/b", X, "c", X, ENOLCK, true, FolderLocking::Held},
      {"no flock, no lock files", "a", X, "a", X, ENOLCK, false, FolderLocking::Unlocked},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedLockFaults faults({.lockRefused = c.lockRefused});
    const std::string files = c.lockFiles ? lockFiles : std::string();
    std::optional<FolderLock> first;
    first.emplace(files);
    const FolderLocking held = first->Take(dir.File(c.held), c.heldMode);
    ASSERT_EQ(held, c.lockFiles ? FolderLocking::Held : FolderLocking::Unlocked);
    FolderLock second(files);
    EXPECT_EQ(second.Take(dir.File(c.taken), c.mode), c.outcome);
    // Once the first goes, so does its hold on every level.
    first.reset();
    const bool gone = !fs::exists(dir.File(c.taken));
    EXPECT_EQ(second.Take(dir.File(c.taken), c.mode),
              c.lockFiles && !gone ? FolderLocking::Held : FolderLocking::Unlocked);
  }
}

} // namespace
