// fotomaz-verteilen interrupted and crowded: signals during a copy across
// file systems, SIGKILL at random moments of a run and of its undo (also on
// a real exFAT mount where the machine allows one, and with groups of
// pictures that belong together), SIGKILL at exact steps of a group's move,
// and two runs into one target. Whatever happens, no file under a final name is incomplete and
// every file's content exists at least once.

#include "tests/kit/dated_files.h"
#include "tests/kit/testkit.h"
#include "tests/tools/verteilen/command_process.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using clitest::CommandProcess;
using testkit::Contains;
using Strings = std::vector<std::string>;

// The hooked build of the command with the given faults.
class HookedFaults {
public:
  explicit HookedFaults(const char* faults) { setenv("FOTOMAZ_TEST_FAULTS", faults, 1); }
  ~HookedFaults() { unsetenv("FOTOMAZ_TEST_FAULTS"); }
};

// Distinct bytes of file number id, at least size bytes long.
std::string Content(int id, size_t size) {
  std::string bytes = "datei " + std::to_string(id) + "\n";
  std::mt19937 random(static_cast<unsigned>(id));
  while (bytes.size() < size)
    bytes += static_cast<char>(random());
  return bytes;
}

// Files below root by name (final names only: temporary copies are not).
std::map<std::string, std::string> FinalFiles(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && !name.starts_with(".fotomaz-")) {
      files.emplace(entry.path().string(), testkit::ReadWholeFile(entry.path().string()));
    }
  }
  return files;
}

// Each of contents lies exactly once among the final files below root, and
// nothing else does.
void ExpectEachOnce(const std::string& root, const std::set<std::string>& contents) {
  std::map<std::string, int> found;
  for (const auto& [path, bytes] : FinalFiles(root)) {
    ASSERT_TRUE(contents.count(bytes)) << path;
    ++found[bytes];
  }
  EXPECT_EQ(found.size(), contents.size());
  for (const auto& [bytes, count] : found)
    EXPECT_EQ(count, 1);
}

class InterruptionTest : public ::testing::Test {
protected:
  void SetUp() override {
    testkit::UseBerlinTime();
    setenv("XDG_STATE_HOME", state_.path().c_str(), 1); // the undo takes this test's runs
    fs::create_directories(source_);
    fs::create_directories(target_);
    testkit::WriteFile(settings_, "");
  }
  void TearDown() override { unsetenv("XDG_STATE_HOME"); }

  void Add(const std::string& name, const std::string& bytes) {
    testkit::WriteFileAt(source_ + name, bytes, testkit::LocalSeconds(2021, 3, 4, 5, 6, 8));
  }

  Strings Options(const std::string& source) const {
    return {"--einstellungen", settings_, "--quelle",  source, "--ziel", target_,
            "--umbenennen",    "nein",    "--dateien", "alle", "--ja"};
  }

  // SIGKILL at kills random moments of a run and then of its undo, each
  // followed by a clean one; then every run is taken back. The command's
  // test build gets faults (hooks of test_hooks.h). undoKills, when given,
  // replaces kills for the undo.
  void KillRunAndUndo(const char* faults, int files, int kills, int undoKills = -1);
  // The same with groups of a JPEG, its raw and its XMP: after the clean run
  // every group lies whole under one stem, each file once; in the end the
  // source is as it was (its modes too, where the target keeps them).
  void KillGroupsAndUndo(int groups, int kills, bool targetKeepsModes = true);
  // Every run and undo recorded taken back, as far as they go.
  void UndoEverything(int runs);

  testkit::TempDir dir_;
  testkit::TempDir state_;
  // In memory: across file systems from the source, and quick to flush.
  testkit::TempDir memory_{testkit::TempPlace::Memory};
  const std::string source_ = dir_.File("quelle") + "/";
  std::string target_ = memory_.File("ziel") + "/";
  const std::string settings_ = dir_.File("leer.ini");
};

void InterruptionTest::KillRunAndUndo(const char* faultWords, int files, int kills, int undoKills) {
  std::map<std::string, std::string> originals; // by file name
  for (int id = 0; id < files; ++id) {
    const std::string name = "bild" + std::to_string(id) + ".png";
    originals[name] = Content(id, 8192 + static_cast<size_t>(id % 7) * 4096);
    Add("ordner" + std::to_string(id % 20) + "/" + name, originals[name]);
  }
  // Every content complete at least once, and no final name incomplete;
  // after a kill an empty reservation may wait for the next run or undo,
  // and so may a temporary copy.
  const auto check = [&](bool clean) {
    std::map<std::string, int> complete;
    for (const std::string& root : {source_, target_}) {
      for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        const std::string bytes = testkit::ReadWholeFile(entry.path().string());
        if (name.starts_with(".fotomaz-") || bytes.empty()) {
          ASSERT_FALSE(clean) << "left behind: " << entry.path();
          continue;
        }
        // A kill between placing a copy and removing its source leaves the
        // file twice, complete; the next run numbers the second.
        if (const size_t counter = name.find("_["); counter != std::string::npos) {
          name.erase(counter, name.find(']', counter) + 1 - counter);
        }
        ASSERT_TRUE(originals.count(name)) << entry.path();
        ASSERT_EQ(bytes, originals[name]) << "incomplete: " << entry.path();
        ++complete[name];
      }
    }
    ASSERT_EQ(complete.size(), originals.size());
  };
  const Strings undo = {"--einstellungen", settings_, "--rueckgaengig", "--ja"};

  HookedFaults faults(faultWords);
  std::mt19937 random(20261208);
  for (const Strings& arguments : {Options(source_), undo}) {
    const int times = arguments == undo && undoKills >= 0 ? undoKills : kills;
    for (int kill = 0; kill < times; ++kill) {
      CommandProcess process(FOTOMAZ_VERTEILEN_HOOKS, arguments);
      std::this_thread::sleep_for(std::chrono::milliseconds(random() % 150));
      ::kill(process.Pid(), SIGKILL);
      process.Wait();
      ASSERT_NO_FATAL_FAILURE(check(false));
    }
    const auto last = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, arguments).Wait();
    EXPECT_EQ(last.status, 0) << last.err;
    ASSERT_NO_FATAL_FAILURE(check(true));
  }
  // Every run taken back, the killed ones too: each file at its old place.
  for (int run = 0; run < kills + 2; ++run) {
    const auto back = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, undo).Wait();
    if (back.status == 2) break;
    EXPECT_EQ(back.status, 0) << back.err;
  }
  check(true);
  for (const auto& [path, bytes] : FinalFiles(target_))
    ADD_FAILURE() << "not taken back: " << path;
  EXPECT_EQ(FinalFiles(source_).size(), originals.size());
}

// SIGKILL at random moments of copy runs (--kopieren ja) from a card on the
// disk into memory, also with a second target on the disk, and of moving
// runs with one: a copy run's card never changes, a moving run loses no
// picture, no final name in either target holds a partial copy, and the next
// run (a copy run with --gleiche ueberspringen, so a second import places
// nothing twice) completes the library: each picture once in each target. Taking every run
// back then removes every copy and leaves the card as it was.
TEST_F(InterruptionTest, KilledCopyRunsLeaveTheCardAndNoPartialCopy) {
  struct Case {
    const char* what;
    bool copy;
    bool backup;
    int files;
  };
#ifdef __SANITIZE_ADDRESS__
  constexpr int kScale = 4;
#else
  constexpr int kScale = 1;
#endif
  const Case cases[] = {
      {"copying", true, false, 1200 / kScale},
      {"copying into two targets", true, true, 600 / kScale},
      {"moving into two targets", false, true, 300 / kScale},
  };
  constexpr int kKills = 4;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::set<std::string> contents;
    for (int id = 0; id < c.files; ++id) {
      const std::string bytes = Content(id, 8192 + static_cast<size_t>(id % 5) * 4096);
      contents.insert(bytes);
      Add("ordner" + std::to_string(id % 10) + "/bild" + std::to_string(id) + ".png", bytes);
    }
    const std::map<std::string, std::string> card = FinalFiles(source_);
    const std::string backup = dir_.File("sicherung") + "/";
    fs::create_directories(backup);
    Strings run = Options(source_);
    // A moving run numbers what it meets: what a kill left must be cleared.
    for (const char* word : {"--kopieren", c.copy ? "ja" : "nein", "--gleiche",
                             c.copy ? "ueberspringen" : "nummerieren"})
      run.push_back(word);
    if (c.backup) run.insert(run.end(), {"--sicherung", backup});
    // Every final name below a target holds a whole picture of the card.
    const auto check = [&](bool complete) {
      if (c.copy) {
        EXPECT_EQ(FinalFiles(source_), card);
      }
      std::set<std::string> found;
      for (const std::string& root : {source_, target_, backup}) {
        for (const auto& [path, bytes] : FinalFiles(root)) {
          if (bytes.empty()) continue; // a reservation a kill left; the next run clears it
          ASSERT_TRUE(contents.count(bytes)) << "partial: " << path;
          found.insert(bytes);
        }
      }
      EXPECT_EQ(found.size(), contents.size());
      if (!complete) return;
      ExpectEachOnce(target_, contents);
      if (c.backup) ExpectEachOnce(backup, contents);
      if (!c.copy) {
        EXPECT_TRUE(FinalFiles(source_).empty());
      }
    };
    HookedFaults faults("slow,batch-16");
    std::mt19937 random(20261209);
    for (int kill = 0; kill < kKills; ++kill) {
      CommandProcess process(FOTOMAZ_VERTEILEN_HOOKS, run);
      std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 200));
      ::kill(process.Pid(), SIGKILL);
      process.Wait();
      ASSERT_NO_FATAL_FAILURE(check(false));
    }
    const auto last = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, run).Wait();
    EXPECT_EQ(last.status, 0) << last.err;
    ASSERT_NO_FATAL_FAILURE(check(true));

    const Strings undo = {"--einstellungen", settings_, "--rueckgaengig", "--ja"};
    for (int back = 0; back < kKills + 2; ++back) {
      const auto taken = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, undo).Wait();
      if (taken.status == 2) break;
      EXPECT_EQ(taken.status, 0) << taken.err;
    }
    EXPECT_TRUE(FinalFiles(target_).empty());
    EXPECT_TRUE(FinalFiles(backup).empty());
    EXPECT_EQ(FinalFiles(source_), card);
    for (const std::string& folder : {source_, target_, backup})
      fs::remove_all(folder);
    fs::create_directories(source_);
    fs::create_directories(target_);
  }
}

void InterruptionTest::UndoEverything(int runs) {
  const Strings undo = {"--einstellungen", settings_, "--rueckgaengig", "--ja"};
  for (int run = 0; run < runs; ++run) {
    const auto back = CommandProcess(FOTOMAZ_VERTEILEN, undo).Wait();
    if (back.status == 2) break;
    EXPECT_EQ(back.status, 0) << back.err;
  }
}

void InterruptionTest::KillGroupsAndUndo(int groups, int kills, bool targetKeepsModes) {
  const std::string jpeg = testkit::JpegWithExifDate("2023:05:01 12:07:32");
  const std::string extensions[] = {".JPG", ".CR2", ".xmp"};
  std::map<std::string, std::pair<int, std::string>> originals; // bytes: group, extension
  for (int id = 0; id < groups; ++id) {
    for (const std::string& extension : extensions) {
      const std::string bytes = (extension == ".JPG" ? jpeg : extension) +
                                Content(id, 4096 + static_cast<size_t>(id % 5) * 8192);
      originals[bytes] = {id, extension};
      Add("ordner" + std::to_string(id % 10) + "/IMG_" + std::to_string(id) + extension, bytes);
    }
  }
  const Strings tree = testkit::ExactTree(source_);
  const std::map<std::string, std::string> files = FinalFiles(source_);
  // Every content complete at least once and no final name incomplete; once
  // clean, each content once, and after a run each group under one stem.
  const auto check = [&](bool clean, bool grouped) {
    std::map<int, std::set<std::string>> stems;
    std::map<std::string, int> found;
    for (const std::string& root : {source_, target_}) {
      for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string path = entry.path().string();
        const std::string bytes = testkit::ReadWholeFile(path);
        if (entry.path().filename().string().starts_with(".fotomaz-") || bytes.empty()) {
          ASSERT_FALSE(clean) << "left behind: " << path;
          continue;
        }
        const auto original = originals.find(bytes);
        ASSERT_NE(original, originals.end()) << "incomplete: " << path;
        ++found[bytes];
        if (grouped) {
          ASSERT_TRUE(path.starts_with(target_)) << "not moved: " << path;
          stems[original->second.first].insert(path.substr(0, path.rfind('.')));
        }
      }
    }
    ASSERT_EQ(found.size(), originals.size());
    if (!clean) return;
    for (const auto& [bytes, count] : found)
      EXPECT_EQ(count, 1) << "twice: group " << originals[bytes].first;
    for (const auto& [id, paths] : stems)
      EXPECT_EQ(paths.size(), 1u) << "group " << id << " split: " << *paths.begin();
  };
  Strings run = Options(source_);
  run.insert(run.end(), {"--begleiter", "ja"});
  const Strings undo = {"--einstellungen", settings_, "--rueckgaengig", "--ja"};
  std::mt19937 random(20261209);
  for (const bool undoing : {false, true}) {
    const Strings& arguments = undoing ? undo : run;
    for (int kill = 0; kill < kills; ++kill) {
      CommandProcess process(FOTOMAZ_VERTEILEN, arguments);
      std::this_thread::sleep_for(std::chrono::milliseconds(random() % 150));
      ::kill(process.Pid(), SIGKILL);
      process.Wait();
      ASSERT_NO_FATAL_FAILURE(check(false, false));
    }
    // The killed undos may have taken every run back already (status 2).
    const auto last = CommandProcess(FOTOMAZ_VERTEILEN, arguments).Wait();
    EXPECT_TRUE(last.status == 0 || (undoing && last.status == 2)) << last.status << last.err;
    ASSERT_NO_FATAL_FAILURE(check(true, !undoing));
  }
  UndoEverything(2 * kills + 2);
  // Compared whole, not printed: the trees hold every file's bytes.
  EXPECT_TRUE(FinalFiles(source_) == files);
  if (targetKeepsModes) {
    EXPECT_TRUE(testkit::ExactTree(source_) == tree);
  }
  for (const auto& [path, bytes] : FinalFiles(target_))
    ADD_FAILURE() << "not taken back: " << path;
}

// A stop signal (Ctrl+C, SIGTERM, SIGHUP from a closed terminal) lets the
// copy in hand finish; a second Ctrl+C abandons it and removes its
// temporary file.
TEST_F(InterruptionTest, ASignalFinishesTheCopyInHandASecondAbandonsIt) {
  struct Case {
    const char* what;
    std::vector<int> signals;
    bool copied;
  };
  const Case cases[] = {
      {"SIGHUP", {SIGHUP}, true},
      {"SIGTERM", {SIGTERM}, true},
      {"Ctrl+C twice", {SIGINT, SIGINT}, false},
  };
  const std::string big = Content(1, 3 << 20);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(target_);
    fs::create_directories(target_);
    Add("a.png", big);
    Add("b.png", "klein");
    HookedFaults faults("cross-device,pause-at-half");
    CommandProcess process(FOTOMAZ_VERTEILEN_HOOKS, Options(source_));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!Contains(process.ErrorSoFar(), "halb") && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (const int signal : c.signals) {
      kill(process.Pid(), signal);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const auto result = process.Wait();
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_TRUE(Contains(result.err, "Abgebrochen.")) << result.err;
    const auto moved = FinalFiles(target_);
    EXPECT_EQ(moved.size(), c.copied ? 1u : 0u);
    EXPECT_EQ(fs::exists(source_ + "a.png"), !c.copied);
    EXPECT_EQ(c.copied ? moved.begin()->second : testkit::ReadWholeFile(source_ + "a.png"), big);
    EXPECT_TRUE(fs::exists(source_ + "b.png"));
    for (const auto& entry : fs::recursive_directory_iterator(target_))
      EXPECT_FALSE(entry.path().filename().string().starts_with(".fotomaz-")) << entry.path();
    fs::remove_all(source_);
    fs::create_directories(source_);
  }
}

// SIGKILL at random moments of a run across file systems and of its undo,
// where neither a no-replace rename nor a hard link works (exFAT, FAT,
// shares): the final name is reserved by an empty file.
TEST_F(InterruptionTest, KilledAtRandomMomentsNoFileIsIncompleteOrLost) {
  // The sanitizers make every step of the command several times slower; the
  // ordinary build runs the full size.
#ifdef __SANITIZE_ADDRESS__
  constexpr int kFiles = 400;
#else
  constexpr int kFiles = 2000;
#endif
  KillRunAndUndo("cross-device,no-rename,no-link", kFiles, 20);
}

// The same within one file system, with the renames in flight (several at
// a time, however fast the disk): by the no-replace rename, and by reserved
// names where neither it nor a hard link works.
TEST_F(InterruptionTest, KilledWithMovesInFlightNoFileIsIncompleteOrLost) {
#ifdef __SANITIZE_ADDRESS__
  constexpr int kFiles = 400;
#else
  constexpr int kFiles = 2000;
#endif
  target_ = dir_.File("ziel") + "/";
  for (const char* faults : {"in-flight", "in-flight,no-rename,no-link"}) {
    SCOPED_TRACE(faults);
    for (const std::string& folder : {state_.path(), source_, target_}) {
      fs::remove_all(folder);
      fs::create_directories(folder);
    }
    // The undo moves one file after another, killed in the tests around.
    KillRunAndUndo(faults, kFiles, 6, /*undoKills=*/0);
  }
}

// The same where the run's batches are short, so kills meet their bounds:
// intents recorded and not yet carried out, copies staged and not yet
// flushed, done lines not yet written; the last row where only the
// reserving of names works.
class BatchKillTest : public InterruptionTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BatchKillTest, KilledNearTheBoundsOfBatchesNoFileIsIncompleteOrLost) {
  // Slowed copies take more than the kills' moments, so that neither the
  // killed runs nor the killed undos finish every file: the clean ones
  // after them still have work.
#ifdef __SANITIZE_ADDRESS__
  constexpr int kFiles = 400; // every step several times slower
#else
  constexpr int kFiles = 1200;
#endif
  KillRunAndUndo(GetParam(), kFiles, 3);
}

INSTANTIATE_TEST_SUITE_P(Batches, BatchKillTest,
                         ::testing::Values("slow,batch-1", "slow,batch-5",
                                           "slow,no-rename,no-link,batch-64"));

// The same on a real exFAT file system in a file, mounted through FUSE on a
// loop device (as root the FUSE driver wants a block device).
TEST_F(InterruptionTest, KilledOnARealExfatMount) {
  // Small, so the slow FUSE mount keeps the test short.
  constexpr int kFiles = 200, kKills = 5;
  const std::string image = dir_.File("karte.img"), card = dir_.File("karte");
  const std::string loop = dir_.File("loop");
  fs::create_directories(card);
  const auto shell = [](const std::string& command) { return std::system(command.c_str()) == 0; };
  if (!fs::exists("/dev/fuse")) GTEST_SKIP() << "no /dev/fuse on this machine";
  if (!shell("command -v mkfs.exfat >/dev/null && command -v mount.exfat-fuse >/dev/null"))
    GTEST_SKIP() << "mkfs.exfat or mount.exfat-fuse missing (scripts/install-deps.sh)";
  if (!shell("truncate -s 64M '" + image + "' && mkfs.exfat '" + image + "' >/dev/null 2>&1"))
    GTEST_SKIP() << "mkfs.exfat cannot make a file system in " << image;
  if (!shell("losetup -f --show '" + image + "' > '" + loop + "' 2>/dev/null"))
    GTEST_SKIP() << "no loop device for the image (losetup refused)";
  struct Unmount {
    std::string card, loop;
    bool mounted = false;
    ~Unmount() {
      if (mounted) (void)!std::system(("umount '" + card + "'").c_str());
      (void)!std::system(("losetup -d \"$(cat '" + loop + "')\"").c_str());
    }
  } unmount{card, loop};
  unmount.mounted =
      shell("timeout 20 mount.exfat-fuse \"$(cat '" + loop + "')\" '" + card + "' >/dev/null 2>&1");
  if (!unmount.mounted) GTEST_SKIP() << "mount.exfat-fuse cannot mount here (no FUSE access?)";
  target_ = card + "/ziel/";
  fs::create_directories(target_);
  KillRunAndUndo("", kFiles, kKills);
  // Then groups, killed at 20 moments: the members of a group move one by
  // one, each reserving its name first.
  {
    SCOPED_TRACE("groups");
    for (const std::string& folder : {state_.path(), source_, target_}) {
      fs::remove_all(folder);
      fs::create_directories(folder);
    }
    KillGroupsAndUndo(kFiles / 3, 20, /*targetKeepsModes=*/false);
  }
}

// SIGKILL at 20 random moments of a run with groups, then of its undo, on
// one file system and across two (the disk and memory).
TEST_F(InterruptionTest, GroupsKilledAtRandomMomentsAreCompletedAndTakenBack) {
#ifdef __SANITIZE_ADDRESS__
  constexpr int kGroups = 100;
#else
  constexpr int kGroups = 300;
#endif
  for (const bool acrossDevices : {false, true}) {
    SCOPED_TRACE(acrossDevices ? "across file systems" : "on one file system");
    fs::remove_all(state_.path());
    fs::remove_all(source_);
    target_ = (acrossDevices ? memory_.File("ziel") : dir_.File("ziel")) + "/";
    fs::create_directories(target_);
    KillGroupsAndUndo(kGroups, 20);
  }
}

struct StepKill {
  const char* what;
  const char* faults;
  Strings files;              // in the source: a JPEG with its date, the rest text
  Strings extra;              // options of the clean run
  const char* takenMeanwhile; // a name another program takes before the clean run
  int status;                 // of the clean run
  Strings target;             // then
  Strings stayed;             // the files it reports, from the source folder on
  bool copies = false;        // both runs copy (--kopieren ja)
};

const StepKill kStepKills[] = {
    {"the leader moved, the raw and the XMP not: they follow it",
     "cross-device,kill-removed-1",
     {"IMG_1.JPG", "IMG_1.CR2", "IMG_1.xmp"},
     {},
     nullptr,
     0,
     {"2023/05/img_1.cr2", "2023/05/img_1.jpg", "2023/05/img_1.xmp"},
     {}},
    {"the leader's copy had its name, its source was there: the source goes, the rest follows",
     "cross-device,kill-placed-1",
     {"IMG_1.JPG", "IMG_1.CR2", "IMG_1.xmp"},
     {"--gleiche", "ueberspringen"},
     nullptr,
     0,
     {"2023/05/img_1.cr2", "2023/05/img_1.jpg", "2023/05/img_1.xmp"},
     {}},
    {"a copy run's leader had its name: its card keeps it, the rest is copied after it",
     "cross-device,kill-placed-1",
     {"IMG_1.JPG", "IMG_1.CR2", "IMG_1.xmp"},
     {"--gleiche", "ueberspringen"},
     nullptr,
     0,
     {"2023/05/img_1.cr2", "2023/05/img_1.jpg", "2023/05/img_1.xmp"},
     // Completed before the clean run collects: found in the library.
     {"IMG_1.JPG = ZIEL/2023/05/img_1.jpg (schon im Ziel vorhanden)",
      "IMG_1.CR2 = ZIEL/2023/05/img_1.cr2 (schon im Ziel vorhanden)",
      "IMG_1.xmp = ZIEL/2023/05/img_1.xmp (schon im Ziel vorhanden)"},
     true},
    {"a single file whose copy had its name is not filed twice",
     "cross-device,kill-placed-1",
     {"IMG_1.JPG"},
     {"--gleiche", "ueberspringen"},
     nullptr,
     0,
     {"2023/05/img_1.jpg"},
     {}},
    {"a member whose name another program took meanwhile is reported",
     "cross-device,kill-removed-1",
     {"IMG_1.JPG", "IMG_1.CR2", "IMG_1.xmp"},
     {},
     "2023/05/img_1.cr2",
     3,
     {"2023/05/img_1.cr2", "2023/05/img_1.jpg", "2023/05/img_1.xmp"},
     {"IMG_1.CR2: nach einem Abbruch von seiner Gruppe getrennt: ZIEL/2023/05/img_1.cr2"}},
};

// Killed at exact steps of a group's move across file systems: the next run
// completes what the killed one began, and the undo takes it all back.
TEST_F(InterruptionTest, AGroupKilledAtAnExactStepIsCompletedByTheNextRun) {
  for (const StepKill& c : kStepKills) {
    SCOPED_TRACE(c.what);
    for (const std::string& folder : {state_.path(), source_, target_}) {
      fs::remove_all(folder);
      fs::create_directories(folder);
    }
    for (const std::string& name : c.files)
      Add(name, name.ends_with(".JPG") ? testkit::JpegWithExifDate("2023:05:01 12:07:32") : name);
    const Strings tree = testkit::ExactTree(source_);
    Strings run = Options(source_);
    run.insert(run.end(), {"--begleiter", "ja"});
    if (c.copies) run.insert(run.end(), {"--kopieren", "ja"});
    {
      HookedFaults faults(c.faults);
      EXPECT_EQ(CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, run).Wait().status, -1);
    }
    if (c.takenMeanwhile) testkit::WriteFile(target_ + c.takenMeanwhile, "fremd");
    run.insert(run.end(), c.extra.begin(), c.extra.end());
    const auto clean = CommandProcess(FOTOMAZ_VERTEILEN, run).Wait();
    EXPECT_EQ(clean.status, c.status) << clean.err;
    Strings stayed;
    std::istringstream lines(clean.err);
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with(source_)) continue;
      if (const size_t at = line.find(target_); at != std::string::npos)
        line.replace(at, target_.size(), "ZIEL/");
      stayed.push_back(line.substr(source_.size()));
    }
    EXPECT_EQ(stayed, c.stayed);
    EXPECT_EQ(testkit::FilesBelow(target_), c.target);
    if (c.copies) {
      EXPECT_EQ(testkit::ExactTree(source_), tree);
    }
    UndoEverything(3);
    EXPECT_EQ(testkit::ExactTree(source_), tree);
    EXPECT_EQ(testkit::FilesBelow(target_).size(), c.takenMeanwhile ? 1u : 0u);
  }
}

// Two runs fill one target with files of the same names at once: each takes
// another free number when it loses a name; nothing stays behind in silence
// and nothing is replaced.
TEST_F(InterruptionTest, TwoRunsIntoOneTargetLoseNoFile) {
  constexpr int kFilesPerRun = 300;
  const std::string other = dir_.File("quelle2") + "/";
  fs::create_directories(other);
  std::set<std::string> contents;
  for (int id = 0; id < 2 * kFilesPerRun; ++id) {
    const std::string bytes = testkit::JpegWithExifDate("2023:05:01 12:07:32") + Content(id, 64);
    contents.insert(bytes);
    testkit::WriteFile((id < kFilesPerRun ? source_ : other) + "b" + std::to_string(id) + ".jpg",
                       bytes);
  }
  Strings first = Options(source_), second = Options(other);
  first[first.size() - 4] = second[second.size() - 4] = "ja"; // renamed after the date
  CommandProcess a(FOTOMAZ_VERTEILEN, first);
  CommandProcess b(FOTOMAZ_VERTEILEN, second);
  const auto resultA = a.Wait();
  const auto resultB = b.Wait();
  EXPECT_EQ(resultA.status, 0) << resultA.err;
  EXPECT_EQ(resultB.status, 0) << resultB.err;
  ExpectEachOnce(target_, contents);
}

// Two runs of one job at once (a double click, a timer firing twice): the
// second finds the source folder in use and stops before it collects. The
// library holds each photo once.
TEST_F(InterruptionTest, ASecondRunOnTheSameSourceStopsBeforeItCollects) {
#ifdef __SANITIZE_ADDRESS__
  constexpr int kFiles = 400;
#else
  constexpr int kFiles = 2000;
#endif
  std::set<std::string> contents;
  for (int id = 0; id < kFiles; ++id) {
    contents.insert(Content(id, 4096));
    Add("ordner" + std::to_string(id % 20) + "/bild" + std::to_string(id) + ".png",
        Content(id, 4096));
  }
  std::unique_ptr<CommandProcess> first;
  {
    HookedFaults faults("cross-device,pause-at-half"); // held in the middle of each copy
    first = std::make_unique<CommandProcess>(FOTOMAZ_VERTEILEN_HOOKS, Options(source_));
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!Contains(first->ErrorSoFar(), "halb") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));

  const auto second = CommandProcess(FOTOMAZ_VERTEILEN, Options(source_)).Wait();
  EXPECT_EQ(second.status, 2);
  EXPECT_EQ(second.err, "Eine andere Verteilung arbeitet gerade mit diesem Quellordner.\n");

  kill(first->Pid(), SIGTERM); // ends after the copy in hand
  EXPECT_EQ(first->Wait().status, 1);
  const auto last = CommandProcess(FOTOMAZ_VERTEILEN, Options(source_)).Wait();
  EXPECT_EQ(last.status, 0) << last.err;
  EXPECT_TRUE(FinalFiles(source_).empty());
  ExpectEachOnce(target_, contents);
}

// A run on a folder and one on its subfolder would collect the same photos:
// while the first works (held in the middle of a copy), the second finds the
// tree in use and does not start, in either order. Where folders take no
// flock, the lock files of the state folder meet the same way. The library
// holds each photo once.
TEST_F(InterruptionTest, RunsOnAFolderAndItsSubfolderDoNotMeet) {
  struct Case {
    const char* what;
    bool subfolderFirst;
    const char* faults;
  };
  const Case cases[] = {
      {"the subfolder first", true, "cross-device,pause-at-half"},
      {"the folder above first", false, "cross-device,pause-at-half"},
      {"no flock, the subfolder first", true, "cross-device,pause-at-half,no-flock"},
      {"no flock, the folder above first", false, "cross-device,pause-at-half,no-flock"},
  };
  const std::string below = source_ + "unten/";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::set<std::string> contents;
    for (int id = 0; id < 8; ++id) {
      contents.insert(Content(id, 2 << 20));
      Add((id % 2 ? "unten/bild" : "bild") + std::to_string(id) + ".png", Content(id, 2 << 20));
    }
    const std::string& first = c.subfolderFirst ? below : source_;
    const std::string& second = c.subfolderFirst ? source_ : below;
    std::unique_ptr<CommandProcess> held;
    {
      HookedFaults faults(c.faults); // the second one's flock refused as well
      held = std::make_unique<CommandProcess>(FOTOMAZ_VERTEILEN_HOOKS, Options(first));
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
      while (!Contains(held->ErrorSoFar(), "halb") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      const auto refused = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, Options(second)).Wait();
      EXPECT_EQ(refused.status, 2);
      EXPECT_EQ(refused.err, "Eine andere Verteilung arbeitet gerade mit diesem Quellordner.\n");
    }
    kill(held->Pid(), SIGTERM); // ends after the copy in hand
    EXPECT_EQ(held->Wait().status, 1);
    const auto last = CommandProcess(FOTOMAZ_VERTEILEN_HOOKS, Options(source_)).Wait();
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_TRUE(FinalFiles(source_).empty());
    ExpectEachOnce(target_, contents);
    fs::remove_all(target_);
    fs::create_directories(target_);
  }
}
TEST_F(InterruptionTest, CopyRunsShareTheirCardAndAMovingRunWaits) {
  struct Case {
    const char* what;
    bool firstCopies, secondCopies;
    int secondStatus;
  };
  const Case cases[] = {
      {"two copy runs", true, true, 0},
      {"a copy run, then a moving run", true, false, 2},
      {"a moving run, then a copy run", false, true, 2},
  };
  for (int id = 0; id < 8; ++id)
    Add("bild" + std::to_string(id) + ".png", Content(id, 2 << 20));
  const auto run = [&](bool copies, const std::string& target) {
    Strings options = Options(source_);
    options[5] = target;
    if (copies) options.insert(options.end(), {"--kopieren", "ja"});
    return options;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string other = memory_.File(std::string("ziel-") + (c.firstCopies ? "k" : "v") +
                                           (c.secondCopies ? "k" : "v")) +
                              "/";
    fs::create_directories(other);
    std::unique_ptr<CommandProcess> held;
    {
      HookedFaults faults("cross-device,pause-at-half");
      held = std::make_unique<CommandProcess>(FOTOMAZ_VERTEILEN_HOOKS, run(c.firstCopies, target_));
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
      while (!Contains(held->ErrorSoFar(), "halb") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto second = CommandProcess(FOTOMAZ_VERTEILEN, run(c.secondCopies, other)).Wait();
    EXPECT_EQ(second.status, c.secondStatus) << second.err;
    if (c.secondStatus == 2) {
      EXPECT_EQ(second.err, "Eine andere Verteilung arbeitet gerade mit diesem Quellordner.\n");
    }
    kill(held->Pid(), SIGTERM);
    held->Wait();
  }
}
} // namespace
