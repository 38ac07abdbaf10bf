// Renames made several at a time give what the run one after another gives:
// the same files under the same names, the same report in the same order and
// the same record, also where the share refuses the no-replace rename or
// hard links; and a stop among them leaves every file whole in one place, as
// the report and the record say.

#include "platform/move_faults.h"
#include "platform/moves_in_flight.h"
#include "run/distribution_run.h"
#include "run/run_record.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using runtest::Exists;
using runtest::FilesBelow;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using Lines = std::vector<std::string>;

// What a run left: the trees, the report and the record, with the run's
// own folder written ROOT (and the record's start, process and inodes left out).
struct Left {
  Lines target, source, report, record;
  int steps = 0; // of moves, as the hook counted them
  bool operator==(const Left&) const = default;
};

std::string Rooted(std::string text, const std::string& root) {
  for (size_t at; (at = text.find(root)) != std::string::npos;)
    text.replace(at, root.size(), "ROOT");
  return text;
}

Lines RecordLines(const std::string& folder, const std::string& root) {
  Lines lines;
  std::istringstream record(testkit::ReadWholeFile(NewestUndoableRecord(folder)));
  for (std::string line; std::getline(record, line);) {
    if (line.starts_with("beginn\t") || line.starts_with("prozess\t")) continue;
    // Device and inode differ from tree to tree.
    if (line.starts_with("erledigt\t")) line.erase(line.rfind('\t', line.rfind('\t') - 1));
    lines.push_back(Rooted(line, root));
  }
  return lines;
}

// A tree with a burst of one second, a name already in the library, a file
// already in place, groups, files that stay (no date, bytes already in the
// library) and a name taken by another program once the run has decided it.
// The library lies in the source, so its files leave or stay in place.
Left RunOn(MovesInFlightUse use, const MoveFaults& faults) {
  runtest::FakeFrontEnd frontEnd;
  DistributionRun run(frontEnd);
  run.UseMovesInFlight(use);
  testkit::TempDir dir;
  const std::string root = dir.path() + "/";
  const std::string source = root + "quelle/", target = source + "bibliothek/",
                    records = root + "lauf";
  fs::create_directories(records);
  run.RecordInto(records);
  const time_t fileTime = LocalSeconds(2020, 2, 3, 4, 5, 7);
  const auto jpeg = [&](const std::string& name, const char* date, const std::string& tail = "") {
    WriteFileAt(source + name, testkit::JpegWithExifDate(date) + tail, fileTime);
  };
  jpeg("0.jpg", "2023:07:01 09:00:00");
  for (int i = 0; i < 24; ++i)
    jpeg("serie/" + std::to_string(100 + i) + ".jpg", "2023:05:01 12:07:32", std::to_string(i));
  jpeg("bibliothek/2023/05/2023-05-01_120732.jpg", "2023:05:01 12:07:32", "in place");
  jpeg("bibliothek/2023/06/2023-06-02_080000.jpg", "2023:06:02 08:00:00", "resident");
  jpeg("doppelt/2023-06-02.jpg", "2023:06:02 08:00:00", "resident"); // its bytes are there
  jpeg("mehr/x.jpg", "2023:06:02 08:00:00", "other bytes");
  WriteFileAt(source + "mehr/ohne.jpg", testkit::JpegWithoutExif(),
              LocalSeconds(1975, 1, 1, 0, 0, 0));
  for (int i = 0; i < 6; ++i) {
    const std::string stem = "gruppen/IMG_" + std::to_string(10 + i);
    jpeg(stem + ".JPG", "2023:05:01 12:07:32", "group " + std::to_string(i));
    WriteFileAt(source + stem + ".xmp", "xmp " + std::to_string(i), fileTime);
  }
  for (int i = 0; i < 40; ++i)
    jpeg("tage/" + std::to_string(100 + i) + ".jpg",
         ("2022:03:" + std::to_string(10 + i % 18) + " 10:00:00").c_str(), std::to_string(i));
  RunOptions& options = frontEnd.options;
  options.source = source;
  options.target = target;
  options.kinds.all = true;
  options.renameByDate = true;
  options.keepOriginalName = false;
  options.structure = FolderStructure::YearMonth;
  options.skipIdentical = true;
  options.companions = true;
  // Taken after the first batch chose it, before its move.
  const std::string taken = target + "2023/07/2023-07-01_090000.jpg";
  frontEnd.onEvents = [&] {
    if (Exists(target + "2023/07") && !Exists(taken)) WriteFileAt(taken, "other program", 0);
  };
  int steps = 0; // a test's hook counts without a lock
  MoveFaults counting = faults;
  counting.afterStep = [&](CopyStep) { ++steps; };
  ScopedMoveFaults scoped(counting);
  EXPECT_EQ(run.DistributeFiles(), RunOutcome::Completed);
  Left left{FilesBelow(target), FilesBelow(source), {}, RecordLines(records, root), steps};
  for (const FileOutcome& outcome : frontEnd.outcomes)
    left.report.push_back(Rooted(
        outcome.source + " " + std::to_string(int(outcome.result)) + " " + outcome.target, root));
  return left;
}

TEST(MovesInFlightTest, GiveWhatTheRunOneAfterAnotherGives) {
  const struct {
    const char* what;
    MoveFaults faults;
  } cases[] = {
      {"no-replace rename", {}},
      {"hard links, the rename refused", {.renameUnsupported = true}},
      {"reserved names, links refused too", {.renameUnsupported = true, .linkUnsupported = true}},
  };
  runtest::UseBerlinTime();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Left alone = RunOn(MovesInFlightUse::Never, c.faults);
    ASSERT_EQ(RunOn(MovesInFlightUse::Always, c.faults), alone);
    // The tree was what it claims to be.
    EXPECT_TRUE(std::count(alone.target.begin(), alone.target.end(),
                           "2023/07/2023-07-01_090000_[0001].jpg"));
    Lines outside; // the library lies in the source
    for (const std::string& name : alone.source)
      if (!name.starts_with("bibliothek/")) outside.push_back(name);
    EXPECT_EQ(outside, (Lines{"doppelt/2023-06-02.jpg", "mehr/ohne.jpg"}));
    EXPECT_EQ(alone.target.size(), 1 + 1 + 24 + 2 + 1 + 12 + 40u);
    EXPECT_EQ(alone.steps > 0, c.faults.renameUnsupported);
  }
}

// A stop lets the moves in flight finish and starts no new one: every file
// is whole in the source or the target, the report and the record name the
// same moves, and no more are moved than were in flight at the stop.
TEST(MovesInFlightTest, AStopFinishesTheMovesInFlightAndStartsNoNewOne) {
  runtest::UseBerlinTime();
  constexpr size_t kFiles = 200, kStopAt = 90;
  runtest::FakeFrontEnd frontEnd;
  DistributionRun run(frontEnd);
  run.UseMovesInFlight(MovesInFlightUse::Always);
  testkit::TempDir dir;
  const std::string source = dir.File("quelle/"), target = dir.File("ziel/"),
                    records = dir.File("lauf");
  fs::create_directories(target);
  fs::create_directories(records);
  run.RecordInto(records);
  std::map<std::string, std::string> bytes; // by source name
  for (size_t i = 0; i < kFiles; ++i) {
    const std::string name = "bild" + std::to_string(1000 + i) + ".png";
    bytes[name] = "bytes " + std::to_string(i);
    WriteFileAt(source + name, bytes[name], LocalSeconds(2021, 1 + int(i % 12), 3, 4, 5, 6));
  }
  frontEnd.options.source = source;
  frontEnd.options.target = target;
  frontEnd.options.renameByDate = false;
  size_t events = 0;
  frontEnd.onEvents = [&] {
    if (frontEnd.Started() && ++events == kStopAt) run.RequestStop();
  };

  EXPECT_EQ(run.DistributeFiles(), RunOutcome::Stopped);

  std::map<std::string, std::string> reported; // source name -> target path
  for (const FileOutcome& outcome : frontEnd.outcomes) {
    EXPECT_EQ(outcome.result, FileResult::Moved);
    reported[outcome.source.substr(source.size())] = outcome.target;
  }
  EXPECT_GE(reported.size(), kStopAt - 1);
  EXPECT_LE(reported.size(), kStopAt + MovesInFlight::kMovesInFlight);
  std::map<std::string, std::string> recorded;
  const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records));
  ASSERT_TRUE(record);
  for (const RecordedMove& move : record->moves)
    if (move.after) recorded[move.source.substr(source.size())] = move.target;
  EXPECT_EQ(recorded, reported);
  for (const auto& [name, content] : bytes) {
    const bool moved = reported.count(name) > 0;
    EXPECT_EQ(Exists(source + name), !moved) << name;
    if (moved) {
      EXPECT_EQ(testkit::ReadWholeFile(reported[name]), content);
    }
  }
  EXPECT_EQ(FilesBelow(target).size(), reported.size());
}

} // namespace
