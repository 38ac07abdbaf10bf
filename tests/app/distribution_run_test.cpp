#include "app/core/distribution_run.h"
#include "platform/date_conversion_error.h"
#include "tests/app/run_fixture.h"
#include "tests/kit/fake_modal.h"
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
using testkit::ModalKind;
using testkit::ModalRequest;
using Files = std::vector<std::string>;

const std::string kMay1 = "2023:05:01 12:07:32";

class DistributionRunTest : public ::testing::Test {
protected:
  void SetUp() override {
    runtest::UseBerlinTime();
    fs::create_directories(target_);
    window_.source = source_;
    window_.target = target_;
  }

  // A JPEG with an EXIF date below the source folder; its file time is
  // another day, so a name shows which date was used.
  void Jpeg(const std::string& name, const std::string& exifDate = kMay1) {
    WriteFileAt(source_ + name, testkit::JpegWithExifDate(exifDate), fileTime_);
  }
  void Plain(const std::string& name, time_t modified) {
    WriteFileAt(source_ + name, "plain " + name, modified);
  }

  // Runs with Yes to the start and No to opening the folder.
  RunOutcome Run(std::deque<bool> answers = {true, false}) {
    modal_.answers = std::move(answers);
    return run_.DistributeFiles();
  }

  ModalRequest Confirm(const std::string& text) const { return {ModalKind::Confirm, text}; }

  testkit::TempDir dir_;
  const std::string source_ = dir_.path() + "/quelle/";
  const std::string target_ = dir_.path() + "/ziel/";
  const time_t fileTime_ = LocalSeconds(2020, 2, 3, 4, 5, 7);
  runtest::FakeRunWindow window_;
  testkit::FakeModal modal_;
  DistributionRun run_{window_};
};

TEST_F(DistributionRunTest, FolderStructureAndTheFolderOfferedAtTheEnd) {
  struct Case {
    int structure;
    std::string file;   // below the target folder
    std::string folder; // offered to open
  };
  const Case cases[] = {
      {0, "2023/2023-05-01_120732.jpg", "2023"},
      {1, "2023/05/2023-05-01_120732.jpg", "2023/05"},
      {2, "2023/05/01/2023-05-01_120732.jpg", "2023/05/01"},
      {-1, "2023-05-01_120732.jpg", ""},
      {7, "2023-05-01_120732.jpg", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.structure);
    fs::remove_all(target_);
    fs::create_directories(target_);
    modal_.requests.clear();
    Jpeg("IMG_1234.JPG");
    window_.structure = c.structure;
    EXPECT_EQ(Run({true, true}), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), Files{c.file});
    EXPECT_EQ(modal_.requests.back(), (ModalRequest{ModalKind::OpenFolder, target_ + c.folder}));
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
  window_.all = true;
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
    window_.renameByDate = c.rename;
    window_.keepOriginalName = c.keep;
    window_.renameReads = 0;
    EXPECT_EQ(Run(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), Files{"2023/05/" + c.name});
    EXPECT_FALSE(Exists(source_ + c.source));
    EXPECT_EQ(window_.renameReads, c.readOnly ? 0 : 1); // asked only when it matters
  }
}

TEST_F(DistributionRunTest, MessagesStatusAndProgressInOrder) {
  Jpeg("a.jpg");
  Jpeg("b.jpg", "2023:06:02 08:00:00");
  Plain("c.png", LocalSeconds(2023, 7, 3, 9, 0, 0));
  EXPECT_EQ(Run({true, true}), RunOutcome::Completed);
  EXPECT_EQ(modal_.requests,
            (std::vector<ModalRequest>{
                Confirm("Insgesamt 3 Dateien gefunden.\nMit der Arbeit anfangen?"),
                Confirm("Fertig! Ziel-Ordner jetzt öffnen?"),
                {ModalKind::OpenFolder, target_ + "2023/07"}})); // the last file's folder
  EXPECT_EQ(window_.progressMaximum, 2);
  EXPECT_EQ(window_.positions, (std::vector<int>{0, 1, 2, 0}));
  // The last count of the collection, then per file events before the status.
  const Files tail(window_.log.end() - 9, window_.log.end());
  EXPECT_EQ(tail, (Files{"Dateien gefunden: 3  ", "Events", "Bearbeite Bild: 1 / 3  ", "Events",
                         "Bearbeite Bild: 2 / 3  ", "Events", "Bearbeite Bild: 3 / 3  ", "Fertig!",
                         "EndWait"}));
  EXPECT_EQ(window_.log.front(), "BeginWait");
  EXPECT_EQ(std::count(window_.log.begin(), window_.log.end(), "EndWait"), 1);
  EXPECT_EQ(window_.log.back(), "EndWait");
  EXPECT_EQ(FilesBelow(target_),
            (Files{"2023/05/2023-05-01_120732.jpg", "2023/06/2023-06-02_080000.jpg",
                   "2023/07/2023-07-03_090000.png"}));
}

TEST_F(DistributionRunTest, NothingFoundOrDeclinedMovesNothing) {
  Plain("notes.txt", fileTime_);
  EXPECT_EQ(Run(), RunOutcome::NothingFound);
  EXPECT_EQ(modal_.requests, (std::vector<ModalRequest>{
                                 {ModalKind::Message, "Es wurden keine gültigen Daten gefunden"}}));
  EXPECT_EQ(window_.log.back(), "EndWait");

  modal_.requests.clear();
  Jpeg("a.jpg");
  EXPECT_EQ(Run({false}), RunOutcome::Declined);
  EXPECT_EQ(modal_.requests.size(), 1u);
  EXPECT_EQ(window_.log.back(), "EndWait");
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
  window_.onEvents = [&] {
    if (Exists(target_ + "2023/05") && !Exists(taken)) WriteFileAt(taken, "other program", 0);
  };
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(testkit::ReadWholeFile(taken), "other program");
  EXPECT_TRUE(Exists(target_ + "2023/05/2023-05-02_080000_[0001].jpg"));
}

TEST_F(DistributionRunTest, FileAlreadyAtItsTargetGetsACounter) {
  // A second run over a target that lies inside the source folder: the first
  // file finds its own name taken; the second then finds that name free.
  window_.target = source_;
  Jpeg("2023/05/2023-05-01_120732.jpg");
  Jpeg("2023/05/2023-05-01_120732_[0001].jpg");
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(FilesBelow(source_),
            (Files{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0002].jpg"}));
}

TEST_F(DistributionRunTest, ADateErrorEndsTheRunAtThatFile) {
  Jpeg("a.jpg");
  WriteFileAt(source_ + "b.jpg", testkit::JpegWithoutExif(), LocalSeconds(1975, 1, 1, 0, 0, 0));
  Jpeg("c.jpg");
  EXPECT_THROW(Run({true, true}), DateConversionError);
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
  EXPECT_TRUE(Exists(source_ + "b.jpg"));
  EXPECT_TRUE(Exists(source_ + "c.jpg"));
  EXPECT_EQ(modal_.requests.size(), 1u); // no closing question
  EXPECT_EQ(window_.log.back(), "EndWait");
  EXPECT_EQ(window_.statuses.back(), "Bearbeite Bild: 2 / 3  ");
  EXPECT_FALSE(run_.Running());
}

TEST_F(DistributionRunTest, OneRunAtATimeAndStopAfterTheFileInHand) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
    Jpeg(name);
  int filesSeen = 0;
  RunOutcome nested = RunOutcome::Completed;
  window_.onEvents = [&] {
    if (modal_.requests.empty()) return; // still collecting
    if (++filesSeen == 2) {
      nested = run_.DistributeFiles(); // a second click on the button
      run_.RequestStop();              // the window is being closed
    }
  };
  EXPECT_EQ(Run({true, true}), RunOutcome::Stopped);
  EXPECT_EQ(nested, RunOutcome::AlreadyRunning);
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
  EXPECT_EQ(FilesBelow(source_), (Files{"b.jpg", "c.jpg"}));
  EXPECT_EQ(modal_.requests.size(), 1u);
  EXPECT_EQ(window_.log.back(), "EndWait");
  EXPECT_FALSE(run_.Running());
}

TEST_F(DistributionRunTest, PerFileOptionsAreReadLive) {
  Jpeg("a.jpg");
  Jpeg("b.jpg");
  const std::string other = dir_.path() + "/anders";
  fs::create_directories(other);
  int files = 0;
  window_.onEvents = [&] {
    if (!modal_.requests.empty() && ++files == 2) {
      window_.target = other; // changed in the options dialog between two files
      window_.structure = 0;
      window_.source = "/nowhere"; // the running collection keeps its folder
    }
  };
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
  EXPECT_EQ(FilesBelow(other), Files{"2023/2023-05-01_120732.jpg"});
}

} // namespace
