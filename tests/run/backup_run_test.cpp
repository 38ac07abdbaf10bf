// A second target (sicherunge): every file placed in the target lands in the
// second target too, under the one name decided for both; a second copy
// that fails keeps the source; identical files are judged per target; the
// undo removes the copies of both targets.

#include "platform/move_faults.h"
#include "run/distribution_run.h"
#include "run/run_record.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {

namespace fs = std::filesystem;
using runtest::LocalSeconds;
using runtest::WriteFileAt;
using testkit::FilesBelow;
using Files = std::vector<std::string>;

constexpr char kDay[] = "2023/05/2023-05-01_";

class BackupRunTest : public runtest::RunTest {
protected:
  void SetUp() override {
    RunTest::SetUp();
    frontEnd_.options.kinds.all = true;
    UseBackup(dir_.File("sicherung") + "/");
  }
  void UseBackup(const std::string& backup) {
    backup_ = backup;
    fs::create_directories(backup_);
    frontEnd_.options.backup = backup_;
  }
  // a.png, b.png, c.png of 12:00:00, :02, :04, holding "A", "B", "C".
  void AddFiles(int count = 3) {
    for (int i = 0; i < count; ++i) {
      const std::string name(1, static_cast<char>('a' + i));
      WriteFileAt(source_ + name + ".png", std::string(1, static_cast<char>('A' + i)),
                  LocalSeconds(2023, 5, 1, 12, 0, 2 * i));
    }
  }
  // "NAME -> TARGET | BACKUP", "NAME = TARGET | BACKUP" or "NAME: REASON",
  // the targets relative to their folders.
  Files Outcomes() const {
    Files told;
    for (const FileOutcome& outcome : frontEnd_.outcomes) {
      const std::string name = fs::path(outcome.source).filename().string();
      const std::string backup =
          outcome.backup.empty() ? "" : outcome.backup.substr(backup_.size());
      if (outcome.result == FileResult::Stayed) {
        told.push_back(name + ": " + StayReasonText(outcome, run_.Mode()));
      } else {
        const char* sign = outcome.result == FileResult::Moved ? " -> " : " = ";
        told.push_back(name + sign + outcome.target.substr(target_.size()) + " | " + backup);
      }
    }
    std::sort(told.begin(), told.end());
    return told;
  }

  std::string backup_;
  const std::string records_ = dir_.File("aufzeichnungen");
};

// On one file system and across (the second target on tmpfs): both copies
// hold the file's bytes under one name, and a name taken in either target
// moves both to the next counter.
TEST_F(BackupRunTest, EachFileLandsInBothTargetsUnderOneName) {
  struct Case {
    const char* what;
    bool copy;
    bool backupInMemory;
    bool takenInBackup; // else in the target
  };
  const Case cases[] = {
      {"moving, one file system, taken in the second target", false, false, true},
      {"copying, the second target on tmpfs, taken in the target", true, true, false},
      {"moving, the second target on tmpfs, taken there", false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testkit::TempDir memory(testkit::TempPlace::Memory);
    UseBackup(c.backupInMemory ? memory.path() + "/sicherung/" : dir_.File("sicherung") + "/");
    AddFiles(2);
    const std::string taken = std::string(kDay) + "120000.png";
    WriteFileAt((c.takenInBackup ? backup_ : target_) + taken, "fremd", 0);
    frontEnd_.options.copy = c.copy;
    frontEnd_.outcomes.clear();
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    const std::string a = std::string(kDay) + "120000_[0001].png",
                      b = std::string(kDay) + "120002.png";
    EXPECT_EQ(Outcomes(), (Files{"a.png -> " + a + " | " + a, "b.png -> " + b + " | " + b}));
    for (const std::string* root : {&target_, &backup_}) {
      Files expected{a, b};
      if ((root == &backup_) == c.takenInBackup) expected.insert(expected.begin(), taken);
      EXPECT_EQ(FilesBelow(*root), expected) << *root;
      EXPECT_EQ(testkit::ReadWholeFile(*root + a), "A");
    }
    EXPECT_EQ(FilesBelow(source_).size(), c.copy ? 2u : 0u);
    for (const std::string& folder : {source_, target_, backup_})
      fs::remove_all(folder);
    fs::create_directories(target_);
  }
}

// A second copy that fails: a moving run moves nothing (the source stays),
// a copy run keeps the copy it placed in the target; the reason names the
// second target either way.
TEST_F(BackupRunTest, AFailedSecondCopyKeepsTheSourceAndNamesTheSecondTarget) {
  struct Case {
    const char* what;
    bool copy;
    MoveFaults faults;
    bool readOnlyBackup;
    const char* reason;
  };
  const Case cases[] = {
      {"moving, the second copy reads back wrong",
       false,
       {.readBackDiffers = true},
       false,
       "Kopie im Sicherungsordner fehlgeschlagen: Kopie fehlerhaft (Lesefehler im Ziel)"},
      {"copying into a read-only second target",
       true,
       {},
       true,
       "Kopie im Sicherungsordner fehlgeschlagen: Ziel nicht beschreibbar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddFiles(1);
    fs::create_directories(backup_ + "2023/05");
    if (c.readOnlyBackup) {
      if (mount(backup_.c_str(), backup_.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
          mount(nullptr, backup_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
              0) {
        umount(backup_.c_str());
        std::printf("skipped (%s): no read-only bind mount here (%s)\n", c.what,
                    std::strerror(errno));
        continue;
      }
    }
    frontEnd_.options.copy = c.copy;
    frontEnd_.outcomes.clear();
    RunOutcome outcome;
    {
      ScopedMoveFaults faults(c.faults);
      outcome = run_.DistributeFiles();
    }
    if (c.readOnlyBackup) umount(backup_.c_str());
    ASSERT_EQ(outcome, RunOutcome::Completed);
    EXPECT_EQ(Outcomes(), Files{std::string("a.png: ") + c.reason});
    EXPECT_TRUE(AnyFailed(run_.StayedFiles()));
    EXPECT_EQ(FilesBelow(source_), Files{"a.png"});
    EXPECT_EQ(FilesBelow(target_).size(), c.copy ? 1u : 0u);
    EXPECT_EQ(FilesBelow(backup_), Files{});
  }
}

// With gleichecb each target is asked on its own: a file whose bytes lie in
// one target only goes into the other only, under the name it has there.
TEST_F(BackupRunTest, IdenticalFilesAreJudgedPerTarget) {
  frontEnd_.options.skipIdentical = true;
  for (const bool copy : {true, false}) {
    SCOPED_TRACE(copy ? "copying" : "moving");
    AddFiles();
    const std::string a = std::string(kDay) + "120000.png", b = std::string(kDay) + "120002.png",
                      c = std::string(kDay) + "120004.png";
    WriteFileAt(target_ + a, "A", 0);
    WriteFileAt(backup_ + b, "B", 0);
    WriteFileAt(target_ + c, "C", 0);
    WriteFileAt(backup_ + c, "C", 0);
    frontEnd_.options.copy = copy;
    frontEnd_.outcomes.clear();
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(Outcomes(),
              (Files{"a.png = " + a + " | " + a, "b.png -> " + b + " | ", "c.png = " + c + " | "}));
    EXPECT_EQ(FilesBelow(target_), (Files{a, b, c}));
    EXPECT_EQ(FilesBelow(backup_), (Files{a, b, c}));
    EXPECT_EQ(testkit::ReadWholeFile(backup_ + a), "A");
    // A file found in the target stays in the source, also when moving.
    const Files left = copy ? Files{"a.png", "b.png", "c.png"} : Files{"a.png", "c.png"};
    EXPECT_EQ(FilesBelow(source_), left);
    for (const std::string& folder : {source_, target_, backup_})
      fs::remove_all(folder);
    fs::create_directories(target_);
    fs::create_directories(backup_);
  }
}

// The record names the second target (a folder whose name reads like
// another option word included), and the undo removes the copies there: a
// copy run's and, after moving each file back, a moving run's.
TEST_F(BackupRunTest, TheUndoRemovesTheCopiesInBothTargets) {
  UseBackup(dir_.File("Sicherung kopieren=ja") + "/");
  for (const bool copy : {true, false}) {
    SCOPED_TRACE(copy ? "copy run" : "moving run");
    AddFiles();
    const Files before = testkit::ExactTree(source_);
    frontEnd_.options.copy = copy;
    run_.RecordInto(records_);
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records_));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->backup + "/", backup_);
    EXPECT_EQ(record->copies, copy);
    EXPECT_EQ(record->backups.size(), 3u);

    // Its dry run plans the same ("ZIEL (löschen)" for each copy).
    for (const RunMode mode : {RunMode::DryRun, RunMode::Real}) {
      frontEnd_.outcomes.clear();
      UndoRun undo(frontEnd_, records_, mode);
      ASSERT_EQ(undo.TakeBack(), RunOutcome::Completed);
      EXPECT_FALSE(AnyFailed(undo.StayedFiles()));
      const auto removed = std::count_if(
          frontEnd_.outcomes.begin(), frontEnd_.outcomes.end(),
          [](const FileOutcome& outcome) { return outcome.result == FileResult::Removed; });
      EXPECT_EQ(removed, copy ? 6 : 3);
    }
    EXPECT_EQ(testkit::ExactTree(source_), before);
    // The folders the run made went with the copies.
    EXPECT_TRUE(fs::is_empty(target_));
    EXPECT_TRUE(fs::is_empty(backup_));
    fs::remove_all(source_);
  }
}

} // namespace

// A group's intents stay one group with the second copies' lines between
// them; a record of before (no sicherung word) has no second target.
TEST(BackupRecordTest, SecondCopiesKeepAGroupWhole) {
  testkit::TempDir dir;
  const std::string path = dir.File("x-verteilung.lauf");
  const std::string file = "\t1\t2.000000000\n";
  for (const bool backup : {true, false}) {
    std::string text =
        "TamrelFotomaz-Aufzeichnung\t2\nquelle\t/q\nziel\t/z\noptionen\tdateien=alle";
    text += backup ? " kopieren=nein sicherung=/s\\tt\n" : " kopieren=ja\n";
    text += "gruppe\t2\nabsicht\t/q/a.jpg\t/z/a.jpg" + file;
    if (backup) text += "sicherung\t/q/a.jpg\t/s\\tt/a.jpg" + file;
    text += "absicht\t/q/a.cr2\t/z/a.cr2" + file;
    testkit::WriteFile(path, text);
    const std::optional<RunRecord> record = ReadRunRecord(path);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->groups.size(), 1u);
    EXPECT_EQ(record->groups[0].moves.size(), 2u);
    EXPECT_EQ(record->backup, backup ? "/s\tt" : "");
    EXPECT_EQ(record->backups.size(), backup ? 1u : 0u);
    EXPECT_EQ(record->copies, !backup);
  }
}
