#include "run/internal/target_folders.h"
#include "run/internal/unique_name.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct UniqueCase {
  const char* what;
  std::vector<std::string> existing;
  std::string planned;
  std::string extension;
  std::string expected;
};

const UniqueCase kCases[] = {
    {"first duplicate",
     {"2023-05-01_120732.jpg"},
     "2023-05-01_120732.jpg",
     ".jpg",
     "2023-05-01_120732_[0001].jpg"},
    {"after _[0009] comes _[0010]",
     {"x.jpg", "x_[0001].jpg", "x_[0002].jpg", "x_[0003].jpg", "x_[0004].jpg", "x_[0005].jpg",
      "x_[0006].jpg", "x_[0007].jpg", "x_[0008].jpg", "x_[0009].jpg"},
     "x.jpg",
     ".jpg",
     "x_[0010].jpg"},
    {"upper-case counter counts",
     {"2023-05-01_120732.jpg", "2023-05-01_120732_[0003].JPG"},
     "2023-05-01_120732.JPG",
     ".JPG",
     "2023-05-01_120732_[0004].JPG"},
    {"counters of other extensions and longer names do not count",
     {"x.jpg", "x_[0007].mov", "x_img_1234.jpg", "x_[0002]_a.jpg", "xx_[0009].jpg"},
     "x.jpg",
     ".jpg",
     "x_[0001].jpg"},
    {"only the written form of a counter counts",
     {"x.jpg", "x_[12].jpg", "x_[00012].jpg"},
     "x.jpg",
     ".jpg",
     "x_[0001].jpg"},
    {"past four digits", {"x.jpg", "x_[9999].jpg"}, "x.jpg", ".jpg", "x_[10000].jpg"},
    {"and on", {"x.jpg", "x_[9999].jpg", "x_[10000].jpg"}, "x.jpg", ".jpg", "x_[10001].jpg"},
    {"a stem with brackets of its own",
     {"party_[a].jpg"},
     "party_[a].jpg",
     ".jpg",
     "party_[a]_[0001].jpg"},
    {"a planned counter is replaced, not stacked",
     {"x_[0003].jpg"},
     "x_[0003].jpg",
     ".jpg",
     "x_[0004].jpg"},
    {"no extension", {"readme", "readme_[0001]"}, "README", "", "README_[0002]"},
    {"umlauts compare ignoring case",
     {"ärger.jpg", "ÄRGER_[0001].jpg"},
     "ÄRGER.JPG",
     ".JPG",
     "ÄRGER_[0002].JPG"},
    {"a folder of that name is taken too",
     {"x.jpg/", "x_[0001].jpg/"},
     "x.jpg",
     ".jpg",
     "x_[0002].jpg"},
};

TEST(MakeUniqueName, NextFreeCounterOfStemAndExtension) {
  for (const auto& c : kCases) {
    TargetFolderIndex index;
    for (std::string name : c.existing) {
      if (name.back() == '/') name.pop_back();
      index.Add(name);
    }
    const std::string unique = MakeUniqueName(c.planned, c.extension, index);
    EXPECT_EQ(unique, c.expected) << c.what;
    EXPECT_FALSE(index.Contains(unique)) << c.what;
  }
}

TEST(TargetFolderIndex, NameThenItsNumberedVariantsByCounter) {
  TargetFolderIndex index;
  for (const char* name : {"x_[0010].jpg", "X.JPG", "x_[0002].JPG", "x.jpg", "x_[12].jpg",
                           "x_[0001].png", "xx_[0001].jpg", "x_[0003].jpg"})
    index.Add(name);
  index.Add("x_[0001].jpg", "/quelle/a.jpg"); // planned: its bytes are still at the source
  index.Remove("x_[0003].jpg");
  std::vector<std::string> found;
  for (const TargetFolderIndex::Entry& entry : index.NameAndNumbered("X.jpg", "x", ".jpg"))
    found.push_back(entry.name + (entry.content.empty() ? "" : " in " + entry.content));
  EXPECT_EQ(found, (std::vector<std::string>{"X.JPG", "x.jpg", "x_[0001].jpg in /quelle/a.jpg",
                                             "x_[0002].JPG", "x_[0010].jpg"}));
  EXPECT_FALSE(index.Contains("x_[0003].jpg"));
  EXPECT_EQ(index.HighestCounter("x", ".jpg"), 10u);
}

// Enough names to grow the table many times, with removed names in its way
// and names that come back in another spelling.
TEST(TargetFolderIndex, KeepsItsAnswersThroughGrowthAndRemovals) {
  TargetFolderIndex index;
  const auto name = [](int i) { return "bild_" + std::to_string(i) + ".jpg"; };
  constexpr int kNames = 3000;
  for (int i = 0; i < kNames; ++i)
    index.Add(name(i), i % 7 == 0 ? "/quelle/" + name(i) : std::string());
  for (int i = 0; i < kNames; i += 3)
    index.Remove(name(i));
  for (int i = 0; i < kNames; i += 6)
    index.Add("BILD_" + std::to_string(i) + ".JPG");
  for (int i = 0; i < kNames; ++i) {
    const std::vector<TargetFolderIndex::Entry> named = index.Named(name(i));
    std::vector<std::string> found;
    for (const TargetFolderIndex::Entry& entry : named)
      found.push_back(entry.name + (entry.content.empty() ? "" : " in " + entry.content));
    std::vector<std::string> expected;
    if (i % 6 == 0) {
      expected = {"BILD_" + std::to_string(i) + ".JPG"};
    } else if (i % 3 != 0) {
      expected = {name(i) + (i % 7 == 0 ? " in /quelle/" + name(i) : "")};
    }
    ASSERT_EQ(found, expected) << i;
    EXPECT_EQ(index.Contains(name(i)), !expected.empty()) << i;
  }
}

TEST(TargetFolders, ListsEachFolderOnceAndCreatesMissingOnes) {
  testkit::TempDir dir;
  TargetFolders folders;
  EXPECT_EQ(folders.Prepare(dir.File("2023/05"), false), nullptr);
  TargetFolderIndex* index = folders.Prepare(dir.File("2023/05"), true);
  ASSERT_NE(index, nullptr);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("2023/05")));

  testkit::WriteFile(dir.File("2023/05/late.jpg"), "x"); // behind the run's back
  EXPECT_EQ(folders.Prepare(dir.File("2023/05"), true), index);
  EXPECT_FALSE(index->Contains("late.jpg"));
  // Another path to the same folder shares its listing.
  EXPECT_EQ(folders.Prepare(dir.File("2023/./05"), false), index);

  folders.Forget(dir.File("2023/05"));
  EXPECT_TRUE(folders.Prepare(dir.File("2023/05"), false)->Contains("LATE.JPG"));
}

} // namespace
