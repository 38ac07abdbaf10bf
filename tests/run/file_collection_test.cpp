#include "run/file_collection.h"
#include "tests/run/run_fixture.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class FileCollection : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name :
         {"b.png", "a.JPG", "c.mov", "x.mp4", "y.jpg.tif", "readme", ".h.jpg", "sub/d.JPEG",
          "sub/e.PNG", "sub2/f.jpg", ".thumbs/g.jpg", "sub/.git/h.jpg"}) {
      fs::create_directories(fs::path(root_ + name).parent_path());
      testkit::WriteFile(root_ + name, "x");
    }
  }

  std::vector<std::string> Relative(const CollectedFiles& list) const {
    std::vector<std::string> relative;
    for (const auto& path : runtest::PathsOf(list))
      relative.push_back(path.substr(root_.size()));
    return relative;
  }

  testkit::TempDir dir_;
  const std::string root_ = dir_.path() + "/";
};

TEST_F(FileCollection, GroupsByPatternThenTreeOrder) {
  CollectedFiles list;
  list.AddPath("left over");
  FillFileList(root_, list, {{false, true, true}, false, ListFill::Replace}, nullptr);
  // A file matching two patterns comes once, under the first.
  EXPECT_EQ(Relative(list),
            (std::vector<std::string>{".h.jpg", "a.JPG", "y.jpg.tif", "sub/d.JPEG", "sub2/f.jpg",
                                      "b.png", "sub/e.PNG", "c.mov"}));
  FillFileList(dir_.path(), list, {{false, false, true}, false, ListFill::Replace},
               nullptr); // no trailing separator
  EXPECT_EQ(Relative(list), (std::vector<std::string>{"c.mov"}));
}

TEST_F(FileCollection, AllTakesEveryFileWhateverTheOtherKinds) {
  const std::vector<std::string> every{".h.jpg",    "a.JPG",     "b.png",     "c.mov",
                                       "readme",    "x.mp4",     "y.jpg.tif", "sub/d.JPEG",
                                       "sub/e.PNG", "sub2/f.jpg"};
  for (const bool others : {false, true}) {
    CollectedFiles list;
    FillFileList(root_, list, {{true, others, others}, false, ListFill::Replace}, nullptr);
    EXPECT_EQ(Relative(list), every);
  }
  CollectedFiles none;
  none.AddPath("kept");
  FillFileList(root_, none, {{false, false, false}, false, ListFill::Append}, nullptr);
  EXPECT_EQ(runtest::PathsOf(none), std::vector<std::string>{"kept"});
}

TEST_F(FileCollection, StatusShowsTheCountOfEveryPatternWalkPerFolder) {
  runtest::FakeFrontEnd window;
  CollectedFiles list;
  FillFileList(root_, list, {{false, true, true}, false, ListFill::Replace}, &window);
  // Folders in walk order: root, sub, sub2. Matches per folder of the
  // patterns that find anything: *.jp* 3,1,1; *.png 1,1,0; *.mov 1,0,0.
  std::vector<int> expected{3, 4, 5, 5, 5, 5, 6, 7, 7}; // *.jp*, *.tif, *.png
  for (int walk = 0; walk < 6; ++walk)
    expected.insert(expected.end(), {7, 7, 7});        // bmp .. avi
  expected.insert(expected.end(), {8, 8, 8, 8, 8, 8}); // mov, divx
  std::vector<std::string> texts;
  for (const int count : expected)
    texts.push_back("Dateien gefunden: " + std::to_string(count) + "  ");
  EXPECT_EQ(window.statuses, texts);
  EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "Events"), 33);
  EXPECT_EQ(window.log[0], "Events"); // events first, then the count
}

std::vector<std::string> NamesOf(const CollectedFiles& list) {
  std::vector<std::string> names;
  for (size_t i = 0; i < list.Size(); ++i)
    names.emplace_back(list.Name(i));
  return names;
}

// A file whose last extension is a sidecar's is no picture or video, with
// or without the phone and camera formats; "Alle" still takes it.
TEST(SidecarCollection, OnlyEveryFileTakesASidecar) {
  testkit::TempDir dir;
  const std::vector<std::string> sidecars{"C0001M01.XML",   "DJI_0002.SRT", "IMG_1.JPG.xmp",
                                          "IMG_1.jpg.json", "a.jpg.thm",    "b.jpeg.pp3",
                                          "c.jpg.dop",      "d.mov.xml",    "e.mp4.aae"};
  for (const std::string& name : sidecars)
    testkit::WriteFile(dir.File(name), "x");
  testkit::WriteFile(dir.File("x.json.jpg"), "x");
  for (const bool modern : {false, true}) {
    CollectedFiles kinds, all;
    FillFileList(dir.path(), kinds, {{false, true, true}, modern, ListFill::Replace}, nullptr);
    EXPECT_EQ(NamesOf(kinds), std::vector<std::string>{"x.json.jpg"});
    FillFileList(dir.path(), all, {{true, false, false}, modern, ListFill::Replace}, nullptr);
    std::vector<std::string> every = sidecars;
    every.emplace_back("x.json.jpg");
    EXPECT_EQ(NamesOf(all), every);
  }
}

// The formats the option adds come behind today's patterns of their kind,
// in the order of their patterns; unticked, none of them is collected.
TEST(ModernFileCollection, NewPatternsComeBehindTodaysOfTheirKind) {
  testkit::TempDir dir;
  for (const char* name : {"a.webm", "b.srw", "c.mts", "d.heic", "e.mp4", "f.jxl", "g.jpg", "h.mov",
                           "i.raf", "j.webp", "k.mkv", "l.HIF", "m.m2ts"})
    testkit::WriteFile(dir.File(name), "x");
  const auto names = [&](bool modern) {
    CollectedFiles list;
    FillFileList(dir.path(), list, {{false, true, true}, modern, ListFill::Replace}, nullptr);
    std::vector<std::string> names;
    for (size_t i = 0; i < list.Size(); ++i)
      names.emplace_back(list.Name(i));
    return names;
  };
  EXPECT_EQ(names(true), (std::vector<std::string>{"g.jpg", "d.heic", "j.webp", "l.HIF", "i.raf",
                                                   "f.jxl", "b.srw", "m.m2ts", "h.mov", "e.mp4",
                                                   "c.mts", "k.mkv", "a.webm"}));
  EXPECT_EQ(names(false), (std::vector<std::string>{"g.jpg", "m.m2ts", "h.mov"}));
}
} // namespace
