#include "platform/directory_walk.h"
#include "platform/name_mask.h"
#include "platform/walk_faults.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct MaskCase {
  const char* mask;
  const char* name;
  bool matches;
};

const MaskCase kMasks[] = {
    {"*.jp*", "IMG.JPEG", true},
    {"*.jp*", "a.jpg", true},
    {"*.jp*", "a.png", false},
    {"*.jp*", "jpg", false},
    {"*.*", "README", true},
    {"*.*", ".hidden", true},
    {"*.mpg", "a.mpga", false},
    {"*.mpg", "a.MPG", true},
    {"*.tif", "a.jpg.tif", true},
    {"*ärger*.*", "ÄRGER.JPG", true},
    {"a?c.gif", "abc.gif", true},
    {"a?c.gif", "ac.gif", false},
    {"*2023-05-01_120732*.*", "2023-05-01_120732_[0001].jpg", true},
};

TEST(NameMask, MatchesIgnoringCase) {
  for (const auto& c : kMasks) {
    EXPECT_EQ(NameMask(c.mask).Matches(c.name), c.matches) << c.mask << " " << c.name;
  }
}

void Touch(const std::string& path) {
  testkit::WriteFile(path, "x");
}

std::vector<std::string> Walk(const std::string& root) {
  std::vector<std::string> seen;
  WalkFolderTree(root, [&](const FolderContents& folder) {
    seen.push_back(folder.path.substr(root.size()) + ":");
    for (const auto& name : folder.files)
      seen.back() += " " + name;
  });
  return seen;
}

TEST(WalkFolderTree, PreorderWithSortedEntriesSkippingDotFolders) {
  testkit::TempDir dir;
  const std::string& root = dir.path();
  for (const char* folder : {"b", "a", "a/deep", ".cache", "a/.git"})
    fs::create_directory(root + "/" + folder);
  for (const char* file : {"z.jpg", "B.jpg", ".hidden.jpg", "a/x.jpg", "a/deep/y.jpg", "b/w.jpg",
                           ".cache/c.jpg", "a/.git/g.jpg"}) {
    Touch(root + "/" + file);
  }
  EXPECT_EQ(Walk(root), (std::vector<std::string>{"/: .hidden.jpg B.jpg z.jpg", "/a/: x.jpg",
                                                  "/a/deep/: y.jpg", "/b/: w.jpg"}));
}

// What the directory entry said: the run looks again only where it must.
TEST(WalkFolderTree, TellsEachFileItsEntrysKind) {
  testkit::TempDir dir;
  Touch(dir.File("a.jpg"));
  std::filesystem::create_symlink(dir.File("a.jpg"), dir.File("b.jpg"));
  std::vector<EntryKind> kinds;
  WalkFolderTree(dir.path(), [&](const FolderContents& folder) { kinds = folder.kinds; });
  // The temporary folders lie on file systems that say (tmpfs, ext4).
  EXPECT_EQ(kinds, (std::vector<EntryKind>{EntryKind::Regular, EntryKind::Link}));
}

TEST(WalkFolderTree, EntersEveryFolderOnceThroughLinks) {
  testkit::TempDir dir;
  const std::string& root = dir.path();
  fs::create_directories(root + "/a/b");
  Touch(root + "/a/b/f.jpg");
  fs::create_directory_symlink(root, root + "/a/b/back");    // a loop to the top
  fs::create_directory_symlink(root + "/a", root + "/link"); // a second way into a
  fs::create_symlink(root + "/a/b/f.jpg", root + "/file-link.jpg");
  fs::create_symlink(root + "/nowhere", root + "/broken.jpg");
  EXPECT_EQ(Walk(root), (std::vector<std::string>{"/: file-link.jpg", "/a/:", "/a/b/: f.jpg"}));
}

// A link that leads out of the source tree (to "/" or the home folder, say)
// must not sweep up what lies there.
TEST(WalkFolderTree, LinksLeadingOutOfTheTreeAreNotEntered) {
  testkit::TempDir dir;
  const std::string root = dir.File("quelle");
  fs::create_directories(root + "/innen");
  fs::create_directories(dir.File("woanders"));
  Touch(root + "/innen/a.jpg");
  Touch(dir.File("woanders/b.jpg"));
  fs::create_directory_symlink("../woanders", root + "/kurz");
  fs::create_directory_symlink("/", root + "/wurzel");
  fs::create_directory_symlink("innen", root + "/zu-innen");
  fs::create_directories(dir.File("quelle-b"));
  fs::create_directory_symlink("../quelle-b", root + "/nachbar"); // shares the name's start
  EXPECT_EQ(Walk(root), (std::vector<std::string>{"/:", "/innen/: a.jpg"}));
}

TEST(WalkFolderTree, OnlyRegularFilesCountAndTheMovesTemporaryCopiesDoNot) {
  testkit::TempDir dir;
  ASSERT_EQ(mkfifo((dir.path() + "/pipe.jpg").c_str(), 0600), 0);
  Touch(dir.File(".fotomaz-12-000000ab.part"));
  Touch(dir.File("a.jpg"));
  EXPECT_EQ(Walk(dir.path() + "/"), (std::vector<std::string>{":"
                                                              " a.jpg"}));
}

TEST(WalkFolderTree, AFolderThatCannotBeReadIsReportedOnce) {
  testkit::TempDir dir;
  for (const char* file : {"a/x.jpg", "a/geheim/y.jpg", "b/z.jpg"}) {
    fs::create_directories(fs::path(dir.File(file)).parent_path());
    Touch(dir.File(file));
  }
  ScopedWalkFaults faults(
      {.unreadable = [](const std::string& folder) { return folder.ends_with("/geheim/"); }});
  std::vector<std::string> unreadable;
  std::vector<std::string> seen;
  WalkFolderTree(
      dir.path(), [&](const FolderContents& folder) { seen.push_back(folder.path); },
      [&](const std::string& folder) { unreadable.push_back(folder); });
  EXPECT_EQ(unreadable, std::vector<std::string>{dir.File("a/geheim/")});
  EXPECT_EQ(seen.size(), 3u);
}

TEST(WalkFolderTree, MissingOrEmptyRootGivesNothing) {
  testkit::TempDir dir;
  EXPECT_TRUE(Walk(dir.File("missing")).empty());
  EXPECT_TRUE(Walk("").empty());
}

} // namespace
