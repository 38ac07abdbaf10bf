// Folder paths as text, and the program's own folder.

#include "platform/path_text.h"
#include "platform/program_path.h"

#include <gtest/gtest.h>

namespace {

TEST(PathTextTest, WithBackslashAddsExactlyOneSeparatorToNonEmptyPaths) {
  EXPECT_EQ(WithBackslash(""), "");
  EXPECT_EQ(WithBackslash("/bilder"), "/bilder/");
  EXPECT_EQ(WithBackslash("/bilder/"), "/bilder/");
  EXPECT_EQ(WithBackslash("/"), "/");
}

TEST(PathTextTest, FolderOfNamesTheHoldingFolder) {
  EXPECT_EQ(FolderOf("/bilder/a.jpg"), "/bilder");
  EXPECT_EQ(FolderOf("/a.jpg"), "/");
  EXPECT_EQ(FolderOf("a.jpg"), ".");
}

TEST(PathTextTest, LoweredExtensionIsTheLastDotsPartOfTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/bilder/IMG_1.JPG", ".jpg"},
      {"a.tar.GZ", ".gz"},
      {".profile", ".profile"},
      {"ende.", "."},
      {"/a.b/ohne", ""},
      {"a.b\\ohne", ""},
      {"ohne", ""},
      {"/bilder.d/", ""},
      {"", ""},
  };
  for (const auto& [name, extension] : cases)
    EXPECT_EQ(LoweredExtension(name), extension) << name;
}

TEST(PathTextTest, ProgramDirIsTheProgramsFolderWithASeparator) {
  const std::string dir = ProgramDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), kPathSeparator);
  EXPECT_EQ(ProgramFilePath().rfind(dir, 0), 0u);
  EXPECT_EQ(ProgramFilePath().find(kPathSeparator, dir.size()), std::string::npos);
}

} // namespace
