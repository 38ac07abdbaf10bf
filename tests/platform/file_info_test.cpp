#include "platform/directory_walk.h"
#include "platform/file_info.h"
#include "platform/file_time.h"
#include "platform/ini.h"
#include "platform/move_file.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
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

TEST(FileInfo, ReadOnlyMeansNoWritePermissionForTheOwner) {
  testkit::TempDir dir;
  const std::string file = dir.File("a.jpg");
  testkit::WriteFile(file, "x");
  EXPECT_FALSE(StatusOf(file)->readOnly);
  chmod(file.c_str(), 0444);
  EXPECT_TRUE(StatusOf(file)->readOnly);
  chmod(file.c_str(), 0466); // others may write, the owner may not
  EXPECT_TRUE(StatusOf(file)->readOnly);
}

// A NUL byte cuts a path short for the system: a damaged settings file once
// made "/home/anna/Kamera<NUL>..." name the source folder itself. No such
// path reaches a system call.
// One look tells what a stat tells, and the flags where the file system
// reports them; through a link it tells the file, not the link.
TEST(FileInfo, ALookTellsWhatAStatTellsAndTheFlagsOfTheEntryItself) {
  testkit::TempDir dir;
  const std::string file = dir.File("a.jpg"), link = dir.File("verweis.jpg");
  testkit::WriteFile(file, "abc");
  std::filesystem::create_symlink(file, link);
  struct stat st {};
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  const std::optional<FileStatus> looked = StatusOf(file), throughLink = StatusOf(link),
                                  entry = EntryStatusOf(link);
  ASSERT_TRUE(looked && throughLink && entry);
  EXPECT_EQ(looked->identity, (FileIdentity{st.st_dev, st.st_ino}));
  EXPECT_EQ(looked->identity, IdentityOf(file));
  EXPECT_EQ(looked->size, 3);
  EXPECT_EQ(looked->modifiedNanoseconds, st.st_mtim.tv_nsec);
  EXPECT_EQ(looked->owner, st.st_uid);
  EXPECT_TRUE(throughLink->throughLink && throughLink->regular);
  EXPECT_EQ(throughLink->identity, looked->identity);
  EXPECT_FALSE(throughLink->pinned); // the link's own flags are not the file's
  EXPECT_TRUE(entry->link && !entry->regular);
  if (!testkit::SetImmutable(file, true)) GTEST_SKIP() << "no immutable flag here";
  const std::optional<FileStatus> pinned = StatusOf(file);
  testkit::SetImmutable(file, false);
  ASSERT_TRUE(pinned);
  // Unknown where the file system does not report the flags with a look.
  EXPECT_NE(pinned->pinned, std::optional<bool>(false));
  EXPECT_NE(looked->pinned, std::optional<bool>(true));
}

TEST(FileInfo, APathHoldingANulNamesNothing) {
  testkit::TempDir dir;
  const std::string real = dir.File("a.jpg");
  testkit::WriteFile(real, "x");
  const std::string file = real + std::string(1, '\0') + "/rest";
  const std::string folder = dir.path() + std::string(1, '\0') + "/rest";
  EXPECT_FALSE(DirectoryExists(folder));
  EXPECT_TRUE(CreateFolderTree(folder));
  EXPECT_FALSE(IdentityOf(file));
  EXPECT_FALSE(StatusOf(file));
  EXPECT_FALSE(SizeAndModificationTime(file));
  EXPECT_TRUE(ListFolderNames(folder).empty());
  EXPECT_EQ(IniReadString(file, "s", "k", "vorgabe"), "vorgabe");
  EXPECT_THROW(IniWriteString(file, "s", "k", "v"), IniWriteError);
  bool visited = false;
  WalkFolderTree(folder, [&](const FolderContents&) { visited = true; });
  EXPECT_FALSE(visited);
  EXPECT_EQ(MoveFileNoReplace(file, dir.File("b.jpg")).outcome, MoveOutcome::Failed);
  EXPECT_EQ(MoveFileNoReplace(real, dir.File("b.jpg") + std::string(1, '\0')).outcome,
            MoveOutcome::Failed);
  EXPECT_EQ(testkit::ReadWholeFile(real), "x");
}

} // namespace
