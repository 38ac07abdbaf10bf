#include "run/collected_files.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(CollectedFiles, PathsComeBackWithTheirFolderNameAndKind) {
  struct Row {
    std::string path;
    EntryKind kind;
    std::string folder;
    size_t folderNumber; // a folder shared only with the file before
  };
  const std::vector<Row> rows{
      {"/a/b/x.jpg", EntryKind::Regular, "/a/b/", 0},
      {"/a/b/Y.JPG", EntryKind::Link, "/a/b/", 0},
      {"/a/c/x.jpg", EntryKind::Unknown, "/a/c/", 1},
      {"/a/b/z.jpg", EntryKind::Regular, "/a/b/", 2}, // back in a folder seen before
      {"ohne-ordner.png", EntryKind::Regular, "", 3},
      {"/t\tab/new\nline/\xff\xfe.mov", EntryKind::Link, "/t\tab/new\nline/", 4},
      {"/leer/", EntryKind::Unknown, "/leer/", 5}, // no name at all
  };
  CollectedFiles files;
  for (const Row& row : rows)
    EXPECT_TRUE(files.AddPath(row.path, row.kind));
  // No directory entry has a name that long.
  EXPECT_FALSE(files.AddPath("/a/b/" + std::string(CollectedFiles::kMaxNameBytes + 1, 'n')));
  ASSERT_EQ(files.Size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(files.Path(i), rows[i].path) << i;
    EXPECT_EQ(files.Folder(i), rows[i].folder) << i;
    EXPECT_EQ(files.Name(i), rows[i].path.substr(rows[i].folder.size())) << i;
    EXPECT_EQ(files.FolderNumber(i), rows[i].folderNumber) << i;
    EXPECT_EQ(files.Kind(i), rows[i].kind) << i;
  }
}

TEST(CollectedFiles, OrderByGroupKeepsTheOrderWithinAGroupAndWhatCameBefore) {
  CollectedFiles files;
  for (const char* path : {"/kept", "/a2", "/b0", "/c2", "/d1", "/e0"})
    files.AddPath(path);
  files.OrderByGroup(1, {2, 0, 2, 1, 0});
  std::vector<std::string> paths;
  for (size_t i = 0; i < files.Size(); ++i)
    paths.push_back(files.Path(i));
  EXPECT_EQ(paths, (std::vector<std::string>{"/kept", "/b0", "/e0", "/d1", "/a2", "/c2"}));
}

} // namespace
