// Files whose bytes are in the target already: recognised under the planned
// name or a numbered variant of it and left in the source, with the option
// ticked; numbered and moved as before otherwise. The dry run plans the same.

#include "run/distribution_run.h"
#include "run/internal/identical_files.h"
#include "platform/compare_faults.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace {

namespace fs = std::filesystem;
using runtest::FilesBelow;
using Files = std::vector<std::string>;

const std::string kStamp = "2023-05-01_120732";

// Writes bytes over the file at path in place, late enough that its change
// time moves on (it counts in steps of the kernel's clock tick).
void Rewrite(const std::string& path, const std::string& bytes) {
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  testkit::WriteFile(path, bytes);
}

// A picture of the day; tag makes its bytes differ.
std::string Picture(const std::string& tag) {
  return testkit::JpegWithExifDate("2023:05:01 12:07:32") + tag;
}

class IdenticalFilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    runtest::UseBerlinTime();
    fs::create_directories(target_);
    frontEnd_.options = {source_, target_, {}, true, false, FolderStructure::None, true};
  }

  // What became of each file, relative to the folders: "a.jpg -> NAME" when
  // it moved (or would), "a.jpg = NAME" when it lay in the target already.
  Files Run(RunMode mode) {
    frontEnd_.outcomes.clear();
    DistributionRun run(frontEnd_, mode);
    run.DistributeFiles();
    compared_ = run.ComparedBytes();
    Files report;
    for (const FileOutcome& o : frontEnd_.outcomes) {
      const char* sign = o.result == FileResult::AlreadyInTarget ? " = " : " -> ";
      report.push_back(o.source.substr(source_.size()) + sign + o.target.substr(target_.size()));
    }
    return report;
  }

  testkit::TempDir dir_;
  const std::string source_ = dir_.path() + "/quelle/";
  const std::string target_ = dir_.path() + "/ziel/";
  runtest::FakeFrontEnd frontEnd_;
  uint64_t compared_ = 0;
};

TEST_F(IdenticalFilesTest, TheSamePicturesSortedInTwiceStayInTheSecondCopy) {
  const std::map<std::string, std::string> card = {
      {"a.jpg", Picture("a")}, {"b.jpg", Picture("b")}, {"c.png", "png"}};
  for (const auto& [name, bytes] : card)
    runtest::WriteFileAt(source_ + name, bytes, runtest::LocalSeconds(2023, 6, 1, 8, 0, 0));
  Run(RunMode::Real);
  const Files sorted = FilesBelow(target_);
  for (const auto& [name, bytes] : card) // the card copied to the computer again
    runtest::WriteFileAt(source_ + name, bytes, runtest::LocalSeconds(2023, 6, 1, 8, 0, 0));

  const Files expected = {"a.jpg = " + kStamp + ".jpg", "b.jpg = " + kStamp + "_[0001].jpg",
                          "c.png = 2023-06-01_080000.png"};
  EXPECT_EQ(Run(RunMode::DryRun), expected);
  EXPECT_EQ(Run(RunMode::Real), expected);
  EXPECT_EQ(FilesBelow(target_), sorted);
  EXPECT_EQ(FilesBelow(source_), (Files{"a.jpg", "b.jpg", "c.png"}));
  EXPECT_EQ(frontEnd_.finishedStayed.size(), 3u);
  EXPECT_FALSE(AnyFailed(frontEnd_.finishedStayed));
  // Each file read once: b.jpg's first candidate was ruled out by its hash.
  size_t bytes = 0;
  for (const auto& entry : card)
    bytes += entry.second.size();
  EXPECT_EQ(compared_, 2 * bytes);
}

TEST_F(IdenticalFilesTest, OnlyEqualBytesUnderTheNameOrItsNumberedVariantsCount) {
  struct Case {
    const char* what;
    std::map<std::string, std::string> target, source; // name -> bytes
    bool skip;
    Files report;
  };
  const std::string p = kStamp;
  const Case cases[] = {
      {"one byte differs",
       {{p + ".jpg", Picture("1")}},
       {{"x.jpg", Picture("2")}},
       true,
       {"x.jpg -> " + p + "_[0001].jpg"}},
      {"equal to _[0003], not to the plain name",
       {{p + ".jpg", Picture("1")}, {p + "_[0003].jpg", Picture("3")}},
       {{"x.jpg", Picture("3")}},
       true,
       {"x.jpg = " + p + "_[0003].jpg"}},
      {"the same, unticked: numbered as before",
       {{p + ".jpg", Picture("1")}, {p + "_[0003].jpg", Picture("3")}},
       {{"x.jpg", Picture("3")}},
       false,
       {"x.jpg -> " + p + "_[0004].jpg"}},
      {"names compared ignoring case",
       {{p + ".jpg", Picture("1")}, {p + "_[0002].JPG", Picture("2")}},
       {{"x.jpg", Picture("2")}},
       true,
       {"x.jpg = " + p + "_[0002].JPG"}},
      {"two equal files in one run",
       {},
       {{"a.jpg", Picture("1")}, {"b.jpg", Picture("1")}},
       true,
       {"a.jpg -> " + p + ".jpg", "b.jpg = " + p + ".jpg"}},
      {"equal under another name is no match",
       {{"alt.jpg", Picture("1")}, {p + ".jpg", Picture("2")}},
       {{"x.jpg", Picture("1")}},
       true,
       {"x.jpg -> " + p + "_[0001].jpg"}},
      {"a link in the target is no copy",
       {{p + ".jpg", "link"}},
       {{"x.jpg", Picture("1")}},
       true,
       {"x.jpg -> " + p + "_[0001].jpg"}},
  };
  const std::string elsewhere = dir_.File("anderswo.jpg");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(source_);
    fs::remove_all(target_);
    fs::create_directories(target_);
    fs::create_directories(source_);
    for (const auto& [name, bytes] : c.target) {
      if (bytes != "link") {
        testkit::WriteFile(target_ + name, bytes);
        continue;
      }
      testkit::WriteFile(elsewhere, Picture("1"));
      fs::create_symlink(elsewhere, target_ + name);
    }
    for (const auto& [name, bytes] : c.source)
      testkit::WriteFile(source_ + name, bytes);
    frontEnd_.options.skipIdentical = c.skip;
    const Files before = FilesBelow(dir_.path());

    EXPECT_EQ(Run(RunMode::DryRun), c.report);
    EXPECT_EQ(FilesBelow(dir_.path()), before);
    EXPECT_EQ(Run(RunMode::Real), c.report);
    for (const std::string& line : c.report) {
      const bool stays = line.find(" = ") != std::string::npos;
      EXPECT_EQ(fs::exists(source_ + line.substr(0, line.find(' '))), stays) << line;
    }
  }
}

// A file that changed while it was compared is compared once more: only a
// second comparison that finds both unchanged and equal keeps the file in
// the source.
TEST_F(IdenticalFilesTest, AFileChangedDuringTheComparisonIsComparedOnceMore) {
  const std::string source = source_ + "x.jpg", planned = target_ + kStamp + ".jpg";
  const auto replace = [&] {
    testkit::WriteFile(planned + ".neu", Picture("2"));
    fs::rename(planned + ".neu", planned);
  };
  struct Case {
    const char* what;
    std::function<void()> change;
    bool always; // on the second comparison too
    std::string report;
  };
  const std::string numbered = "x.jpg -> " + kStamp + "_[0001].jpg";
  const Case cases[] = {
      {"target rewritten", [&] { Rewrite(planned, Picture("2")); }, false, numbered},
      {"target replaced", replace, false, numbered},
      {"source saved again", [&] { Rewrite(source, Picture("2")); }, false, numbered},
      {"target touched, bytes kept", [&] { Rewrite(planned, Picture("1")); }, false,
       "x.jpg = " + kStamp + ".jpg"},
      {"target touched on every look", [&] { Rewrite(planned, Picture("1")); }, true, numbered},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(source_);
    fs::remove_all(target_);
    fs::create_directories(source_);
    fs::create_directories(target_);
    testkit::WriteFile(planned, Picture("1"));
    testkit::WriteFile(source, Picture("1"));
    int comparisons = 0;
    ScopedCompareFaults faults({.afterFirstChunk = [&] {
      if (comparisons++ == 0 || c.always) c.change();
    }});
    EXPECT_EQ(Run(RunMode::Real), Files{c.report});
    EXPECT_EQ(comparisons, 2);
  }
}

// A hash read from a file that changed meanwhile is of neither version: kept,
// it would rule out the file's true twin later.
TEST_F(IdenticalFilesTest, AHashReadWhileTheFileChangedIsNotKept) {
  const std::string first = dir_.File("a.jpg"), candidate = dir_.File("c.jpg");
  const std::string second = dir_.File("b.jpg"), other = dir_.File("d.jpg");
  for (const auto& [path, tag] :
       {std::pair{first, "A"}, {candidate, "A"}, {second, "B"}, {other, "D"}})
    runtest::WriteFileAt(path, Picture(tag), runtest::LocalSeconds(2023, 6, 1, 8, 0, 0));
  IdenticalFiles identical;
  const auto find = [&](const std::string& source, const std::string& content) {
    return identical.Find(source, *StatusOf(source), {{content, content}});
  };
  EXPECT_FALSE(find(second, other)); // learns b.jpg's hash
  bool changed = false;
  {
    // c.jpg becomes b.jpg's twin under the same size and modification time.
    ScopedCompareFaults faults({.afterFirstChunk = [&] {
      if (std::exchange(changed, true)) return;
      Rewrite(candidate, Picture("B"));
      testkit::SetModifiedTime(candidate, runtest::LocalSeconds(2023, 6, 1, 8, 0, 0));
    }});
    EXPECT_FALSE(find(first, candidate));
  }
  EXPECT_EQ(find(second, candidate), candidate);
}

} // namespace
