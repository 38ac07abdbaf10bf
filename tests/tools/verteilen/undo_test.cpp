// fotomaz-verteilen --rueckgaengig: a run taken back from the terminal,
// also after the run was stopped or killed.

#include "tests/kit/dated_files.h"
#include "tests/kit/testkit.h"
#include "tests/tools/verteilen/command_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using clitest::CommandProcess;
using clitest::RunVerteilen;
using testkit::Contains;
using testkit::ExactTree;
using testkit::Lines;
using Strings = std::vector<std::string>;

class UndoCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    testkit::UseBerlinTime();
    setenv("XDG_STATE_HOME", state_.path().c_str(), 1);
    fs::create_directories(source_);
    fs::create_directories(target_);
    testkit::WriteFile(settings_, "");
  }
  void TearDown() override { unsetenv("XDG_STATE_HOME"); }

  Strings Run() const {
    return {"--einstellungen", settings_,  "--quelle", source_, "--ziel",
            target_,           "--ordner", "tag",      "--ja"};
  }
  Strings Undo(Strings more = {}) const {
    Strings arguments = {"--einstellungen", settings_, "--rueckgaengig"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  }

  testkit::TempDir dir_;
  testkit::TempDir state_;
  testkit::TempDir memory_{testkit::TempPlace::Memory};
  const std::string source_ = dir_.File("quelle") + "/";
  const std::string target_ = memory_.File("ziel") + "/"; // across file systems
  const std::string settings_ = dir_.File("leer.ini");
};

TEST_F(UndoCommandTest, ARunIsTakenBackOnceAfterAskingOrShowingThePlan) {
  for (int i = 0; i < 5; ++i) {
    testkit::WriteFileAt(source_ + "f" + std::to_string(i % 2) + "/IMG.JPG",
                         testkit::JpegWithExifDate("2023:05:01 12:07:3" + std::to_string(i % 2)),
                         testkit::LocalSeconds(2020, 1, 1, 0, 0, 0));
  }
  const Strings before = ExactTree(source_), targetBefore = ExactTree(target_);
  ASSERT_EQ(RunVerteilen(Run()).status, 0);

  const auto nothingYet = RunVerteilen(Undo({"--probelauf"}));
  EXPECT_EQ(nothingYet.status, 0) << nothingYet.err;
  EXPECT_EQ(Lines(nothingYet.out).size(), 2u); // two files, each "target -> source"
  EXPECT_TRUE(Contains(nothingYet.out,
                       target_ + "2023/05/01/2023-05-01_120731.jpg -> " + source_ + "f1/IMG.JPG"))
      << nothingYet.out;

  const auto declined = RunVerteilen(Undo(), "nein\n");
  EXPECT_EQ(declined.status, 1);
  EXPECT_TRUE(Contains(declined.err, "2 Dateien an ihren alten Platz zurücklegen? [j/N]"))
      << declined.err;

  const auto undone = RunVerteilen(Undo(), "j\n");
  EXPECT_EQ(undone.status, 0) << undone.err;
  EXPECT_EQ(ExactTree(source_), before);
  EXPECT_EQ(ExactTree(target_), targetBefore);

  const auto again = RunVerteilen(Undo({"--ja"}));
  EXPECT_EQ(again.status, 2);
  EXPECT_TRUE(Contains(again.err, "Keine Verteilung zum Rückgängigmachen gefunden.")) << again.err;
}

// A run stopped by SIGTERM or killed by SIGKILL: the undo puts back what it
// moved, the file in hand included, and the tree is as before.
TEST_F(UndoCommandTest, AnInterruptedRunIsTakenBackToTheExactTree) {
  for (const int signal : {SIGTERM, SIGKILL}) {
    SCOPED_TRACE(signal);
    fs::remove_all(source_);
    for (int i = 0; i < 1000; ++i) {
      testkit::WriteFileAt(
          source_ + "o" + std::to_string(i % 15) + "/b" + std::to_string(i) + ".png",
          std::string(2000 + i, 'x'), testkit::LocalSeconds(2021, 1 + i % 12, 1 + i % 28, 1, 2, 4));
    }
    const Strings before = ExactTree(source_), targetBefore = ExactTree(target_);
    CommandProcess process(FOTOMAZ_VERTEILEN, Run());
    // Stopped somewhere in the middle of the files.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    // The run creates and renames files while the tree is looked at.
    const auto movedSoFar = [&]() -> size_t {
      try {
        return testkit::FilesBelow(target_).size();
      } catch (const fs::filesystem_error&) {
        return 0;
      }
    };
    while (movedSoFar() < 300 && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(process.Pid(), signal);
    process.Wait();
    ASSERT_NE(ExactTree(source_), before) << "nothing moved before the signal";

    const auto undone = RunVerteilen(Undo({"--ja"}));
    EXPECT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(ExactTree(source_), before);
    EXPECT_EQ(ExactTree(target_), targetBefore);
  }
}

// A line added to the record by hand names a file outside the run: it is
// reported with status 3, in the dry run as well, and the rest goes back.
TEST_F(UndoCommandTest, ALineOutsideTheRunIsReportedAndTheRestTakenBack) {
  testkit::WriteFileAt(source_ + "a.png", "a", testkit::LocalSeconds(2021, 1, 2, 3, 4, 6));
  const std::string unrelated = dir_.File("fremd.png");
  testkit::WriteFileAt(unrelated, "x", testkit::LocalSeconds(2021, 1, 2, 3, 4, 6));
  ASSERT_EQ(RunVerteilen(Run()).status, 0);
  const std::string record =
      fs::directory_iterator(state_.path() + "/TamrelFotomaz")->path().string();
  testkit::WriteFile(record, testkit::ReadWholeFile(record) + "absicht\t" + target_ + "x.png\t" +
                                 unrelated + "\t1\t1609553046.000000000\n");
  const std::string reported = unrelated + ": Eintrag außerhalb der Verteilung";
  for (const char* mode : {"--probelauf", "--ja"}) {
    const auto undone = RunVerteilen(Undo({mode}));
    EXPECT_EQ(undone.status, 3) << mode;
    EXPECT_EQ(Lines(undone.err).back(), reported) << undone.err;
  }
  EXPECT_TRUE(fs::exists(source_ + "a.png"));
  EXPECT_EQ(testkit::ReadWholeFile(unrelated), "x");
  EXPECT_EQ(RunVerteilen(Undo({"--ja"})).status, 2); // taken back, refused line and all
}

} // namespace

namespace {

// --kopieren ja from the terminal: the card stays as it was, a copy that
// the target stores wrongly is named and gives status 3 (the hooked build),
// and the undo asks to delete, shows "(löschen)" in its dry run and removes
// the copies only.
TEST_F(UndoCommandTest, ACopyRunIsVerifiedAndItsUndoDeletesTheCopiesOnly) {
  for (int i = 0; i < 3; ++i)
    testkit::WriteFileAt(source_ + "DCIM/IMG_" + std::to_string(i) + ".JPG",
                         testkit::JpegWithExifDate("2023:05:01 12:07:3" + std::to_string(i)),
                         testkit::LocalSeconds(2020, 1, 1, 0, 0, 0));
  const Strings card = ExactTree(source_), library = ExactTree(target_);
  Strings copy = Run();
  copy.insert(copy.end(), {"--kopieren", "ja"});

  setenv("FOTOMAZ_TEST_FAULTS", "read-back-differs", 1);
  const auto faulty = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, copy).Wait();
  unsetenv("FOTOMAZ_TEST_FAULTS");
  EXPECT_EQ(faulty.status, 3);
  EXPECT_TRUE(
      Contains(faulty.err, source_ + "DCIM/IMG_0.JPG: Kopie fehlerhaft (Lesefehler im Ziel)"))
      << faulty.err;
  EXPECT_EQ(ExactTree(target_), library);

  const auto copied = RunVerteilen(copy);
  EXPECT_EQ(copied.status, 0) << copied.err;
  EXPECT_EQ(ExactTree(source_), card);
  EXPECT_EQ(testkit::FilesBelow(target_).size(), 3u);

  const auto plan = RunVerteilen(Undo({"--probelauf"}));
  EXPECT_EQ(plan.status, 0) << plan.err;
  EXPECT_TRUE(Contains(plan.out, target_ + "2023/05/01/2023-05-01_120730.jpg (löschen)\n"))
      << plan.out;
  const auto declined = RunVerteilen(Undo(), "nein\n");
  EXPECT_TRUE(
      Contains(declined.err, "3 Dateien im Ziel löschen (die Quelle bleibt unverändert)? [j/N]"))
      << declined.err;
  const auto undone = RunVerteilen(Undo({"--ja"}));
  EXPECT_EQ(undone.status, 0) << undone.err;
  EXPECT_EQ(ExactTree(source_), card);
  EXPECT_EQ(ExactTree(target_), library);
}

} // namespace
