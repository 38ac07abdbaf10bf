#include "platform/housekeeping_files.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Files = std::vector<std::string>;
class HousekeepingRunTest : public runtest::RunTest {};

// An entry of every row of the table, every second one in upper case (the
// systems that write them ignore case), and a folder holding nothing else:
// none is collected, counted or moved, with "Alle" and with "Bilder", and
// the folder stays. A "._" file is housekeeping only by its first bytes.
TEST_F(HousekeepingRunTest, StaysUncountedWithAllFilesAndWithPictures) {
  const std::string jpeg = testkit::JpegWithExifDate("2023:05:01 12:07:32");
  for (const FileKinds kinds : {FileKinds{true, false, false}, FileKinds{false, true, false}}) {
    SCOPED_TRACE(kinds.all ? "Alle" : "Bilder");
    fs::remove_all(source_);
    fs::remove_all(target_);
    fs::create_directories(target_);
    Files housekeeping{"._IMG_1.JPG", "nur/.DS_Store", "nur/Thumbs.db"};
    for (size_t i = 0; i < std::size(kHousekeepingNames); ++i) {
      std::string name(kHousekeepingNames[i].name);
      if (i % 2) std::transform(name.begin(), name.end(), name.begin(), AsciiUpper);
      const HousekeepingMatch match = kHousekeepingNames[i].match;
      if (match == HousekeepingMatch::Folder) housekeeping.push_back(name + "/IMG_1.JPG/t.jpg");
      if (match == HousekeepingMatch::File) housekeeping.push_back("sub/" + name);
      if (match == HousekeepingMatch::FilePrefix) housekeeping.push_back("sub/" + name + "XL.jpg");
    }
    for (const std::string& file : housekeeping)
      runtest::WriteFileAt(source_ + file, jpeg, 0);
    testkit::WriteFile(source_ + "._IMG_1.JPG",
                       std::string("\x00\x05\x16\x07", 4) + jpeg.substr(4));
    runtest::WriteFileAt(source_ + "._x.jpg", jpeg, 0); // a picture, named like a resource fork
    runtest::WriteFileAt(source_ + "sub/IMG_2.JPG", jpeg, 0);
    frontEnd_.log.clear();
    frontEnd_.options.kinds = kinds;
    frontEnd_.options.keepOriginalName = true;
    EXPECT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(std::count(frontEnd_.log.begin(), frontEnd_.log.end(), "Start? 2"), 1);
    EXPECT_TRUE(frontEnd_.finishedStayed.empty());
    std::sort(housekeeping.begin(), housekeeping.end());
    EXPECT_EQ(runtest::FilesBelow(source_), housekeeping);
    EXPECT_EQ(runtest::FilesBelow(target_),
              (Files{"2023/05/2023-05-01_120732_._x.jpg", "2023/05/2023-05-01_120732_img_2.jpg"}));
  }
}

} // namespace
