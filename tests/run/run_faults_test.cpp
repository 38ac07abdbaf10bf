// A run that meets faults: every file it cannot date or move stays where it
// is, is reported with its reason, and the files after it are still sorted.

#include "platform/folder_lock.h"
#include "platform/lock_faults.h"
#include "platform/move_faults.h"
#include "platform/walk_faults.h"
#include "run/distribution_run.h"
#include "run/run_options.h"
#include "run/run_texts.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using runtest::FilesBelow;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using Files = std::vector<std::string>;

class RunFaultsTest : public runtest::RunTest {
protected:
  void Jpeg(const std::string& name) {
    WriteFileAt(source_ + name, testkit::JpegWithExifDate("2023:05:01 12:07:32"),
                LocalSeconds(2020, 1, 1, 0, 0, 0));
  }

  // The reasons of the files that stayed, as "relative path: reason".
  Files Stayed() const {
    Files stayed;
    for (const FileOutcome& outcome : frontEnd_.finishedStayed) {
      stayed.push_back(outcome.source.substr(dir_.path().size()) + ": " + StayReasonText(outcome));
    }
    return stayed;
  }
};

struct RefusalCase {
  const char* what;
  MoveFaults faults;
  FolderStructure structure;
  std::string reason;
};

const RefusalCase kRefusals[] = {
    {"full target", {.targetRefuses = ENOSPC}, FolderStructure::None, "kein Platz im Ziel"},
    {"read-only target, folder",
     {.targetRefuses = EROFS},
     FolderStructure::YearMonth,
     "Ziel nicht beschreibbar"},
    {"immutable target",
     {.targetRefuses = EPERM},
     FolderStructure::None,
     "Ziel nicht beschreibbar"},
    {"name too long",
     {.targetRefuses = ENAMETOOLONG},
     FolderStructure::None,
     "Name im Ziel nicht möglich"},
    {"name taken again and again",
     {.targetRefuses = EEXIST},
     FolderStructure::None,
     "Name im Ziel belegt"},
    {"copy fails",
     {.renameCrossDevice = true, .copyFailsAfterBytes = 0},
     FolderStructure::None,
     "Fehler beim Verschieben: Ein-/Ausgabefehler"},
    {"copy stored wrongly by the target",
     {.renameCrossDevice = true, .readBackDiffers = true},
     FolderStructure::YearMonth,
     "Kopie fehlerhaft (Lesefehler im Ziel)"},
    {"copy written wrongly",
     {.renameCrossDevice = true, .copyCorrupts = true},
     FolderStructure::None,
     "Kopie fehlerhaft (Lesefehler im Ziel)"},
    {"immutable source",
     {.sourceImmutable = true},
     FolderStructure::YearMonth,
     "Quelle nicht löschbar"},
    {"immutable source, across file systems",
     {.renameCrossDevice = true, .sourceImmutable = true},
     FolderStructure::YearMonth,
     "Quelle nicht löschbar"},
    {"source folder refuses after the copy",
     {.renameCrossDevice = true, .sourceRemovalFails = true},
     FolderStructure::YearMonth,
     "Quelle nicht löschbar"},
};

TEST_F(RunFaultsTest, ARefusedMoveIsReportedWithItsReason) {
  for (const RefusalCase& c : kRefusals) {
    SCOPED_TRACE(c.what);
    Jpeg("a.jpg");
    Jpeg("b.jpg");
    frontEnd_.options.structure = c.structure;
    ScopedMoveFaults faults(c.faults);
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(Stayed(), (Files{"/quelle/a.jpg: " + c.reason, "/quelle/b.jpg: " + c.reason}));
    EXPECT_EQ(FilesBelow(source_), (Files{"a.jpg", "b.jpg"}));
    EXPECT_TRUE(fs::is_empty(target_)) << "no folder made for a file that stayed is left";
  }
}

// The system's errors are named in German like every other reason; one the
// table does not know keeps the system's text.
TEST(FailedMoveOutcomeTest, NamesTheSystemsErrorInGerman) {
  const std::pair<std::error_code, std::string> cases[] = {
      {{ECANCELED, std::system_category()}, "Vorgang abgebrochen"},
      {std::make_error_code(std::errc::no_such_file_or_directory),
       "Datei oder Ordner nicht vorhanden"},
      {{ENOTRECOVERABLE, std::system_category()}, "State not recoverable"},
  };
  for (const auto& [error, text] : cases)
    EXPECT_EQ(StayReasonText(FailedMoveOutcome("/a.jpg", MoveOutcome::Failed, error)),
              "Fehler beim Verschieben: " + text);
}

// A file gone between the collection and its move was taken by another
// program: it is named so, never as a date error, and any copy of it goes.
// Gone once its copy was complete, it has moved. A link whose file went
// still has no date.
TEST_F(RunFaultsTest, AFileGoneFromTheSourceIsToldFromOneWithoutADate) {
  frontEnd_.options.structure = FolderStructure::Year;
  frontEnd_.options.renameByDate = false;
  const std::string linked = dir_.File("anderswo.png");
  for (const std::string& path :
       {source_ + "a.png", source_ + "c.png", source_ + "d.png", source_ + "e.png", linked})
    WriteFileAt(path, "bild", LocalSeconds(2021, 6, 1, 12, 0, 0));
  fs::create_symlink(linked, source_ + "b.png");
  frontEnd_.onStart = [&] { fs::remove(linked); };
  frontEnd_.onEvents = [&] {
    if (frontEnd_.Started()) fs::remove(source_ + "a.png"); // decided, not yet moved
  };
  int copies = 0; // c.png is copied first, d.png second
  ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep step) {
                             if (step == CopyStep::HalfWritten && ++copies == 1)
                               fs::remove(source_ + "c.png");
                             if (step == CopyStep::Placed && copies == 2)
                               fs::remove(source_ + "d.png");
                           }});
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(Stayed(), (Files{"/quelle/a.png: nicht mehr vorhanden",
                             "/quelle/b.png: Datum nicht lesbar: Ungültiges Argument zum "
                             "Codieren des Datums",
                             "/quelle/c.png: nicht mehr vorhanden"}));
  EXPECT_EQ(FilesBelow(target_), (Files{"2021/d.png", "2021/e.png"}));
}

// On a share whose hard links show another inode (FUSE without use_ino;
// the FUSE share itself: ShareMove), a photo saved anew while it moves is
// still reported, told by its times; the other photos move once.
TEST_F(RunFaultsTest, ASourceSavedAnewWhileMovedOnAShareIsReported) {
  frontEnd_.options.structure = FolderStructure::Year;
  frontEnd_.options.renameByDate = false;
  for (const char* name : {"a.png", "b.png", "c.png"})
    WriteFileAt(source_ + name, "bild", LocalSeconds(2021, 6, 1, 12, 0, 0));
  int links = 0;
  ScopedMoveFaults faults(
      {.renameUnsupported = true, .linkShowsOtherInode = true, .afterStep = [&](CopyStep step) {
         if (step != CopyStep::Linked || ++links != 1) return;
         testkit::WriteFile(source_ + "a.neu", "neu gesichert");
         fs::rename(source_ + "a.neu", source_ + "a.png");
       }});
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(Stayed(), Files{"/quelle/a.png: während des Verschiebens geändert"});
  EXPECT_EQ(testkit::ReadWholeFile(source_ + "a.png"), "neu gesichert");
  EXPECT_EQ(FilesBelow(target_), (Files{"2021/a.png", "2021/b.png", "2021/c.png"}));
}

// Copies across file systems wait for their batch's one flush before they
// get their final names; what happens to a file meanwhile is told for that
// file alone, each file is reported once, and none is lost.
TEST_F(RunFaultsTest, CopiesWaitingForTheirFlushAreEachToldOnce) {
  struct Case {
    const char* what;
    // done at the flush of the first batch (file a.jpg alone)
    std::function<void(const std::string& source, const std::string& first)> meanwhile;
    Files stayed;
    size_t inTarget;
  };
  const Case cases[] = {
      {"nothing", [](const std::string&, const std::string&) {}, {}, 3},
      {"its name taken",
       [](const std::string&, const std::string& first) { testkit::WriteFile(first, "fremd"); },
       {},
       4},
      {"its source written to",
       [](const std::string& source, const std::string&) {
         std::ofstream(source + "a.jpg", std::ios::app) << "mehr";
       },
       {"/quelle/a.jpg: während des Verschiebens geändert"},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& folder : {source_, target_})
      fs::remove_all(folder);
    fs::create_directories(target_);
    frontEnd_.outcomes.clear();
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
      Jpeg(name);
    bool done = false;
    ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [&](CopyStep step) {
                               if (step != CopyStep::Flushed || done) return;
                               done = true;
                               c.meanwhile(source_, target_ + "2023/05/2023-05-01_120732.jpg");
                             }});
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(Stayed(), c.stayed);
    EXPECT_EQ(FilesBelow(target_).size(), c.inTarget);
    EXPECT_EQ(frontEnd_.outcomes.size(), 3u);
    std::set<std::string> reported;
    for (const FileOutcome& outcome : frontEnd_.outcomes)
      EXPECT_TRUE(reported.insert(outcome.source).second) << outcome.source;
  }
}

TEST_F(RunFaultsTest, WhatTookAFilesPlaceOrCannotBeReadIsReported) {
  Jpeg("a.jpg");
  Jpeg("b.jpg");
  Jpeg("geheim/c.jpg");
  Jpeg("z.jpg");
  ScopedWalkFaults faults(
      {.unreadable = [](const std::string& folder) { return folder.ends_with("/geheim/"); }});
  frontEnd_.onStart = [&] {
    // A FIFO saved in place of b.jpg after the collection must not block.
    fs::remove(source_ + "b.jpg");
    mkfifo((source_ + "b.jpg").c_str(), 0600);
  };
  EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(Stayed(),
            (Files{"/quelle/geheim/: Ordner nicht lesbar", "/quelle/b.jpg: keine reguläre Datei"}));
  EXPECT_EQ(FilesBelow(target_),
            (Files{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0001].jpg"}));
}

// The original name appended to the date may make a name longer than a file
// system takes: the appended part is cut at a character boundary, the date,
// counter and extension stay whole.
TEST_F(RunFaultsTest, LongAppendedNamesAreCutToFit) {
  frontEnd_.options.keepOriginalName = true;
  const std::string ascii(240, 'x');
  std::string umlauts;
  for (int i = 0; i < 120; ++i)
    umlauts += "ä";
  for (const std::string& base : {ascii, umlauts, umlauts + "x"}) {
    SCOPED_TRACE(base.size());
    fs::remove_all(target_);
    Jpeg("1/" + base + ".jpeg");
    Jpeg("2/" + base + ".jpeg");
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_TRUE(frontEnd_.finishedStayed.empty());
    const Files moved = FilesBelow(target_);
    ASSERT_EQ(moved.size(), 2u);
    for (const std::string& path : moved) {
      const std::string name = path.substr(path.rfind('/') + 1);
      EXPECT_LE(name.size(), 255u);
      EXPECT_TRUE(name.starts_with("2023-05-01_120732_xx") ||
                  name.starts_with("2023-05-01_120732_ä"));
      EXPECT_TRUE(name.ends_with(".jpeg"));
      EXPECT_EQ(name.find("\xc3."), std::string::npos) << "a character was split";
    }
    EXPECT_EQ(std::count_if(moved.begin(), moved.end(),
                            [](const std::string& path) { return path.ends_with("_[0001].jpeg"); }),
              1);
  }
}

// A copy in hand carries its source's old modification time: only its last
// change tells its age.
TEST_F(RunFaultsTest, OldTemporaryCopiesInATargetFolderAreRemoved) {
  const std::string copy = target_ + "2023/05/.fotomaz-7-00000001.part";
  WriteFileAt(copy, "halb", time(nullptr) - 3600);
  for (const bool later : {false, true}) {
    Jpeg("a.jpg");
    ScopedMoveFaults clock({.clockAhead = later ? (kStaleCopyMinutes + 1) * 60 : 0});
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(fs::exists(copy), !later);
  }
}

// While a run holds a source folder (under any path), or a folder above or
// below it, a second one on it stops before it collects and changes
// nothing; one beside it works; a dry run is never refused,
// and where the file system takes no locks the work goes on. (The undo's
// lock: RunWindowTest.)
TEST_F(RunFaultsTest, ASourceFolderInUseIsLeftToTheRunThatHoldsIt) {
  const std::string alias = dir_.File("verweis");
  fs::create_directories(source_ + "unten");
  fs::create_directories(dir_.File("daneben"));
  fs::create_directory_symlink(source_, alias);
  struct Case {
    const char* what;
    std::string held;
    RunMode mode;
    std::optional<int> lockRefused;
    RunOutcome outcome;
  };
  const Case cases[] = {
      {"held under another path", alias, RunMode::Real, {}, RunOutcome::SourceBusy},
      {"a folder above held", dir_.path(), RunMode::Real, {}, RunOutcome::SourceBusy},
      {"a folder below held", source_ + "unten", RunMode::Real, {}, RunOutcome::SourceBusy},
      {"a folder beside held", dir_.File("daneben"), RunMode::Real, {}, RunOutcome::Completed},
      {"dry run", source_, RunMode::DryRun, {}, RunOutcome::Completed},
      {"no locks here", source_, RunMode::Real, ENOLCK, RunOutcome::Completed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileAt(source_ + "a.png", "a", LocalSeconds(2021, 1, 1, 0, 0, 0));
    FolderLock other;
    ASSERT_EQ(other.Take(c.held), FolderLocking::Held);
    ScopedLockFaults faults({.lockRefused = c.lockRefused});
    frontEnd_.log.clear();
    DistributionRun run(frontEnd_, c.mode);
    EXPECT_EQ(run.DistributeFiles(), c.outcome);
    const bool refused = c.outcome == RunOutcome::SourceBusy;
    EXPECT_EQ(frontEnd_.log.back() == "SourceBusy", refused);
    EXPECT_EQ(frontEnd_.Started(), !refused); // refused before it collected
    EXPECT_EQ(fs::exists(source_ + "a.png"), refused || c.mode == RunMode::DryRun);
  }
}

TEST(CheckFoldersTest, AFolderTextHoldingANulNamesNoFolder) {
  testkit::TempDir dir;
  RunOptions options;
  options.source = dir.path() + std::string(1, '\0') + "rest";
  options.target = dir.path();
  EXPECT_EQ(CheckFolders(options), FolderCheck::SourceMissing);
  std::swap(options.source, options.target);
  EXPECT_EQ(CheckFolders(options), FolderCheck::TargetMissing);
}

} // namespace
