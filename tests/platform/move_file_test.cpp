#include "platform/move_faults.h"
#include "platform/move_file.h"
#include "tests/kit/temp_files.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A folder in memory-backed /dev/shm: another file system than the system's
// temporary folder on these machines.
class ShmDir {
public:
  ShmDir() {
    char name[] = "/dev/shm/fotomaz-move-XXXXXX";
    if (mkdtemp(name)) path_ = name;
  }
  ~ShmDir() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  bool usable() const { return !path_.empty(); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
  std::string path_;
};

bool OnDifferentFileSystems(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev != sb.st_dev;
}

// Bytes of a size that spans several copy chunks and ends mid-chunk.
std::string Content(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7919) >> 3);
  return bytes;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// A source file with a known time and permissions, a target path beside it or
// on another file system.
class MoveFile : public ::testing::Test {
protected:
  void WriteSource(const std::string& path, const std::string& bytes) {
    testkit::WriteFile(path, bytes);
    chmod(path.c_str(), 0640);
    const timespec times[2] = {{1600000000, 0}, {1682935653, 123456789}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
  }

  void ExpectMovedIntact(const std::string& from, const std::string& to, const std::string& bytes) {
    EXPECT_FALSE(Exists(from));
    ASSERT_TRUE(Exists(to));
    EXPECT_EQ(testkit::ReadWholeFile(to), bytes);
    struct stat st {};
    ASSERT_EQ(stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1682935653);
    EXPECT_EQ(st.st_mtim.tv_nsec, 123456789);
  }

  void ExpectUntouched(const std::string& from, const std::string& bytes) {
    ASSERT_TRUE(Exists(from));
    EXPECT_EQ(testkit::ReadWholeFile(from), bytes);
  }

  testkit::TempDir dir_;
  ShmDir shm_;
};

struct Route {
  const char* name;
  MoveFaults faults;
};

// Every way a move can take inside one file system.
const Route kSameFileSystemRoutes[] = {
    {"rename", {}},
    {"link and unlink", {.renameUnsupported = true}},
    {"copy without hard links", {.renameUnsupported = true, .linkUnsupported = true}},
    {"copy across devices", {.renameCrossDevice = true}},
};

TEST_F(MoveFile, EveryRouteMovesIntactAndNeverReplaces) {
  const std::string bytes = Content(1300000);
  for (const Route& route : kSameFileSystemRoutes) {
    SCOPED_TRACE(route.name);
    ScopedMoveFaults faults(route.faults);
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Moved);
    ExpectMovedIntact(from, to, bytes);

    WriteSource(from, "newcomer");
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::TargetTaken);
    ExpectUntouched(from, "newcomer");
    EXPECT_EQ(testkit::ReadWholeFile(to), bytes);

    EXPECT_EQ(MoveFileNoReplace(dir_.File("missing.jpg"), dir_.File("other.jpg")).outcome,
              MoveOutcome::NotFound);
    EXPECT_EQ(MoveFileNoReplace(from, dir_.File("no/such/folder.jpg")).outcome,
              MoveOutcome::NotFound);
    ExpectUntouched(from, "newcomer");
    fs::remove(from);
    fs::remove(to);
  }
}

TEST_F(MoveFile, AcrossFileSystemsKeepsContentTimeAndPermissions) {
  ASSERT_TRUE(shm_.usable());
  ASSERT_TRUE(OnDifferentFileSystems(dir_.path(), shm_.File("")));
  const std::string bytes = Content(1100000);
  for (const bool toShm : {true, false}) {
    const std::string from = toShm ? dir_.File("a.jpg") : shm_.File("a.jpg");
    const std::string to = toShm ? shm_.File("b.jpg") : dir_.File("b.jpg");
    WriteSource(from, bytes);
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Moved);
    ExpectMovedIntact(from, to, bytes);

    WriteSource(from, "second");
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::TargetTaken);
    ExpectUntouched(from, "second");
    EXPECT_EQ(testkit::ReadWholeFile(to), bytes);
    fs::remove(to);

    ScopedMoveFaults faults({.copyFailsAfterBytes = 3}); // half-way through "second"
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Failed);
    ExpectUntouched(from, "second");
    EXPECT_FALSE(Exists(to));
    fs::remove(from);
  }
}

struct Fault {
  const char* name;
  MoveFaults faults;
};

// Failures after the target was created: each must leave the source as it
// was and no file at the target.
const Fault kFailedCopies[] = {
    {"copy fails half-way", {.renameCrossDevice = true, .copyFailsAfterBytes = 700000}},
    {"copy fails at once", {.renameCrossDevice = true, .copyFailsAfterBytes = 0}},
    {"copy differs", {.renameCrossDevice = true, .copyCorrupts = true}},
    {"source cannot be removed after copy",
     {.renameCrossDevice = true, .sourceRemovalFails = true}},
    {"source cannot be removed after link",
     {.renameUnsupported = true, .sourceRemovalFails = true}},
};

TEST_F(MoveFile, AFailedStepLeavesTheSourceAndNoPartialTarget) {
  const std::string bytes = Content(1200000);
  for (const Fault& fault : kFailedCopies) {
    SCOPED_TRACE(fault.name);
    ScopedMoveFaults faults(fault.faults);
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Failed);
    ExpectUntouched(from, bytes);
    EXPECT_FALSE(Exists(to));
  }
}

} // namespace
