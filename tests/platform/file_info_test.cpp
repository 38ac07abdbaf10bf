#include "platform/file_info.h"
#include "tests/kit/temp_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(FileInfo, CreatesEveryMissingParent) {
  testkit::TempDir dir;
  const std::string deep = dir.File("2023/05/01");
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_FALSE(CreateFolderTree(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_FALSE(CreateFolderTree(deep)); // exists already: fine
  testkit::WriteFile(dir.File("file"), "x");
  EXPECT_FALSE(DirectoryExists(dir.File("file")));
  EXPECT_EQ(CreateFolderTree(dir.File("file/sub")), std::errc::not_a_directory);
}

TEST(FileInfo, ExistsTestIgnoresCase) {
  testkit::TempDir dir;
  testkit::WriteFile(dir.File("Ärger.JPG"), "x");
  EXPECT_TRUE(FileExistsIgnoringCase(dir.path(), "Ärger.JPG"));
  EXPECT_TRUE(FileExistsIgnoringCase(dir.path() + "/", "ärger.jpg"));
  EXPECT_FALSE(FileExistsIgnoringCase(dir.path(), "aerger.jpg"));
}

TEST(FileInfo, ReadOnlyMeansNoWritePermissionForTheOwner) {
  testkit::TempDir dir;
  const std::string file = dir.File("a.jpg");
  testkit::WriteFile(file, "x");
  EXPECT_FALSE(IsReadOnlyFile(file));
  chmod(file.c_str(), 0444);
  EXPECT_TRUE(IsReadOnlyFile(file));
  chmod(file.c_str(), 0466); // others may write, the owner may not
  EXPECT_TRUE(IsReadOnlyFile(file));
  EXPECT_FALSE(IsReadOnlyFile(dir.File("missing")));
}

} // namespace
