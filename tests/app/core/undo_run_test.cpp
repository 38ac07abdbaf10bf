// Taking a run back: the exact tree returns, and what changed since stays.

#include "app/core/distribution_run.h"
#include "app/core/escaped_text.h"
#include "app/core/run_record.h"
#include "app/core/run_texts.h"
#include "app/core/undo_run.h"
#include "tests/app/core/run_fixture.h"
#include "tests/kit/testkit.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using runtest::FilesBelow;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using testkit::ExactTree;
using Files = std::vector<std::string>;

class UndoRunTest : public runtest::RunTest {
protected:
  void SetUp() override {
    RunTest::SetUp();
    frontEnd_.options.kinds.all = true;
    run_.RecordInto(records_);
  }

  // A tree with what makes undoing hard: names that get counters, an
  // existing file in the target, modes, odd names, nested folders.
  void BuildTree() {
    const std::string jpeg = testkit::JpegWithExifDate("2023:05:01 12:07:32");
    WriteFileAt(source_ + "IMG_1.JPG", jpeg + "1", LocalSeconds(2020, 1, 1, 0, 0, 0));
    WriteFileAt(source_ + "a/IMG_1.JPG", jpeg + "2", LocalSeconds(2020, 1, 1, 0, 0, 2));
    WriteFileAt(source_ + "a/b/Ärger Tab\t.png", "png", LocalSeconds(2021, 7, 4, 10, 0, 1));
    WriteFileAt(source_ + "a/b/2021-07-04_100000.png", "ohne", LocalSeconds(2021, 7, 4, 10, 0, 0));
    WriteFileAt(source_ + "notiz", "text", LocalSeconds(2022, 2, 2, 2, 2, 2));
    chmod((source_ + "notiz").c_str(), 0604);
    chmod((source_ + "a").c_str(), 0750);
    WriteFileAt(target_ + "2023/05/2023-05-01_120732.jpg", "resident",
                LocalSeconds(2019, 1, 1, 0, 0, 0));
  }

  RunOutcome Undo(const std::string& path = {}) {
    UndoRun undo(frontEnd_, records_);
    const RunOutcome outcome = undo.TakeBack(path);
    stayed_ = undo.StayedFiles();
    return outcome;
  }

  Files StayedReasons() const {
    Files reasons;
    for (const FileOutcome& outcome : stayed_)
      reasons.push_back(outcome.source.substr(target_.size()) + ": " + StayReasonText(outcome));
    return reasons;
  }

  testkit::TempDir memory_{testkit::TempPlace::Memory};
  const std::string records_ = dir_.path() + "/aufzeichnungen/";
  std::vector<FileOutcome> stayed_;
};

struct TreeCase {
  const char* what;
  FolderStructure structure;
  bool rename, keep;
  bool otherFileSystem;
};

const TreeCase kTrees[] = {
    {"year", FolderStructure::Year, true, false, false},
    {"year/month, names appended", FolderStructure::YearMonth, true, true, false},
    {"year/month/day, names kept", FolderStructure::YearMonthDay, false, false, false},
    {"no folders", FolderStructure::None, true, false, false},
    {"across file systems", FolderStructure::YearMonth, true, false, true},
};

TEST_F(UndoRunTest, ARunTakenBackLeavesTheExactTree) {
  for (const TreeCase& c : kTrees) {
    SCOPED_TRACE(c.what);
    fs::remove_all(source_);
    fs::remove_all(target_);
    target_ = (c.otherFileSystem ? memory_.path() : dir_.path()) + "/ziel/";
    frontEnd_.options.target = target_;
    BuildTree();
    const Files source = ExactTree(source_), target = ExactTree(target_);
    frontEnd_.options.structure = c.structure;
    frontEnd_.options.renameByDate = c.rename;
    frontEnd_.options.keepOriginalName = c.keep;
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    ASSERT_TRUE(FilesBelow(source_).empty());

    EXPECT_EQ(Undo(), RunOutcome::Completed);
    EXPECT_TRUE(stayed_.empty()) << StayedReasons()[0];
    EXPECT_EQ(ExactTree(source_), source);
    EXPECT_EQ(ExactTree(target_), target);
    // Taken back once, never twice.
    EXPECT_EQ(Undo(), RunOutcome::NothingFound);
  }
}

TEST_F(UndoRunTest, WhatChangedSinceTheRunStaysAndIsReported) {
  BuildTree();
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  // Where the run put each file, by its old name.
  std::map<std::string, std::string> moved;
  const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records_));
  ASSERT_TRUE(record);
  for (const RecordedMove& move : record->moves)
    moved[move.source.substr(source_.size())] = move.target;
  fs::remove(moved["a/IMG_1.JPG"]);                                         // removed
  testkit::WriteFile(moved["IMG_1.JPG"], "bearbeitet");                     // changed
  fs::rename(moved["a/b/Ärger Tab\t.png"], target_ + "woanders.png");       // moved away
  WriteFileAt(source_ + "notiz", "neu", LocalSeconds(2024, 1, 1, 0, 0, 0)); // old place taken

  EXPECT_EQ(Undo(), RunOutcome::Completed);
  const auto reason = [&](const std::string& name, const std::string& why) {
    return moved[name].substr(target_.size()) + ": " + why;
  };
  EXPECT_EQ(StayedReasons(), (Files{reason("a/b/Ärger Tab\t.png", "nicht mehr am Ziel"),
                                    reason("a/IMG_1.JPG", "nicht mehr am Ziel"),
                                    reason("notiz", "alter Platz belegt"),
                                    reason("IMG_1.JPG", "seit der Verteilung geändert")}));
  EXPECT_EQ(testkit::ReadWholeFile(source_ + "notiz"), "neu");
  EXPECT_EQ(testkit::ReadWholeFile(moved["notiz"]), "text");
  EXPECT_EQ(FilesBelow(source_), (Files{"a/b/2021-07-04_100000.png", "notiz"}));
  // Not everything went back: the record stays open for another try.
  EXPECT_FALSE(NewestUndoableRecord(records_).empty());
}

// A run killed between a move and its done line, or between the intent and
// the move: the undo looks where the file is.
TEST_F(UndoRunTest, AnIntentWithoutItsDoneLineIsResolvedByLooking) {
  BuildTree();
  const Files source = ExactTree(source_);
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const std::string record = NewestUndoableRecord(records_);
  const std::vector<RecordedMove> moves = ReadRunRecord(record)->moves;
  // The last file's done line never written; the one before it never moved.
  std::string kept;
  for (const std::string& line : testkit::Lines(testkit::ReadWholeFile(record))) {
    const bool doneOfTheLastTwo =
        line.starts_with("erledigt\t" + EscapeText(moves[moves.size() - 1].source) + "\t") ||
        line.starts_with("erledigt\t" + EscapeText(moves[moves.size() - 2].source) + "\t");
    if (!doneOfTheLastTwo) kept += line + "\n";
  }
  testkit::WriteFile(record, kept);
  fs::rename(moves[moves.size() - 2].target, moves[moves.size() - 2].source);

  EXPECT_EQ(Undo(), RunOutcome::Completed);
  EXPECT_TRUE(stayed_.empty());
  EXPECT_EQ(ExactTree(source_), source);
}

TEST_F(UndoRunTest, NothingToTakeBackAndARecordThatCannotBeMade) {
  EXPECT_EQ(Undo(), RunOutcome::NothingFound);
  EXPECT_EQ(frontEnd_.log.back(), "NothingToUndo");
  EXPECT_EQ(Undo(dir_.File("keine.lauf")), RunOutcome::NothingFound);

  BuildTree();
  testkit::WriteFile(dir_.File("datei"), "x");
  run_.RecordInto(dir_.File("datei")); // a file where the folder should be
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::NotRecorded);
  EXPECT_TRUE(frontEnd_.log.back().starts_with("RecordUnavailable Die Aufzeichnung " +
                                               dir_.File("datei") + "/"));
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
}

// A record that cannot be written any more stops the run: no file moves
// without its intent on record. (In a child: the file size limit holds for
// the rest of a process.)
TEST_F(UndoRunTest, ARecordThatCannotBeWrittenStopsTheRun) {
  for (int i = 0; i < 20; ++i)
    WriteFileAt(source_ + "b" + std::to_string(i) + ".png", "x", LocalSeconds(2021, 1, 1, 0, 0, 0));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1500, 1500};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      run_.DistributeFiles();
    } catch (const RunRecordError&) {
      _exit(0);
    }
    _exit(1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records_));
  ASSERT_TRUE(record);
  const Files moved = FilesBelow(target_);
  EXPECT_GT(moved.size(), 0u);
  EXPECT_LT(moved.size(), 20u);
  EXPECT_GE(record->moves.size(), moved.size()); // every moved file has its intent
}

} // namespace
