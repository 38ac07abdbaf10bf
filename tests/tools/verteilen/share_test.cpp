// fotomaz-verteilen on a share that refuses the no-replace rename and gives
// every name an inode number of its own, so that its hard links look like
// other files: the pass-through FUSE share where FUSE runs, and the hooks'
// answers on a local folder everywhere.

#include "tests/kit/dated_files.h"
#include "tests/kit/fuse_share.h"
#include "tests/kit/testkit.h"
#include "tests/tools/verteilen/command_process.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;
using clitest::CommandProcess;
using testkit::ExactTree;
using Strings = std::vector<std::string>;

// The contents of the files below root, each with how often it lies there.
std::map<std::string, int> Contents(const std::string& root) {
  std::map<std::string, int> found;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file()) ++found[testkit::ReadWholeFile(entry.path().string())];
  return found;
}

class ShareCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    testkit::UseBerlinTime();
    setenv("XDG_STATE_HOME", state_.path().c_str(), 1);
    testkit::WriteFile(settings_, "");
  }
  void TearDown() override {
    unsetenv("XDG_STATE_HOME");
    unsetenv("FOTOMAZ_TEST_FAULTS");
  }

  // 20 photos of four days (so some are numbered) on the share, moved into
  // a library on it and taken back: every file moves once, nothing is left
  // under a second name, and the undo puts each back.
  void MoveAndTakeBack(const std::string& share, const std::string& program) {
    const std::string source = share + "/quelle/", target = share + "/bibliothek/";
    fs::create_directories(target);
    std::map<std::string, int> photos;
    for (int i = 0; i < 20; ++i) {
      const std::string bytes =
          testkit::JpegWithExifDate("2023:05:0" + std::to_string(1 + i % 4) + " 12:07:30") +
          "foto " + std::to_string(i);
      testkit::WriteFileAt(source + "ordner" + std::to_string(i % 3) + "/IMG_" + std::to_string(i) +
                               ".JPG",
                           bytes, testkit::LocalSeconds(2023, 6, 1, 0, 0, 0));
      ++photos[bytes];
    }
    const Strings before = ExactTree(source);
    const auto run = CommandProcess(program, {"--einstellungen", settings_, "--quelle", source,
                                              "--ziel", target, "--ja"})
                         .Wait();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(testkit::Contains(run.err, "geändert")) << run.err;
    EXPECT_TRUE(Contents(source).empty());
    EXPECT_EQ(Contents(target), photos);

    const auto undo =
        CommandProcess(program, {"--einstellungen", settings_, "--rueckgaengig", "--ja"}).Wait();
    EXPECT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(ExactTree(source), before);
    EXPECT_TRUE(Contents(target).empty());
  }

  testkit::TempDir dir_;
  testkit::TempDir state_;
  const std::string settings_ = dir_.File("leer.ini");
};

TEST_F(ShareCommandTest, HookedLinksThatShowAnotherInodeMoveEachPhotoOnce) {
  setenv("FOTOMAZ_TEST_FAULTS", "no-rename,link-other-inode", 1);
  MoveAndTakeBack(dir_.File("freigabe"), FOTOMAZ_VERTEILEN_HOOKS);
}

TEST_F(ShareCommandTest, OnAFuseShareEachPhotoMovesOnceAndComesBack) {
  testkit::PassthroughShare share;
  if (!share.Missing().empty()) GTEST_SKIP() << "no FUSE share: " << share.Missing();
  MoveAndTakeBack(share.path(), FOTOMAZ_VERTEILEN);
}

} // namespace
