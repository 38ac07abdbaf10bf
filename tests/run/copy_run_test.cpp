// A copy run (kopiercb): every file lands where a move would put it, by a
// verified copy, and the source tree stays exactly as it was; a second
// import of the same card places nothing; its undo removes the copies only.

#include "platform/move_faults.h"
#include "run/distribution_run.h"
#include "run/escaped_text.h"
#include "run/run_record.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

namespace fs = std::filesystem;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using testkit::ExactTree;
using Files = std::vector<std::string>;

// What became of each file, "NAME -> TARGET" (or "= TARGET", ": REASON"),
// the target relative to target, sorted: copies are told as their batch
// lands, not in the list's order.
Files Placed(const std::vector<FileOutcome>& outcomes, const std::string& target) {
  Files placed;
  for (const FileOutcome& outcome : outcomes) {
    const std::string name = fs::path(outcome.source).filename().string();
    if (outcome.result == FileResult::Moved)
      placed.push_back(name + " -> " + outcome.target.substr(target.size()));
    else if (outcome.result == FileResult::AlreadyInTarget)
      placed.push_back(name + " = " + outcome.target.substr(target.size()));
    else if (outcome.result == FileResult::Stayed)
      placed.push_back(name + ": " + StayReasonText(outcome, RunMode::Copy));
  }
  std::sort(placed.begin(), placed.end());
  return placed;
}

class CopyRunTest : public runtest::RunTest {
protected:
  void SetUp() override {
    RunTest::SetUp();
    frontEnd_.options.kinds.all = true;
    frontEnd_.options.companions = true;
  }

  // A card: two shots of one second (a counter), a raw and its JPEG with a
  // sidecar (a group), a read-only file (keeps its name), and a name taken
  // in the library by other bytes.
  void BuildCard(const std::string& card) {
    const std::string jpeg = testkit::JpegWithExifDate("2023:05:01 12:07:32");
    WriteFileAt(card + "DCIM/IMG_1.JPG", jpeg + "1", LocalSeconds(2020, 1, 1, 0, 0, 0));
    WriteFileAt(card + "DCIM/IMG_2.JPG", jpeg + "2", LocalSeconds(2020, 1, 1, 0, 0, 2));
    WriteFileAt(card + "DCIM/IMG_3.JPG", jpeg + "3", LocalSeconds(2020, 1, 1, 0, 0, 4));
    WriteFileAt(card + "DCIM/IMG_3.xmp", "<x/>", LocalSeconds(2020, 1, 1, 0, 0, 4));
    WriteFileAt(card + "DCIM/clip.mov", "film", LocalSeconds(2021, 7, 4, 10, 0, 0));
    chmod((card + "DCIM/clip.mov").c_str(), 0444);
    WriteFileAt(target_ + "2021/07/clip.mov", "anderer film", LocalSeconds(2019, 1, 1, 0, 0, 0));
  }

  // What a move of the card would do, as its dry run plans it.
  Files PlannedMoves(const std::string& card) {
    runtest::FakeFrontEnd plan;
    plan.options = frontEnd_.options;
    plan.options.source = card;
    plan.options.copy = false;
    DistributionRun dry(plan, RunMode::DryRun);
    EXPECT_EQ(dry.DistributeFiles(), RunOutcome::Completed);
    return Placed(plan.outcomes, target_);
  }

  const std::string records_ = dir_.File("aufzeichnungen");
};

// On one file system and across (tmpfs to the disk), with the target's
// routes and faults that a move would meet: every file lands as a move would
// place it, and the card's tree does not change by a byte or a time.
TEST_F(CopyRunTest, EachFileLandsWhereAMoveWouldPutItAndTheCardStaysAsItWas) {
  struct Case {
    const char* what;
    bool cardInMemory;
    MoveFaults faults;
  };
  const Case cases[] = {
      {"one file system", false, {}},
      {"one file system without no-replace rename or links",
       false,
       {.renameUnsupported = true, .linkUnsupported = true}},
      {"tmpfs card to the disk", true, {}},
      {"write-protected card", true, {.sourceImmutable = true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testkit::TempDir memory(testkit::TempPlace::Memory);
    const std::string card = c.cardInMemory ? memory.path() + "/karte/" : source_;
    fs::remove_all(target_);
    fs::create_directories(target_);
    BuildCard(card);
    frontEnd_.options.source = card;
    frontEnd_.options.copy = true;
    const Files planned = PlannedMoves(card);
    const Files before = ExactTree(card);
    frontEnd_.outcomes.clear();
    run_.RecordInto(records_);
    {
      ScopedMoveFaults faults(c.faults);
      ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    }
    EXPECT_EQ(run_.Mode(), RunMode::Copy);
    EXPECT_EQ(ExactTree(card), before);
    EXPECT_EQ(Placed(frontEnd_.outcomes, target_), planned);
    EXPECT_EQ(planned.size(), 5u);
    // Each with the bytes of its source (time, mode, attributes:
    // move_file_test).
    for (const FileOutcome& outcome : frontEnd_.outcomes) {
      if (outcome.result == FileResult::Moved) {
        EXPECT_EQ(testkit::ReadWholeFile(outcome.target), testkit::ReadWholeFile(outcome.source));
      }
    }
    EXPECT_TRUE(testkit::Contains(testkit::ReadWholeFile(NewestUndoableRecord(records_)),
                                  " kopieren=ja\n"));
    fs::remove_all(records_);
    fs::remove_all(card);
  }
}

// With gleichecb a second import of an unchanged card places nothing and
// names the library file each matched; a card with a new picture adds only
// that one.
TEST_F(CopyRunTest, TheSameCardTwicePlacesNothingTheSecondTime) {
  BuildCard(source_);
  frontEnd_.options.copy = true;
  frontEnd_.options.skipIdentical = true;
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const Files first = Placed(frontEnd_.outcomes, target_);
  const Files library = ExactTree(target_);

  frontEnd_.outcomes.clear();
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(ExactTree(target_), library);
  Files again = Placed(frontEnd_.outcomes, target_);
  ASSERT_EQ(again.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) {
    std::string expected = first[i];
    const size_t arrow = expected.find(" -> ");
    ASSERT_NE(arrow, std::string::npos) << expected;
    EXPECT_EQ(again[i], expected.replace(arrow, 4, " = "));
  }
  EXPECT_FALSE(AnyFailed(frontEnd_.finishedStayed));

  WriteFileAt(source_ + "DCIM/IMG_4.JPG", testkit::JpegWithExifDate("2023:05:02 08:00:00"),
              LocalSeconds(2020, 1, 1, 0, 0, 0));
  frontEnd_.outcomes.clear();
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  Files moved;
  for (const FileOutcome& outcome : frontEnd_.outcomes)
    if (outcome.result == FileResult::Moved) moved.push_back(outcome.target.substr(target_.size()));
  EXPECT_EQ(moved, Files{"2023/05/2023-05-02_080000.jpg"});
}

// The undo of a copy run removes each copy still unchanged at its place and
// the folders the run made, and never touches the card; a copy changed since
// stays, and so does one whose card file is gone (it is the only one left).
TEST_F(CopyRunTest, ItsUndoRemovesTheCopiesAndNeverTouchesTheCard) {
  BuildCard(source_);
  frontEnd_.options.copy = true;
  frontEnd_.options.companions = false;
  const Files card = ExactTree(source_);
  const Files library = ExactTree(target_);
  run_.RecordInto(records_);
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const std::string changed = target_ + "2023/05/2023-05-01_120732.jpg";
  const std::string lonely = target_ + "2023/05/2023-05-01_120732_[0001].jpg";
  ASSERT_TRUE(fs::exists(changed) && fs::exists(lonely));
  WriteFileAt(changed, "bearbeitet", LocalSeconds(2024, 1, 1, 0, 0, 0));
  // The card's file of the second copy is gone, renamed away.
  fs::rename(source_ + "DCIM/IMG_2.JPG", dir_.File("gerettet.jpg"));

  for (const RunMode mode : {RunMode::DryRun, RunMode::Real}) {
    SCOPED_TRACE(mode == RunMode::DryRun ? "dry run" : "real");
    frontEnd_.outcomes.clear();
    frontEnd_.log.clear();
    UndoRun undo(frontEnd_, records_, mode);
    ASSERT_EQ(undo.TakeBack(), RunOutcome::Completed);
    EXPECT_TRUE(undo.RemovedCopies());
    Files removed, stayed;
    for (const FileOutcome& outcome : frontEnd_.outcomes) {
      if (outcome.result == FileResult::Removed) removed.push_back(outcome.source);
      if (outcome.result == FileResult::Stayed) stayed.push_back(StayedLine(outcome));
    }
    EXPECT_EQ(removed.size(), 3u);
    std::sort(stayed.begin(), stayed.end());
    EXPECT_EQ(stayed, (Files{EscapeText(changed) + ": " + kChangedSinceRunText,
                             EscapeText(lonely) + ": " + kOnlyCopyLeftText}));
    for (const std::string& copy : removed)
      EXPECT_EQ(fs::exists(copy), mode == RunMode::DryRun) << copy;
  }
  fs::rename(dir_.File("gerettet.jpg"), source_ + "DCIM/IMG_2.JPG");
  EXPECT_EQ(ExactTree(source_), card);
  EXPECT_EQ(testkit::FilesBelow(target_),
            (Files{"2021/07/clip.mov", "2023/05/2023-05-01_120732.jpg",
                   "2023/05/2023-05-01_120732_[0001].jpg"}));
  EXPECT_EQ(ExactTree(target_).size(), library.size() + 4) << "2023, 05 and the two files";
}

// Where the machine lets a test mount, a card mounted read-only: nothing
// can change it, and the copy run imports it whole.
TEST_F(CopyRunTest, AReadOnlyMountedCardIsImportedWhole) {
  BuildCard(source_);
  const std::string mounted = dir_.File("karte") + "/";
  fs::create_directories(mounted);
  if (mount(source_.c_str(), mounted.c_str(), nullptr, MS_BIND, nullptr) != 0)
    GTEST_SKIP() << "no bind mount here (" << std::strerror(errno)
                 << "); the hooks' write-protected card stands in";
  const bool readOnly =
      mount(nullptr, mounted.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
  const Files before = ExactTree(source_);
  frontEnd_.options.source = mounted;
  frontEnd_.options.copy = true;
  const RunOutcome outcome = run_.DistributeFiles();
  umount(mounted.c_str());
  if (!readOnly) GTEST_SKIP() << "the bind mount cannot be made read-only here";
  ASSERT_EQ(outcome, RunOutcome::Completed);
  EXPECT_FALSE(AnyFailed(frontEnd_.finishedStayed));
  EXPECT_EQ(ExactTree(source_), before);
  EXPECT_EQ(testkit::FilesBelow(target_).size(), 6u);
}

} // namespace
