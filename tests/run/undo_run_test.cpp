// Taking a run back: the exact tree returns, and what changed since stays.

#include "run/distribution_run.h"
#include "run/escaped_text.h"
#include "run/pad_text.h"
#include "run/run_record.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "platform/file_info.h"
#include "platform/move_faults.h"
#include "tests/run/run_fixture.h"
#include "tests/kit/testkit.h"

#include <csignal>
#include <filesystem>
#include <functional>
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

// bytes at path, with the modification time of other.
void WriteWithTimeOf(const std::string& path, const std::string& bytes, const std::string& other) {
  testkit::WriteFile(path, bytes);
  fs::last_write_time(path, fs::last_write_time(other));
}

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

  // Runs one file, name, into the target; where it went.
  std::string RunOne(const std::string& name, const std::string& bytes) {
    WriteFileAt(source_ + name, bytes, LocalSeconds(2021, 7, 4, 10, 0, 2));
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    return ReadRunRecord(NewestUndoableRecord(records_))->moves.back().target;
  }

  // The newest record as if its run was killed before any done line.
  void DropDoneLines() {
    const std::string record = NewestUndoableRecord(records_);
    std::string kept;
    for (const std::string& line : testkit::Lines(testkit::ReadWholeFile(record)))
      if (!line.starts_with("erledigt\t")) kept += line + "\n";
    testkit::WriteFile(record, kept);
  }

  void Reset() {
    for (const std::string& folder : {source_, target_, records_})
      fs::remove_all(folder);
    fs::create_directories(target_);
  }

  // "PATH: REASON" of each file that stayed.
  Files StayedLines() const {
    Files lines;
    for (const FileOutcome& outcome : stayed_)
      lines.push_back(outcome.source + ": " + StayReasonText(outcome));
    return lines;
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

// A run killed between a move and its done line; meanwhile something took
// the old place. Only a separate regular file of the same bytes lets the
// undo remove the file at the target; otherwise both stay, reported.
TEST_F(UndoRunTest, AFileAtBothPlacesGoesOnlyWhenItIsASeparateCopy) {
  struct Case {
    const char* what;
    std::function<void(const std::string& old, const std::string& moved)> make;
    bool targetRemoved;
  };
  const Case cases[] = {
      {"a link to the target", [](auto& old, auto& moved) { fs::create_symlink(moved, old); },
       false},
      {"a hard link to the target",
       [](auto& old, auto& moved) { fs::create_hard_link(moved, old); }, false},
      {"another file of the same size and time",
       [](auto& old, auto& moved) { WriteWithTimeOf(old, "anders", moved); }, false},
      {"a separate copy", [](auto& old, auto& moved) { WriteWithTimeOf(old, "inhalt", moved); },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    const std::string moved = RunOne("a.png", "inhalt");
    DropDoneLines();
    c.make(source_ + "a.png", moved);
    EXPECT_EQ(Undo(), RunOutcome::Completed);
    EXPECT_EQ(fs::exists(moved), !c.targetRemoved);
    EXPECT_TRUE(fs::exists(fs::symlink_status(source_ + "a.png")));
    EXPECT_EQ(StayedLines(), c.targetRemoved ? Files{} : Files{moved + ": alter Platz belegt"});
  }
}

// The file at the target was replaced after the run. Version 2 records know
// the type and inode the file landed with; version 1 records only size and
// time, and their undo moves back what holds them.
TEST_F(UndoRunTest, AFileReplacedInTheTargetStays) {
  struct Case {
    const char* what;
    bool link;     // replaced by a link to a file of the same size and time
    bool version1; // the record rewritten as the earlier version wrote it
    bool movedBack;
  };
  const Case cases[] = {
      {"by a link", true, false, false},
      {"by another file of the same size and time", false, false, false},
      {"in a version 1 record", false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    const std::string moved = RunOne("a.png", "inhalt");
    const std::string other = dir_.File("anderes.png");
    WriteWithTimeOf(other, "anders", moved);
    fs::remove(moved);
    if (c.link) fs::create_symlink(other, moved);
    if (!c.link) fs::rename(other, moved);
    if (c.version1) {
      const std::string record = NewestUndoableRecord(records_);
      std::string text;
      for (std::string line : testkit::Lines(testkit::ReadWholeFile(record))) {
        // Without type, device and inode: five fields.
        size_t cut = 0;
        for (int field = 0; field < 5 && line.starts_with("erledigt\t"); ++field)
          cut = line.find('\t', cut) + 1;
        if (cut > 0) line.resize(cut - 1);
        text += (line.starts_with("TamrelFotomaz") ? "TamrelFotomaz-Aufzeichnung\t1" : line) + "\n";
      }
      testkit::WriteFile(record, text);
    }
    EXPECT_EQ(Undo(), RunOutcome::Completed);
    EXPECT_EQ(StayedLines(), c.movedBack ? Files{} : Files{moved + ": im Ziel ersetzt"});
    EXPECT_EQ(fs::exists(source_ + "a.png"), c.movedBack);
  }
}

// A record edited or damaged after its run: each line that no run could
// have written is refused and reported once; the rest is taken back, and
// the record counts as taken back.
TEST_F(UndoRunTest, ALineOutsideTheDistributionIsRefused) {
  const std::string elsewhere = dir_.File("anderswo") + "/";
  // Named as the target with more after it: beside the target, not in it.
  const std::string beside = target_.substr(0, target_.size() - 1) + "2/";
  const auto moveLines = [](const std::string& from, const std::string& to) {
    const FileStatus found = *StatusOf(to);
    const std::string file = std::to_string(found.size) + "\t" +
                             std::to_string(found.modifiedSeconds) + "." +
                             PadNumber(found.modifiedNanoseconds, 9);
    return "absicht\t" + from + "\t" + to + "\t" + file + "\nerledigt\t" + from + "\t" + to + "\t" +
           file + "\n";
  };
  struct Case {
    const char* what;
    std::string kept; // the unrelated entry the line names, which must stay
    std::string line; // added to the record
    std::string refused;
  };
  const Case cases[] = {
      {"a source outside the source folder", target_ + "fremd.png",
       moveLines(elsewhere + "fremd.png", target_ + "fremd.png"), target_ + "fremd.png"},
      {"a target through ..", elsewhere + "y.png",
       moveLines(source_ + "y.png", target_ + "../anderswo/y.png"), target_ + "../anderswo/y.png"},
      {"a target through a link out of the target", elsewhere + "z.png",
       moveLines(source_ + "z.png", target_ + "raus/z.png"), target_ + "raus/z.png"},
      {"a folder outside the target", elsewhere + "leer", "ordner\t" + elsewhere + "leer\n",
       elsewhere + "leer"},
      {"a target beside the target", beside + "w.png",
       moveLines(source_ + "w.png", beside + "w.png"), beside + "w.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    fs::remove_all(elsewhere);
    fs::remove_all(beside);
    fs::create_directories(elsewhere + "leer");
    fs::create_directories(beside);
    testkit::WriteFile(beside + "w.png", "w");
    testkit::WriteFile(elsewhere + "y.png", "y");
    testkit::WriteFile(elsewhere + "z.png", "z");
    testkit::WriteFile(target_ + "fremd.png", "fremd");
    fs::create_directory_symlink(elsewhere, target_ + "raus");
    BuildTree();
    const Files source = ExactTree(source_);
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    const std::string record = NewestUndoableRecord(records_);
    testkit::WriteFile(record, testkit::ReadWholeFile(record) + c.line);
    EXPECT_EQ(Undo(), RunOutcome::Completed);
    EXPECT_EQ(StayedLines(), Files{c.refused + ": Eintrag außerhalb der Verteilung"});
    EXPECT_TRUE(fs::exists(c.kept));
    EXPECT_EQ(ExactTree(source_), source);
    EXPECT_TRUE(NewestUndoableRecord(records_).empty());
  }
}

// A damaged record whose every move is refused took nothing back: it stays
// open (a record with one refused line beside its files is marked, above).
TEST_F(UndoRunTest, ARecordWhoseEveryLineIsRefusedStaysOpen) {
  BuildTree();
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const Files target = FilesBelow(target_);
  const std::string record = NewestUndoableRecord(records_);
  std::string damaged;
  for (const std::string& line : testkit::Lines(testkit::ReadWholeFile(record)))
    damaged += (line.starts_with("quelle\t") ? "quelle\t" + dir_.File("anderswo") : line) + "\n";
  testkit::WriteFile(record, damaged);
  EXPECT_EQ(Undo(), RunOutcome::Completed);
  EXPECT_EQ(stayed_.size(), 5u);
  EXPECT_EQ(FilesBelow(target_), target);
  EXPECT_EQ(NewestUndoableRecord(records_), record);
}

// The target folder changed in the window during the run: the record names
// both targets, and the undo takes back the files of each.
TEST_F(UndoRunTest, ATargetChangedDuringTheRunIsTakenBackToo) {
  BuildTree();
  const Files source = ExactTree(source_);
  const std::string second = dir_.File("ziel2") + "/";
  frontEnd_.onEvents = [&] {
    if (frontEnd_.outcomes.size() == 2) frontEnd_.options.target = second;
  };
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  frontEnd_.onEvents = nullptr;
  EXPECT_EQ(ReadRunRecord(NewestUndoableRecord(records_))->targets,
            (Files{dir_.File("ziel"), dir_.File("ziel2")}));
  EXPECT_EQ(Undo(), RunOutcome::Completed);
  EXPECT_EQ(StayedLines(), Files{});
  EXPECT_EQ(ExactTree(source_), source);
}

// On a file system without no-replace rename and hard links a move holds
// the final name with an empty file and renames over it. A kill in between
// leaves that empty file: the undo removes it, and so does the next run
// (once, marking the killed run's record), which then files the photo under
// its own name.
TEST_F(UndoRunTest, AnEmptyReservationLeftByAKillIsRemoved) {
  for (const bool byUndo : {true, false}) {
    SCOPED_TRACE(byUndo ? "by the undo" : "by the next run");
    Reset();
    WriteFileAt(source_ + "a.png", "inhalt", LocalSeconds(2021, 7, 4, 10, 0, 2));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ScopedMoveFaults faults(
          {.renameUnsupported = true, .linkUnsupported = true, .afterStep = [](CopyStep step) {
             if (step == CopyStep::Reserved) _exit(0);
           }});
      run_.DistributeFiles();
      _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string killed = NewestUndoableRecord(records_);
    const std::string reserved = ReadRunRecord(killed)->moves.back().target;
    ASSERT_EQ(testkit::ReadWholeFile(reserved), "");

    if (byUndo) {
      EXPECT_EQ(Undo(), RunOutcome::Completed);
      EXPECT_EQ(StayedLines(), Files{});
      EXPECT_FALSE(fs::exists(reserved));
    } else {
      EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
      EXPECT_EQ(testkit::ReadWholeFile(reserved), "inhalt");
      EXPECT_TRUE(ReadRunRecord(killed)->checked);
    }
    EXPECT_EQ(FilesBelow(source_), byUndo ? Files{"a.png"} : Files{});
  }
}

// A batch's intents reach the record before any of its files moves, and
// their done lines after the last (batches of 1, 2, 4 … files, as bounded):
// the record is written twice per batch.
TEST_F(UndoRunTest, ABatchsIntentsComeBeforeItsMovesAndTheirDoneLinesAfter) {
  struct Case {
    size_t bound;
    std::string lines; // a: intent, e: done line
  };
  const Case cases[] = {
      {1, "aeaeaeaeaeaeae"},
      {3, "aeaaeeaaaeeeae"},
      {kBatchFiles, "aeaaeeaaaaeeee"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bound);
    Reset();
    for (int i = 0; i < 7; ++i)
      WriteFileAt(source_ + "b" + std::to_string(i) + ".png", "x",
                  LocalSeconds(2021, 1, 1, 0, 0, i));
    run_.LimitBatch(c.bound);
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    std::string lines;
    for (const std::string& line :
         testkit::Lines(testkit::ReadWholeFile(NewestUndoableRecord(records_)))) {
      if (line.starts_with("absicht\t")) lines += 'a';
      if (line.starts_with("erledigt\t")) lines += 'e';
    }
    EXPECT_EQ(lines, c.lines);
  }
}

// Files that a kill leaves among the records (where the state folder has no
// no-replace rename, a record's new name is reserved by an empty one; where
// it is reached by copies, the record is copied to it) hide no run from the
// undo and keep none open.
TEST_F(UndoRunTest, EmptyRecordFilesLeftByAKillHideNoRun) {
  struct Case {
    const char* what;
    const char* name; // replaces the run's own "-00-verteilung.lauf"
    bool copy;        // holds the record's bytes, else nothing
  };
  const Case cases[] = {
      {"a newer run killed before its first line", "-01-verteilung.lauf", false},
      {"an undo killed after reserving the marked name", "-00-verteilung-zurueckgenommen.lauf",
       false},
      {"an undo killed after copying the record to its marked name",
       "-00-verteilung-zurueckgenommen.lauf", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    BuildTree();
    const Files source = ExactTree(source_);
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    const std::string record = NewestUndoableRecord(records_);
    ASSERT_TRUE(record.ends_with("-00-verteilung.lauf"));
    testkit::WriteFile(record.substr(0, record.size() - 19) + c.name,
                       c.copy ? testkit::ReadWholeFile(record) : "");
    EXPECT_EQ(Undo(), RunOutcome::Completed);
    EXPECT_EQ(StayedLines(), Files{});
    EXPECT_EQ(ExactTree(source_), source);
    EXPECT_EQ(Undo(), RunOutcome::NothingFound);
  }
}

// An undo killed during a copy back left its temporary file in the old
// folder: a later undo removes it there once it is old, and nothing else.
TEST_F(UndoRunTest, OldTemporaryCopiesInTheOldFoldersAreRemoved) {
  BuildTree();
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const std::string leftover = source_ + ".fotomaz-99999-0000abcd.part";
  const std::string notes = source_ + ".fotomaz-notizen.part";
  testkit::WriteFile(leftover, "halb");
  testkit::WriteFile(notes, "eigene");
  ScopedMoveFaults later({.clockAhead = (kStaleCopyMinutes + 1) * 60});
  EXPECT_EQ(Undo(), RunOutcome::Completed);
  EXPECT_FALSE(fs::exists(leftover));
  EXPECT_TRUE(fs::exists(notes));
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
