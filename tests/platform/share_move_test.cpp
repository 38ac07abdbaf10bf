// Moves on a share that refuses the no-replace rename and gives every name an
// inode number of its own (FUSE without use_ino), where a hard link looks
// like another file: on the real pass-through share where FUSE runs, and
// through the hooks everywhere.

#include "platform/move_faults.h"
#include "platform/move_file.h"
#include "platform/temporary_copy_name.h"
#include "tests/kit/fuse_share.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

// The entries of folder, temporary copies included.
size_t EntriesIn(const std::string& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

std::string Bytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 131) >> 2);
  return bytes;
}

// Moves into folder, a share; faults make a local folder behave as one.
// elsewhere: a folder on another file system, the source of the copies.
void MovesOnAShare(const std::string& folder, const MoveFaults& faults,
                   const std::string& elsewhere) {
  const std::string bytes = Bytes(1500000); // a copy of it is half written once
  {
    // In a row: the first move learns the share, the later ones reserve
    // their names at once (no link left to judge).
    int reserved = 0;
    MoveFaults counting = faults;
    counting.afterStep = [&](CopyStep step) { reserved += step == CopyStep::Reserved; };
    ScopedMoveFaults scoped(counting);
    for (int i = 0; i < 3; ++i) {
      const std::string from = folder + "/a" + std::to_string(i),
                        to = folder + "/b" + std::to_string(i);
      testkit::WriteFile(from, bytes);
      EXPECT_EQ(MoveFileNoReplace(from, to).outcome, MoveOutcome::Moved) << i;
      EXPECT_FALSE(fs::exists(from));
      EXPECT_EQ(testkit::ReadWholeFile(to), bytes);
      fs::remove(to);
    }
    EXPECT_EQ(reserved, 2);
    EXPECT_EQ(EntriesIn(folder), 0u);
  }

  const std::string to = folder + "/ziel.jpg";
  std::string source; // the case's
  const auto saveAnew = [&] {
    testkit::WriteFile(source + ".neu", "neu gesichert");
    fs::rename(source + ".neu", source);
  };
  const auto append = [&] { std::ofstream(source, std::ios::app) << "mehr"; };
  struct Case {
    const char* what;
    bool copy; // from another file system into the share
    CopyStep step;
    std::function<void()> change;
    bool removalFails;
    MoveOutcome outcome;
    std::string atSource, atTarget; // "" where nothing is
  };
  const Case cases[] = {
      {"saved anew once linked", false, CopyStep::Linked, saveAnew, false,
       MoveOutcome::SourceChanged, "neu gesichert", bytes},
      {"written to once linked: one file", false, CopyStep::Linked, append, false,
       MoveOutcome::Moved, "", bytes + "mehr"},
      {"cannot leave its folder", false, CopyStep::Linked, [] {}, true,
       MoveOutcome::SourceNotRemovable, bytes, ""},
      {"copied into the share", true, CopyStep::Linked, [] {}, false, MoveOutcome::Moved, "",
       bytes},
      {"written to while copied", true, CopyStep::HalfWritten, append, false,
       MoveOutcome::ChangedDuringCopy, bytes + "mehr", ""},
      {"copied, its source cannot go", true, CopyStep::Linked, [] {}, true,
       MoveOutcome::SourceNotRemovable, bytes, ""},
  };
  const bool hooked = faults.linkShowsOtherInode;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The hook would refuse the removal of the copy's temporary name too.
    if (hooked && c.copy && c.removalFails) continue;
    // Each case meets the share anew (the faults forget what was learnt).
    MoveFaults these = faults;
    these.sourceRemovalFails = c.removalFails;
    // Through the hooks the other file system is one by the fault.
    these.renameCrossDevice = c.copy && hooked;
    source = (c.copy ? elsewhere : folder) + "/quelle.jpg";
    these.afterStep = [&](CopyStep step) {
      if (step == c.step) c.change();
    };
    testkit::WriteFile(source, bytes);
    ScopedMoveFaults scoped(these);
    const MoveResult result = MoveFileNoReplace(source, to);
    EXPECT_EQ(result.outcome, c.outcome) << result.error.message();
    EXPECT_EQ(fs::exists(source) ? testkit::ReadWholeFile(source) : "", c.atSource);
    EXPECT_EQ(fs::exists(to) ? testkit::ReadWholeFile(to) : "", c.atTarget);
    // Nothing else: no second name, no temporary copy.
    EXPECT_EQ(EntriesIn(folder),
              (c.atTarget.empty() ? 0u : 1u) + (!c.copy && !c.atSource.empty() ? 1u : 0u));
    fs::remove(source);
    fs::remove(to);
  }
}

// Where the share cannot run: its answers through the hooks. The copy stays
// on the local disk (a copy by the fault) and is placed as on the share.
TEST(ShareMove, HookedLinksThatShowAnotherInodeMoveEachFileOnce) {
  testkit::TempDir dir;
  fs::create_directories(dir.File("share"));
  fs::create_directories(dir.File("elsewhere"));
  MovesOnAShare(dir.File("share"), {.renameUnsupported = true, .linkShowsOtherInode = true},
                dir.File("elsewhere"));
}

TEST(ShareMove, OnAFuseShareEachFileMovesOnce) {
  testkit::PassthroughShare share;
  if (!share.Missing().empty()) GTEST_SKIP() << "no FUSE share: " << share.Missing();
  testkit::TempDir memory(testkit::TempPlace::Memory);
  MovesOnAShare(share.path(), {}, memory.path());
}

} // namespace
