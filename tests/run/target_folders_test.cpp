#include "platform/file_info.h"
#include "run/internal/target_folders.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Target folders are made from the nearest folder the run knows, without a
// look first below one it made; what changes under the run meanwhile must
// still give the folder, listed as it is.
struct MakingCase {
  const char* what;
  std::function<void(const std::string& root)> meanwhile; // another program, after the first
  std::string then;                                       // prepared second, below the root
  std::vector<std::string> created; // the levels reported made, after the first two
  std::vector<std::string> listed;  // names the second's index holds
  std::errc error = {};
};

const MakingCase kMakingCases[] = {
    {"a month in a year the run made", [](const std::string&) {}, "2015/02", {"2015/02"}, {}},
    {"a year removed under the run is made again",
     [](const std::string& root) { fs::remove_all(root + "/2015"); },
     "2015/02",
     {"2015", "2015/02"},
     {}},
    {"the target removed under the run is made again",
     [](const std::string& root) { fs::remove_all(root); },
     "2016/01",
     {"", "2016", "2016/01"},
     {}},
    {"a folder another program made meanwhile is listed",
     [](const std::string& root) {
       fs::create_directories(root + "/2015/02");
       testkit::WriteFile(root + "/2015/02/a.jpg", "a");
     },
     "2015/02",
     {},
     {"a.jpg"}},
    {"a folder that was there before is listed, not made",
     [](const std::string& root) {
       fs::create_directories(root + "/2014/12");
       testkit::WriteFile(root + "/2014/12/b.jpg", "b");
     },
     "2014/12",
     {},
     {"b.jpg"}},
    {"a file in the way is no folder",
     [](const std::string& root) { testkit::WriteFile(root + "/2015/02", "x"); },
     "2015/02",
     {},
     {},
     std::errc::not_a_directory},
};

TEST(TargetFolders, AreMadeFromTheNearestKnownFolderAndListedWhereTheyExist) {
  for (const MakingCase& c : kMakingCases) {
    SCOPED_TRACE(c.what);
    testkit::TempDir dir;
    const std::string root = dir.File("ziel");
    fs::create_directories(root);
    TargetFolders targets(RunMode::Real);
    std::vector<std::string> created;
    targets.OnFolderCreated([&](const std::string& level) {
      created.push_back(level == root ? "" : level.substr(root.size() + 1));
    });
    targets.NoteRoot(root + "/");
    ASSERT_NE(targets.Prepare(root + "/2015/01", /*create=*/true), nullptr);
    ASSERT_EQ(created, (std::vector<std::string>{"2015", "2015/01"}));
    created.clear();

    c.meanwhile(root);
    std::error_code error;
    const TargetFolderIndex* index = targets.Prepare(root + "/" + c.then, true, &error);
    EXPECT_EQ(created, c.created);
    EXPECT_EQ(error, c.error);
    if (c.error != std::errc()) {
      EXPECT_EQ(index, nullptr);
      continue;
    }
    ASSERT_NE(index, nullptr);
    EXPECT_TRUE(DirectoryExists(root + "/" + c.then));
    for (const std::string& name : c.listed)
      EXPECT_TRUE(index->Contains(name)) << name;
    EXPECT_FALSE(index->Contains("c.jpg"));
    // What the run learnt of the folder holds: asked again, it is the same.
    EXPECT_EQ(targets.Prepare(root + "/" + c.then, true), index);
  }
}

// A folder the run made is looked up only when its identity is asked for,
// and then keeps its listing; another spelling of it listed later shares it.
TEST(TargetFolders, AMadeFolderIsKnownByItsIdentityOnceAsked) {
  testkit::TempDir dir;
  const std::string root = dir.File("ziel"), january = root + "/2015/01";
  fs::create_directories(root);
  TargetFolders targets(RunMode::Real);
  targets.NoteRoot(root + "/");
  TargetFolderIndex* made = targets.Prepare(january, /*create=*/true);
  ASSERT_NE(made, nullptr);
  made->Add("a.jpg"); // reserved, not on disk yet
  EXPECT_EQ(targets.IdentityOfFolder(january), IdentityOf(january));
  EXPECT_EQ(targets.Prepare(january, true), made);

  TargetFolderIndex* february = targets.Prepare(root + "/2015/02", true);
  february->Add("b.jpg");
  fs::create_directory_symlink(root + "/2015/02", dir.File("verweis"));
  EXPECT_EQ(targets.Prepare(dir.File("verweis"), false), february);
  EXPECT_TRUE(february->Contains("b.jpg"));
  EXPECT_EQ(targets.IdentityOfFolder(root + "/2015/02"), IdentityOf(dir.File("verweis")));
}

} // namespace
