#include "platform/move_faults.h"
#include "platform/move_file.h"
#include "platform/temporary_copy_name.h"
#include "tests/kit/temp_files.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

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
  testkit::TempDir shm_{testkit::TempPlace::Memory};
};

struct Route {
  const char* name;
  MoveFaults faults;
  bool copies; // the file's bytes are copied, not its directory entry moved
};

// Every way a move can take inside one file system. Without no-replace
// renames and hard links (exFAT, FAT) the final name is reserved and the
// file renamed over it: no copy, so no room needed on the card.
const Route kSameFileSystemRoutes[] = {
    {"rename", {}, false},
    {"link and unlink", {.renameUnsupported = true}, false},
    {"reserved name without hard links",
     {.renameUnsupported = true, .linkUnsupported = true},
     false},
    {"copy across devices", {.renameCrossDevice = true}, true},
    {"copy to a card without links",
     {.renameUnsupported = false, .renameCrossDevice = true, .linkUnsupported = true},
     true},
};

ino_t InodeOf(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Names of the move's temporary files left in folder.
std::vector<std::string> TemporaryCopies(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (IsTemporaryCopyName(entry.path().filename().string())) {
      names.push_back(entry.path().filename().string());
    }
  }
  return names;
}

TEST_F(MoveFile, EveryRouteMovesIntactAndNeverReplaces) {
  const std::string bytes = Content(1300000);
  for (const Route& route : kSameFileSystemRoutes) {
    SCOPED_TRACE(route.name);
    ScopedMoveFaults faults(route.faults);
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    const ino_t inode = InodeOf(from);
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Moved);
    ExpectMovedIntact(from, to, bytes);
    EXPECT_EQ(InodeOf(to) != inode, route.copies);
    EXPECT_TRUE(TemporaryCopies(dir_.path()).empty());

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
  ASSERT_TRUE(OnDifferentFileSystems(dir_.path(), shm_.path()));
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
  MoveOutcome outcome;
};

// Failures of any route: each must leave the source as it was, no file at
// the target and no temporary file, and name what went wrong.
const Fault kFailedMoves[] = {
    {"copy fails half-way",
     {.renameCrossDevice = true, .copyFailsAfterBytes = 700000},
     MoveOutcome::Failed},
    {"copy fails at once",
     {.renameCrossDevice = true, .copyFailsAfterBytes = 0},
     MoveOutcome::Failed},
    {"copy differs", {.renameCrossDevice = true, .copyCorrupts = true}, MoveOutcome::CopyDiffers},
    {"copy read back wrongly",
     {.renameCrossDevice = true, .readBackDiffers = true},
     MoveOutcome::CopyDiffers},
    {"copy read back wrongly, no syncfs",
     {.renameCrossDevice = true, .readBackDiffers = true, .syncfsFails = true},
     MoveOutcome::CopyDiffers},
    {"source cannot be removed after copy",
     {.renameCrossDevice = true, .sourceRemovalFails = true},
     MoveOutcome::SourceNotRemovable},
    {"source cannot be removed after link",
     {.renameUnsupported = true, .sourceRemovalFails = true},
     MoveOutcome::SourceNotRemovable},
    {"immutable source", {.sourceImmutable = true}, MoveOutcome::SourceNotRemovable},
    {"immutable source, never copied",
     {.renameCrossDevice = true, .copyFailsAfterBytes = 0, .sourceImmutable = true},
     MoveOutcome::SourceNotRemovable},
    {"full target", {.targetRefuses = ENOSPC}, MoveOutcome::NoSpace},
    {"target full during a copy",
     {.renameCrossDevice = true, .copyFailsAfterBytes = 500000, .copyError = ENOSPC},
     MoveOutcome::NoSpace},
    {"read-only target, link route",
     {.renameUnsupported = true, .targetRefuses = EROFS},
     MoveOutcome::NotWritable},
    {"immutable target, copy",
     {.renameCrossDevice = true, .targetRefuses = EPERM},
     MoveOutcome::NotWritable},
    {"name too long, reserved name",
     {.renameUnsupported = true, .linkUnsupported = true, .targetRefuses = ENAMETOOLONG},
     MoveOutcome::NameNotPossible},
    {"name refused by the target, copy",
     {.renameCrossDevice = true, .targetRefuses = EINVAL},
     MoveOutcome::NameNotPossible},
};

TEST_F(MoveFile, AFailedStepLeavesTheSourceAndNoPartialTarget) {
  const std::string bytes = Content(1200000);
  for (const Fault& fault : kFailedMoves) {
    SCOPED_TRACE(fault.name);
    ScopedMoveFaults faults(fault.faults);
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    const MoveResult result = MoveFileNoReplace(from, to);
    EXPECT_EQ(result.outcome, fault.outcome);
    EXPECT_TRUE(result.outcome != MoveOutcome::Failed || result.error) << "no system error named";
    ExpectUntouched(from, bytes);
    EXPECT_FALSE(Exists(to));
    EXPECT_TRUE(TemporaryCopies(dir_.path()).empty());
  }
}

// Another program saves a new file over the source while it is copied: the
// new file stays, and so does the complete copy of the old one.
TEST_F(MoveFile, ASourceReplacedDuringACopyIsKeptBesideTheCopy) {
  const std::string bytes = Content(1500000);
  for (const CopyStep step : {CopyStep::HalfWritten, CopyStep::Flushed}) {
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep now) {
                               if (now != step) return;
                               testkit::WriteFile(from + ".new", "saved again");
                               fs::rename(from + ".new", from);
                             }});
    EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::SourceChanged);
    EXPECT_EQ(testkit::ReadWholeFile(from), "saved again");
    EXPECT_EQ(testkit::ReadWholeFile(to), bytes);
    fs::remove(from);
    fs::remove(to);
  }
}

// A source written to during its copy is blamed for a copy that differs; one
// gone before its copy was complete was taken by someone else, so the copy
// goes; one gone after that has moved.
TEST_F(MoveFile, ASourceChangedOrGoneDuringACopyIsToldFromADiskFault) {
  const std::string bytes = Content(1500000);
  const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
  const auto append = [&] { std::ofstream(from, std::ios::app) << "mehr"; };
  const auto truncate = [&] { fs::resize_file(from, 1000); };
  const auto rewrite = [&] { std::fstream(from, std::ios::in | std::ios::out) << "neu"; };
  const auto remove = [&] { fs::remove(from); };
  struct Case {
    const char* what;
    CopyStep step;
    std::function<void()> change;
    MoveOutcome outcome;
    bool copyCorrupts = false;
  };
  const Case cases[] = {
      {"appended", CopyStep::HalfWritten, append, MoveOutcome::ChangedDuringCopy},
      {"truncated", CopyStep::HalfWritten, truncate, MoveOutcome::ChangedDuringCopy},
      {"rewritten in place", CopyStep::HalfWritten, rewrite, MoveOutcome::ChangedDuringCopy},
      {"rewritten after the check", CopyStep::Flushed, rewrite, MoveOutcome::ChangedDuringCopy},
      {"unchanged, the copy differs", CopyStep::Flushed, [] {}, MoveOutcome::CopyDiffers, true},
      {"gone half-way", CopyStep::HalfWritten, remove, MoveOutcome::NotFound},
      {"gone before its final name", CopyStep::Flushed, remove, MoveOutcome::NotFound},
      {"gone once placed", CopyStep::Placed, remove, MoveOutcome::Moved},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteSource(from, bytes);
    ScopedMoveFaults faults(
        {.renameCrossDevice = true, .copyCorrupts = c.copyCorrupts, .afterStep = [&](CopyStep now) {
           if (now == c.step) c.change();
         }});
    const MoveResult result = MoveFileNoReplace(from, to);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.error.value() == EIO, c.copyCorrupts);
    EXPECT_EQ(Exists(to) ? testkit::ReadWholeFile(to) : "",
              c.outcome == MoveOutcome::Moved ? bytes : "");
    EXPECT_TRUE(TemporaryCopies(dir_.path()).empty());
    fs::remove(from);
    fs::remove(to);
  }
}

// Whatever step a copy is cut off after (a kill, a power cut), no final name
// holds an incomplete file and the file's content exists at least once.
TEST_F(MoveFile, ACopyCutOffAfterAnyStepLeavesNoPartialFileUnderAFinalName) {
  const std::string bytes = Content(2500000);
  for (const CopyStep step : {CopyStep::TemporaryCreated, CopyStep::HalfWritten, CopyStep::Flushed,
                              CopyStep::Placed, CopyStep::SourceRemoved}) {
    SCOPED_TRACE(static_cast<int>(step));
    const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep now) {
                                 if (now == step) _exit(0);
                               }});
      MoveFileNoReplace(from, to);
      _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const bool sourceWhole = Exists(from) && testkit::ReadWholeFile(from) == bytes;
    const bool targetWhole = Exists(to) && testkit::ReadWholeFile(to) == bytes;
    EXPECT_TRUE(!Exists(to) || targetWhole);
    EXPECT_TRUE(sourceWhole || targetWhole);
    fs::remove(from);
    fs::remove(to);
    for (const std::string& name : TemporaryCopies(dir_.path()))
      fs::remove(dir_.File(name));
  }
}

// A second Ctrl+C: the copy in hand stops, its temporary file goes, the
// source stays. (In a child: the request holds for the rest of a process.)
TEST_F(MoveFile, AnAbandonedCopyRemovesItsTemporaryFile) {
  const std::string bytes = Content(3000000);
  const std::string from = dir_.File("from.jpg"), to = dir_.File("to.jpg");
  WriteSource(from, bytes);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [](CopyStep now) {
                               if (now == CopyStep::TemporaryCreated) AbandonCopyInHand();
                             }});
    _exit(MoveFileNoReplace(from, to).outcome == MoveOutcome::Abandoned ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ExpectUntouched(from, bytes);
  EXPECT_FALSE(Exists(to));
  EXPECT_TRUE(TemporaryCopies(dir_.path()).empty());
}

TEST_F(MoveFile, ACopyKeepsHolesAndExtendedAttributes) {
  ScopedMoveFaults faults({.renameCrossDevice = true});
  const std::string from = dir_.File("sparse.mov"), to = dir_.File("moved.mov");
  constexpr off_t kSize = 64 << 20;
  {
    const int fd = open(from.c_str(), O_WRONLY | O_CREAT, 0640);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, kSize), 0);
    ASSERT_EQ(pwrite(fd, "data", 4, kSize / 2), 4);
    close(fd);
  }
  const bool attributes = setxattr(from.c_str(), "user.fotomaz", "wert", 4, 0) == 0;
  ASSERT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Moved);
  struct stat st {};
  ASSERT_EQ(stat(to.c_str(), &st), 0);
  EXPECT_EQ(st.st_size, kSize);
  EXPECT_LT(st.st_blocks * 512, 1 << 20) << "the holes were filled";
  if (attributes) {
    char value[16] = {};
    EXPECT_EQ(getxattr(to.c_str(), "user.fotomaz", value, sizeof value), 4);
    EXPECT_STREQ(value, "wert");
  }
}

TEST_F(MoveFile, AFifoInPlaceOfTheFileIsNeitherReadNorMoved) {
  ScopedMoveFaults faults({.renameCrossDevice = true});
  const std::string from = dir_.File("pipe.jpg");
  ASSERT_EQ(mkfifo(from.c_str(), 0600), 0);
  EXPECT_EQ(MoveFileNoReplace(from, dir_.File("to.jpg")).outcome, MoveOutcome::NotRegularFile);
  EXPECT_TRUE(Exists(from));
}

// Only names of the exact pattern of the move's temporary copies go, and
// only when their last change is old: a live copy carries its source's old
// modification time.
TEST_F(MoveFile, OnlyOldTemporaryCopiesOfTheExactPatternAreRemoved) {
  struct Case {
    const char* name;
    bool changedLongAgo;
    bool removed;
  };
  const Case cases[] = {
      {".fotomaz-12-0000abcd.part", true, true},
      {".fotomaz-12-0000abcd.part", false, false}, // in hand, modified long ago
      {".fotomaz-12-0000ABCD.part", true, false},
      {".fotomaz-12-abcd.part", true, false},
      {".fotomaz-x1-0000abcd.part", true, false},
      {".fotomaz-notizen.part", true, false},
      {"urlaub.part", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir_.File(c.name);
    testkit::WriteFile(path, "x");
    const timespec longAgo[2] = {{0, UTIME_OMIT}, {time(nullptr) - 11 * 60, 0}};
    utimensat(AT_FDCWD, path.c_str(), longAgo, 0);
    ScopedMoveFaults later({.clockAhead = c.changedLongAgo ? (kStaleCopyMinutes + 1) * 60 : 0});
    RemoveStaleTemporaryCopiesIn(dir_.path());
    EXPECT_EQ(Exists(path), !c.removed);
    fs::remove(path);
  }
}

} // namespace

namespace {

// A copy that keeps its source: on one file system and across, whatever the
// routes the target offers, and also from a source that may not leave its
// folder (a card with its write-protect switch on).
TEST_F(MoveFile, ACopyKeepsItsSourceAndLandsVerifiedWithTimeModeAndAttributes) {
  struct Case {
    const char* what;
    bool acrossFileSystems;
    MoveFaults faults;
  };
  const Case cases[] = {
      {"one file system", false, {}},
      {"one file system without no-replace rename or links",
       false,
       {.renameUnsupported = true, .linkUnsupported = true}},
      {"memory to disk", true, {}},
      {"memory to disk, each copy flushed on its own", true, {.syncfsFails = true}},
      {"write-protected source", true, {.sourceImmutable = true}},
  };
  const std::string bytes = Content(1300000);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string from = (c.acrossFileSystems ? shm_ : dir_).File("from.jpg");
    const std::string to = dir_.File("to.jpg");
    WriteSource(from, bytes);
    const bool attributes = setxattr(from.c_str(), "user.fotomaz", "wert", 4, 0) == 0;
    struct stat before {};
    ASSERT_EQ(lstat(from.c_str(), &before), 0);
    {
      ScopedMoveFaults faults(c.faults);
      const MoveResult result = CopyFileNoReplace(from, to);
      EXPECT_EQ(result.outcome, MoveOutcome::Copied);
      EXPECT_TRUE(result.copied);
      // A second copy never replaces the first.
      EXPECT_EQ(CopyFileNoReplace(from, to).outcome, MoveOutcome::TargetTaken);
    }
    struct stat after {};
    ASSERT_EQ(lstat(from.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec) << "the source was changed";
    ExpectUntouched(from, bytes);
    fs::copy_file(to, dir_.File("copy.jpg")); // to is a file of its own
    ExpectMovedIntact(dir_.File("absent.jpg"), to, bytes);
    char value[8] = {};
    if (attributes) {
      EXPECT_EQ(getxattr(to.c_str(), "user.fotomaz", value, sizeof value), 4);
    }
    EXPECT_TRUE(TemporaryCopies(dir_.path()).empty());
    for (const std::string& path : {from, to, dir_.File("copy.jpg")})
      fs::remove(path);
  }
}

} // namespace
