#include "platform/abandon_copy.h"
#include "platform/cross_device_batch.h"
#include "platform/move_faults.h"
#include "platform/temporary_copy_name.h"
#include "tests/kit/temp_files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 5;

// Distinct bytes of file i, over a copy chunk, so that a copy has a middle.
std::string Bytes(int i) {
  std::string bytes(1300000 + 1000 * static_cast<size_t>(i), '\0');
  for (size_t at = 0; at < bytes.size(); ++at)
    bytes[at] = static_cast<char>((at * 7919 + static_cast<size_t>(i)) >> 3);
  return bytes;
}

std::string ContentOf(const std::string& path) {
  return fs::exists(path) ? testkit::ReadWholeFile(path) : "";
}

// Files in memory moved into a folder on the disk, as a batch (the fault
// makes it one even where the two share a file system).
class CrossDeviceBatchTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 0; i < kFiles; ++i)
      testkit::WriteFile(From(i), Bytes(i));
  }
  std::string From(int i) const { return memory_.File("bild" + std::to_string(i) + ".jpg"); }
  std::string To(int i) const { return disk_.File("ziel" + std::to_string(i) + ".jpg"); }

  // Stages every file and commits; the results in the order they came.
  std::vector<CommittedMove> MoveAll(const std::function<void()>& beforeCommit = [] {}) {
    std::vector<CommittedMove> settled;
    CrossDeviceBatch batch([&](const CommittedMove& move) { settled.push_back(move); });
    for (int i = 0; i < kFiles; ++i)
      EXPECT_FALSE(batch.Stage(From(i), To(i))) << i;
    beforeCommit();
    batch.Commit();
    return settled;
  }

  // No final name holds a partial file, every content (but that of a file
  // the test changed) exists at least once, and no temporary copy is left
  // unless the process was killed.
  void ExpectNothingLost(bool killed = false, int changed = -1) {
    for (int i = 0; i < kFiles; ++i) {
      if (i == changed) continue;
      SCOPED_TRACE(i);
      EXPECT_TRUE(!fs::exists(To(i)) || ContentOf(To(i)) == Bytes(i));
      EXPECT_TRUE(ContentOf(From(i)) == Bytes(i) || ContentOf(To(i)) == Bytes(i));
    }
    if (killed) return;
    for (const auto& entry : fs::directory_iterator(disk_.path()))
      EXPECT_FALSE(IsTemporaryCopyName(entry.path().filename())) << entry.path();
  }

  testkit::TempDir disk_;
  testkit::TempDir memory_{testkit::TempPlace::Memory};
};

// A kill after any step of a batch: after some copies, after the flush,
// after some final names, after some removals.
TEST_F(CrossDeviceBatchTest, AKillAtAnyStepLosesNothing) {
  const std::pair<CopyStep, int> kills[] = {
      {CopyStep::TemporaryCreated, 3}, {CopyStep::HalfWritten, 4}, {CopyStep::Flushed, 1},
      {CopyStep::Placed, 1},           {CopyStep::Placed, 4},      {CopyStep::SourceRemoved, 2},
  };
  for (const auto& [step, nth] : kills) {
    SCOPED_TRACE(static_cast<int>(step) * 10 + nth);
    SetUp();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int seen = 0;
      ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep now) {
                                 if (now == step && ++seen == nth) _exit(0);
                               }});
      MoveAll();
      _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ExpectNothingLost(true);
    for (int i = 0; i < kFiles; ++i)
      fs::remove(To(i));
  }
}

// Between staging and commit, something happens to file 1 (or faults act on
// every file): each file gets its own outcome, in staging order.
TEST_F(CrossDeviceBatchTest, EachFileKeepsItsOutcomeAndNothingIsLost) {
  struct Case {
    const char* what;
    std::function<void(const std::string& from, const std::string& to)> change;
    MoveFaults faults;
    MoveOutcome first, others;
  };
  const auto none = [](const std::string&, const std::string&) {};
  const Case cases[] = {
      {"nothing", none, {}, MoveOutcome::Moved, MoveOutcome::Moved},
      {"target taken",
       [](const std::string&, const std::string& to) { testkit::WriteFile(to, "fremd"); },
       {},
       MoveOutcome::TargetTaken,
       MoveOutcome::Moved},
      {"source appended",
       [](const std::string& from, const std::string&) {
         std::ofstream(from, std::ios::app) << "mehr";
       },
       {},
       MoveOutcome::ChangedDuringCopy,
       MoveOutcome::Moved},
      {"source saved over",
       [](const std::string& from, const std::string&) {
         testkit::WriteFile(from + ".neu", "neu");
         fs::rename(from + ".neu", from);
       },
       {},
       MoveOutcome::SourceChanged,
       MoveOutcome::Moved},
      {"source gone",
       [](const std::string& from, const std::string&) { fs::remove(from); },
       {},
       MoveOutcome::NotFound,
       MoveOutcome::Moved},
      {"no syncfs", none, {.syncfsFails = true}, MoveOutcome::Moved, MoveOutcome::Moved},
      {"stored wrongly by the target",
       none,
       {.readBackDiffers = true},
       MoveOutcome::CopyDiffers,
       MoveOutcome::CopyDiffers},
      {"sources not removable",
       none,
       {.sourceRemovalFails = true},
       MoveOutcome::SourceNotRemovable,
       MoveOutcome::SourceNotRemovable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    MoveFaults faults = c.faults;
    faults.renameCrossDevice = true;
    ScopedMoveFaults scoped(faults);
    const auto settled = MoveAll([&] { c.change(From(1), To(1)); });
    ASSERT_EQ(settled.size(), size_t{kFiles});
    for (int i = 0; i < kFiles; ++i) {
      SCOPED_TRACE(i);
      const MoveOutcome outcome = settled[i].result.outcome;
      EXPECT_EQ(settled[i].from, From(i));
      EXPECT_EQ(outcome, i == 1 ? c.first : c.others);
      EXPECT_EQ(fs::exists(From(i)),
                outcome != MoveOutcome::Moved && outcome != MoveOutcome::NotFound);
      EXPECT_EQ(ContentOf(To(i)) == Bytes(i),
                outcome == MoveOutcome::Moved || outcome == MoveOutcome::SourceChanged);
    }
    if (c.first == MoveOutcome::TargetTaken) {
      EXPECT_EQ(ContentOf(To(1)), "fremd");
    }
    ExpectNothingLost(false, c.first == c.others ? -1 : 1);
    for (int i = 0; i < kFiles; ++i)
      fs::remove(To(i));
  }
}

// A second Ctrl+C during the third copy: that copy and every later one is
// abandoned, the two finished ones still land. (In a child: the request
// holds for the rest of a process.)
TEST_F(CrossDeviceBatchTest, AbandoningKeepsTheFinishedCopies) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    int copies = 0;
    ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep now) {
                               if (now == CopyStep::HalfWritten && ++copies == 3)
                                 AbandonCopyInHand();
                             }});
    std::vector<MoveOutcome> outcomes;
    CrossDeviceBatch batch(
        [&](const CommittedMove& move) { outcomes.push_back(move.result.outcome); });
    for (int i = 0; i < kFiles; ++i) {
      if (const auto done = batch.Stage(From(i), To(i))) outcomes.push_back(done->outcome);
    }
    batch.Commit();
    using enum MoveOutcome;
    _exit(outcomes == std::vector{Abandoned, Abandoned, Abandoned, Moved, Moved} ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int i = 0; i < kFiles; ++i)
    EXPECT_EQ(fs::exists(To(i)), i < 2) << i;
  ExpectNothingLost();
}

// The batch commits itself when full; a name staged already is taken; a
// move within a file system is done at once.
TEST_F(CrossDeviceBatchTest, ABatchCommitsItselfWhenFull) {
  size_t settled = 0;
  CrossDeviceBatch batch([&](const CommittedMove&) { ++settled; });
  {
    ScopedMoveFaults faults({.renameCrossDevice = true});
    for (size_t i = 0; i < CrossDeviceBatch::kBatchFiles; ++i) {
      testkit::WriteFile(memory_.File(std::to_string(i)), "x");
      EXPECT_FALSE(batch.Stage(memory_.File(std::to_string(i)), disk_.File(std::to_string(i))));
    }
    EXPECT_EQ(settled, CrossDeviceBatch::kBatchFiles);
    EXPECT_FALSE(batch.Stage(From(0), To(0)));
    EXPECT_EQ(batch.Stage(From(1), To(0))->outcome, MoveOutcome::TargetTaken);
  }
  EXPECT_EQ(batch.Stage(From(2), memory_.File("b.jpg"))->outcome, MoveOutcome::Moved);
  batch.Commit();
  EXPECT_EQ(settled, CrossDeviceBatch::kBatchFiles + 1);
  EXPECT_EQ(ContentOf(To(0)), Bytes(0));
}

} // namespace
