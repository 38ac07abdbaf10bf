#include "run/distribution_run.h"
#include "run/run_texts.h"
#include "tests/run/run_fixture.h"
#include "tests/kit/testkit.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using runtest::Exists;
using runtest::FilesBelow;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using Files = std::vector<std::string>;

const std::string kMay1 = "2023:05:01 12:07:32";

class DistributionRunTest : public runtest::RunTest {
protected:
  // A JPEG with an EXIF date below the source folder; its file time is
  // another day, so a name shows which date was used.
  void Jpeg(const std::string& name, const std::string& exifDate = kMay1) {
    WriteFileAt(source_ + name, testkit::JpegWithExifDate(exifDate), fileTime_);
  }
  void Plain(const std::string& name, time_t modified) {
    WriteFileAt(source_ + name, "plain " + name, modified);
  }

  // Runs with the given answer to the start question.
  RunOutcome Run(bool start = true) {
    frontEnd_.confirmStart = start;
    return run_.DistributeFiles();
  }

  // The log's entries that name questions and notices.
  Files Notices() const {
    Files notices;
    for (const std::string& entry : frontEnd_.log) {
      if (entry.rfind("Start? ", 0) == 0 || entry == "NothingFound" ||
          entry.rfind("Finished ", 0) == 0) {
        notices.push_back(entry);
      }
    }
    return notices;
  }

  const time_t fileTime_ = LocalSeconds(2020, 2, 3, 4, 5, 7);
};

TEST_F(DistributionRunTest, FolderStructureAndTheFolderOfferedAtTheEnd) {
  struct Case {
    FolderStructure structure;
    std::string file;   // below the target folder
    std::string folder; // offered to open
  };
  const Case cases[] = {
      {FolderStructure::Year, "2023/2023-05-01_120732.jpg", "2023"},
      {FolderStructure::YearMonth, "2023/05/2023-05-01_120732.jpg", "2023/05"},
      {FolderStructure::YearMonthDay, "2023/05/01/2023-05-01_120732.jpg", "2023/05/01"},
      {FolderStructure::None, "2023-05-01_120732.jpg", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    fs::remove_all(target_);
    fs::create_directories(target_);
    frontEnd_.log.clear();
    Jpeg("IMG_1234.JPG");
    frontEnd_.options.structure = c.structure;
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), Files{c.file});
    EXPECT_EQ(Notices().back(), "Finished " + target_ + c.folder);
  }
}

// A date text that is no date never becomes a folder or a name.
TEST_F(DistributionRunTest, DatesThatAreNoDatesGiveNoFolders) {
  struct Case {
    const char* what;
    std::string dateTime, original;
    std::string file; // below the target folder
  };
  const Case cases[] = {
      {"zero date met last", kMay1, "0000:00:00 00:00:00", "2023/05/01/2023-05-01_120732.jpg"},
      {"blank date", "", "    :  :     :  :  ", "2020/02/03/2020-02-03_040506.jpg"},
      {"an old but real date", "", "1965:07:14 10:00:00", "1965/07/14/1965-07-14_100000.jpg"},
  };
  frontEnd_.options.structure = FolderStructure::YearMonthDay;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(target_);
    fs::create_directories(target_);
    WriteFileAt(source_ + "IMG_1.JPG", testkit::JpegWithExifDates(c.dateTime, c.original),
                fileTime_);
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), Files{c.file});
  }
}

TEST_F(DistributionRunTest, TargetNameByTheRenamingOptions) {
  struct Case {
    const char* what;
    std::string source; // below the source folder
    bool readOnly, rename, keep;
    std::string name; // in 2023/05 below the target folder
  };
  const time_t may1 = LocalSeconds(2023, 5, 1, 12, 7, 33);
  const Case cases[] = {
      {"read-only keeps its name", "IMG_1234.JPG", true, true, true, "img_1234.jpg"},
      {"renaming off keeps the name", "IMG_1234.JPG", false, false, true, "img_1234.jpg"},
      {"date stamp", "IMG_1234.JPG", false, true, false, "2023-05-01_120732.jpg"},
      {"date stamp and name", "IMG_1234.JPG", false, true, true, "2023-05-01_120732_img_1234.jpg"},
      {"stamp already in the path", "2023-05-01_120732/IMG_1234.JPG", false, true, true,
       "img_1234.jpg"},
      {"no extension, stamp alone", "NOTIZ", false, true, false, "2023-05-01_120732"},
      {"no extension, stamp and name", "NOTIZ", false, true, true, "2023-05-01_120732_notiz"},
      {"umlauts lowered", "ÄRGER.JPG", false, false, false, "ärger.jpg"},
      {"video by its file time", "Clip.MOV", false, true, false, "2023-05-01_120732.mov"},
  };
  frontEnd_.options.kinds.all = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(target_);
    fs::create_directories(target_);
    if (c.source.find(".JPG") != std::string::npos) {
      Jpeg(c.source);
    } else {
      Plain(c.source, may1);
    }
    if (c.readOnly) chmod((source_ + c.source).c_str(), 0444);
    frontEnd_.options.renameByDate = c.rename;
    frontEnd_.options.keepOriginalName = c.keep;
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), Files{"2023/05/" + c.name});
    EXPECT_FALSE(Exists(source_ + c.source));
  }
}

TEST_F(DistributionRunTest, MessagesStatusAndProgressInOrder) {
  Jpeg("a.jpg");
  Jpeg("b.jpg", "2023:06:02 08:00:00");
  Plain("c.png", LocalSeconds(2023, 7, 3, 9, 0, 0));
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(frontEnd_.progressMaximum, 2);
  EXPECT_EQ(frontEnd_.positions, (std::vector<int>{0, 1, 2, 0}));
  // The last count of the collection, the question, then per file events
  // before the status, and the last file's folder offered at the end.
  const Files tail(frontEnd_.log.end() - 11, frontEnd_.log.end());
  EXPECT_EQ(tail, (Files{"Dateien gefunden: 3  ", "Start? 3", "Events", "Bearbeite Bild: 1 / 3  ",
                         "Events", "Bearbeite Bild: 2 / 3  ", "Events", "Bearbeite Bild: 3 / 3  ",
                         "Fertig!", "Finished " + target_ + "2023/07", "EndWait"}));
  EXPECT_EQ(frontEnd_.log.front(), "BeginWait");
  EXPECT_EQ(std::count(frontEnd_.log.begin(), frontEnd_.log.end(), "EndWait"), 1);
  // Asked once at the start and once before each batch (one file, then two).
  EXPECT_EQ(frontEnd_.optionReads, 3);
  ASSERT_EQ(frontEnd_.outcomes.size(), 3u);
  EXPECT_EQ(frontEnd_.outcomes[2].source, source_ + "c.png");
  EXPECT_EQ(frontEnd_.outcomes[2].result, FileResult::Moved);
  EXPECT_EQ(frontEnd_.outcomes[2].target, target_ + "2023/07/2023-07-03_090000.png");
  EXPECT_EQ(FilesBelow(target_),
            (Files{"2023/05/2023-05-01_120732.jpg", "2023/06/2023-06-02_080000.jpg",
                   "2023/07/2023-07-03_090000.png"}));
}

TEST_F(DistributionRunTest, NothingFoundOrDeclinedMovesNothing) {
  Plain("notes.txt", fileTime_);
  EXPECT_EQ(Run(), RunOutcome::NothingFound);
  EXPECT_EQ(Notices(), Files{"NothingFound"});
  EXPECT_EQ(frontEnd_.log.back(), "NothingFound"); // after the wait cursor ended

  frontEnd_.log.clear();
  Jpeg("a.jpg");
  EXPECT_EQ(Run(false), RunOutcome::Declined);
  EXPECT_EQ(Notices(), Files{"Start? 1"});
  EXPECT_EQ(frontEnd_.log.back(), "EndWait");
  EXPECT_TRUE(Exists(source_ + "a.jpg"));
  EXPECT_TRUE(FilesBelow(target_).empty());
}

TEST_F(DistributionRunTest, DuplicatesGetTheNextCounterAndNothingIsReplaced) {
  WriteFileAt(target_ + "2023/05/2023-05-01_120732.jpg", "resident", fileTime_);
  WriteFileAt(target_ + "2023/05/2023-05-01_120732_[0003].JPG", "resident 3", fileTime_);
  for (int i = 0; i < 8; ++i)
    Jpeg("f" + std::to_string(i) + "/a.jpg");
  EXPECT_EQ(Run(), RunOutcome::Completed);
  Files expected{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0003].JPG"};
  for (int n = 4; n <= 11; ++n) {
    expected.push_back("2023/05/2023-05-01_120732_[" + std::string(n < 10 ? "000" : "00") +
                       std::to_string(n) + "].jpg");
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FilesBelow(target_), expected);
  EXPECT_EQ(testkit::ReadWholeFile(target_ + "2023/05/2023-05-01_120732.jpg"), "resident");
  EXPECT_TRUE(FilesBelow(source_).empty());
}

TEST_F(DistributionRunTest, ANameTakenBehindTheRunsBackGetsACounter) {
  Jpeg("a.jpg");
  Jpeg("b.jpg", "2023:05:02 08:00:00");
  const std::string taken = target_ + "2023/05/2023-05-02_080000.jpg";
  frontEnd_.onEvents = [&] {
    if (Exists(target_ + "2023/05") && !Exists(taken)) WriteFileAt(taken, "other program", 0);
  };
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(testkit::ReadWholeFile(taken), "other program");
  EXPECT_TRUE(Exists(target_ + "2023/05/2023-05-02_080000_[0001].jpg"));
}

TEST_F(DistributionRunTest, FilesAlreadyWhereTheyBelongStayAsTheyAre) {
  // Tidying a library in place: a file at its target, or at a numbered
  // variant of it, is left alone, so names stay stable run after run.
  frontEnd_.options.target = source_;
  Jpeg("2023/05/2023-05-01_120732.jpg");
  Jpeg("2023/05/2023-05-01_120732_[0001].JPG");
  Jpeg("2023/05/IMG_9.jpg");
  Jpeg("neu.jpg");
  const Files sorted{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0001].JPG",
                     "2023/05/2023-05-01_120732_[0002].jpg",
                     "2023/05/2023-05-01_120732_[0003].jpg"};
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    frontEnd_.outcomes.clear();
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(source_), sorted);
    const size_t inPlace =
        std::count_if(frontEnd_.outcomes.begin(), frontEnd_.outcomes.end(),
                      [](const FileOutcome& o) { return o.result == FileResult::InPlace; });
    EXPECT_EQ(inPlace, run == 0 ? 2u : 4u);
    EXPECT_TRUE(frontEnd_.finishedStayed.empty());
  }
}

// A link to a photo of the source tree would land in the library beside
// the photo itself (and a relative one lead nowhere): it stays, reported
// once. A link out of the tree is moved, as a link.
TEST_F(DistributionRunTest, ALinkToAFileOfTheSourceStays) {
  const struct {
    const char* what;
    std::string leadsTo;
    bool stays;
  } cases[] = {
      {"absolute, into the tree", source_ + "a/IMG_1.JPG", true},
      {"relative, into the tree", "a/IMG_1.JPG", true},
      {"out of the tree", dir_.File("anderswo.jpg"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(source_);
    fs::remove_all(target_);
    fs::create_directories(target_);
    Jpeg("a/IMG_1.JPG");
    WriteFileAt(dir_.File("anderswo.jpg"), testkit::JpegWithExifDate(kMay1), fileTime_);
    fs::create_symlink(c.leadsTo, source_ + "link.jpg");
    EXPECT_EQ(Run(), RunOutcome::Completed);
    Files stayed;
    for (const FileOutcome& outcome : frontEnd_.finishedStayed)
      stayed.push_back(StayedLine(outcome));
    EXPECT_EQ(stayed, c.stays ? Files{source_ + "link.jpg: Verknüpfung auf eine Datei der Quelle"}
                              : Files{});
    EXPECT_EQ(Exists(source_ + "link.jpg"), c.stays);
    EXPECT_FALSE(Exists(source_ + "a/IMG_1.JPG"));
  }
}

TEST_F(DistributionRunTest, AFileWithoutADateStaysAndTheRunGoesOn) {
  Jpeg("a.jpg");
  WriteFileAt(source_ + "b.jpg", testkit::JpegWithoutExif(), LocalSeconds(1975, 1, 1, 0, 0, 0));
  Jpeg("c.jpg");
  Jpeg("d.jpg");
  const std::string away = dir_.File("weg.jpg");
  Jpeg("../weg.jpg");
  fs::create_symlink(away, source_ + "link.jpg");
  frontEnd_.onStart = [&] { fs::remove(away); }; // the link's target moves away
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(FilesBelow(target_),
            (Files{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0001].jpg",
                   "2023/05/2023-05-01_120732_[0002].jpg"}));
  ASSERT_EQ(frontEnd_.finishedStayed.size(), 2u);
  for (const FileOutcome& stayed : frontEnd_.finishedStayed) {
    EXPECT_EQ(stayed.result, FileResult::Stayed);
    EXPECT_EQ(StayReasonText(stayed),
              "Datum nicht lesbar: Ungültiges Argument zum Codieren des Datums");
  }
  EXPECT_EQ(frontEnd_.finishedStayed[0].source, source_ + "b.jpg");
  EXPECT_EQ(frontEnd_.finishedStayed[1].source, source_ + "link.jpg");
  EXPECT_EQ(run_.StayedFiles().size(), 2u);
  EXPECT_EQ(frontEnd_.statuses.back(), "Fertig!");
}

TEST_F(DistributionRunTest, OneRunAtATimeAndStopAfterTheFileInHand) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
    Jpeg(name);
  int filesSeen = 0;
  RunOutcome nested = RunOutcome::Completed;
  frontEnd_.onEvents = [&] {
    if (!frontEnd_.Started()) return; // still collecting
    if (++filesSeen == 2) {
      nested = run_.DistributeFiles(); // a second click on the button
      run_.RequestStop();              // the window is being closed
    }
  };
  EXPECT_EQ(Run(), RunOutcome::Stopped);
  EXPECT_EQ(nested, RunOutcome::AlreadyRunning);
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
  EXPECT_EQ(FilesBelow(source_), (Files{"b.jpg", "c.jpg"}));
  EXPECT_EQ(Notices(), Files{"Start? 3"});
  EXPECT_EQ(frontEnd_.log.back(), "EndWait");
  EXPECT_FALSE(run_.Running());
}

TEST_F(DistributionRunTest, PerFileOptionsAreReadLive) {
  Jpeg("a.jpg");
  Jpeg("b.jpg");
  const std::string other = dir_.path() + "/anders";
  fs::create_directories(other);
  int files = 0;
  frontEnd_.onEvents = [&] {
    if (frontEnd_.Started() && ++files == 2) {
      frontEnd_.options.target = other; // changed in the options dialog between two files
      frontEnd_.options.structure = FolderStructure::Year;
      frontEnd_.options.source = "/nowhere"; // the running collection keeps its folder
    }
  };
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
  EXPECT_EQ(FilesBelow(other), Files{"2023/2023-05-01_120732.jpg"});
}

} // namespace
