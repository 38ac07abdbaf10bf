// Renames made several at a time give what the run one after another gives:
// the same files under the same names, the same report in the same order and
// the same record, also where the rename or hard links are refused; and a
// stop among them leaves every file whole in one place, as the report and
// the record say.

#include "platform/move_faults.h"
#include "platform/moves_in_flight.h"
#include "run/distribution_run.h"
#include "run/run_record.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using runtest::Exists;
using runtest::WriteFileAt;
using Lines = std::vector<std::string>;

// What a run left, its folder written ROOT; the record without its start,
// process, devices and inodes.
struct Left {
  Lines target, source, report, record;
  int steps = 0;    // of the moves, as a test's hook counted them
  size_t moved = 0; // as reported
  bool operator==(const Left&) const = default;
};

std::string Rooted(std::string text, const std::string& root) {
  for (size_t at; (at = text.find(root)) != std::string::npos;)
    text.replace(at, root.size(), "ROOT");
  return text;
}

// A tree with a burst of one second, a file already in place and a name in
// the library, groups, files that stay (no date, bytes in the library), and
// a name taken by another program once the first batch chose it. The library
// lies in the source, so its files stay in place. stopAt: the run stops once
// that many files have moved.
Left RunOn(MovesInFlightUse use, MoveFaults faults, size_t stopAt = 0) {
  runtest::FakeFrontEnd frontEnd;
  DistributionRun run(frontEnd);
  run.UseMovesInFlight(use);
  testkit::TempDir dir;
  const std::string root = dir.path() + "/", source = root + "quelle/",
                    target = source + "bibliothek/", records = root + "lauf";
  fs::create_directories(records);
  run.RecordInto(records);
  const auto jpeg = [&](const std::string& name, const std::string& date, const std::string& tail) {
    WriteFileAt(source + name, testkit::JpegWithExifDate(date) + tail,
                runtest::LocalSeconds(2020, 2, 3, 4, 5, 7));
  };
  jpeg("0.jpg", "2023:07:01 09:00:00", "");
  jpeg("bibliothek/2023/05/2023-05-01_120732.jpg", "2023:05:01 12:07:32", "in place");
  jpeg("bibliothek/2023/06/2023-06-02_080000.jpg", "2023:06:02 08:00:00", "there");
  jpeg("doppelt/2023-06-02.jpg", "2023:06:02 08:00:00", "there");
  WriteFileAt(source + "ohne.jpg", testkit::JpegWithoutExif(),
              runtest::LocalSeconds(1975, 1, 1, 0, 0, 0));
  for (int i = 0; i < 60; ++i) {
    const std::string n = std::to_string(100 + i);
    jpeg("serie/" + n + ".jpg",
         i < 24 ? "2023:05:01 12:07:32" : "2022:03:1" + n.substr(2) + " 10:00:00", n);
    if (i % 10 == 0) WriteFileAt(source + "serie/" + n + ".xmp", n, 0); // a group
  }
  RunOptions& options = frontEnd.options;
  options.source = source;
  options.target = target;
  options.kinds.all = options.renameByDate = options.skipIdentical = options.companions = true;
  options.keepOriginalName = false;
  options.structure = FolderStructure::YearMonth;
  const std::string taken = target + "2023/07/2023-07-01_090000.jpg";
  frontEnd.onEvents = [&] {
    if (Exists(target + "2023/07") && !Exists(taken)) WriteFileAt(taken, "other program", 0);
    if (stopAt && testkit::FilesBelow(target).size() >= 3 + stopAt) run.RequestStop();
  };
  int steps = 0; // a hook counts without a lock of its own
  faults.afterStep = [&](CopyStep) { ++steps; };
  ScopedMoveFaults scoped(faults);
  EXPECT_EQ(run.DistributeFiles(), stopAt ? RunOutcome::Stopped : RunOutcome::Completed);

  Left left{testkit::FilesBelow(target), testkit::FilesBelow(source), {}, {}, steps, 0};
  for (const FileOutcome& outcome : frontEnd.outcomes) {
    left.moved += outcome.result == FileResult::Moved;
    left.report.push_back(Rooted(
        outcome.source + " " + std::to_string(int(outcome.result)) + " " + outcome.target, root));
  }
  std::istringstream record(testkit::ReadWholeFile(NewestUndoableRecord(records)));
  for (std::string line; std::getline(record, line);) {
    if (line.starts_with("beginn\t") || line.starts_with("prozess\t")) continue;
    if (line.starts_with("erledigt\t")) line.erase(line.rfind('\t', line.rfind('\t') - 1));
    left.record.push_back(Rooted(line, root));
  }
  return left;
}

TEST(MovesInFlightTest, GiveWhatTheRunOneAfterAnotherGives) {
  runtest::UseBerlinTime();
  const MoveFaults cases[] = {{},
                              {.renameUnsupported = true}, // hard links
                              {.renameUnsupported = true, .linkUnsupported = true}};
  for (const MoveFaults& faults : cases) {
    SCOPED_TRACE(testing::Message() << faults.renameUnsupported << faults.linkUnsupported);
    const Left alone = RunOn(MovesInFlightUse::Never, faults);
    EXPECT_EQ(RunOn(MovesInFlightUse::Always, faults), alone);
    // The tree is what it claims to be.
    EXPECT_EQ(alone.target.size(), 2 + 1 + 60 + 6 + 1u);
    EXPECT_TRUE(std::count(alone.target.begin(), alone.target.end(),
                           "2023/07/2023-07-01_090000_[0001].jpg"));
    EXPECT_EQ(alone.source.size() - alone.target.size(), 2u); // ohne.jpg, doppelt/
    EXPECT_EQ(alone.steps > 0, faults.renameUnsupported);
  }
}

// A stop lets the moves in flight finish and starts no new one: each file is
// whole in one place, and the report and the record name the same moves.
TEST(MovesInFlightTest, AStopFinishesTheMovesInFlightAndStartsNoNewOne) {
  runtest::UseBerlinTime();
  constexpr size_t kStopAt = 33; // within a batch, with moves in flight
  const Left left = RunOn(MovesInFlightUse::Always, {}, kStopAt);
  const size_t done =
      std::count_if(left.record.begin(), left.record.end(),
                    [](const std::string& l) { return l.starts_with("erledigt\t"); });
  EXPECT_EQ(done, left.moved);
  EXPECT_GE(left.moved, kStopAt);
  // (and the second member of a group handled at the stop)
  EXPECT_LE(left.moved, kStopAt + MovesInFlight::kMovesInFlight + 1);
  // Every file once: moved as reported (beside the three there before), or
  // still in the source.
  EXPECT_EQ(left.target.size(), 3 + left.moved);
  EXPECT_EQ(left.source.size(), 5 + 60 + 6u + 1);
}

} // namespace
