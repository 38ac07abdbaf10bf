// The look before a group moves takes what a member's own look told and
// asks the system for the rest: a stale or silent look must not let a file
// pass that cannot leave, nor hold back one that can.

#include "platform/move_precheck.h"
#include "platform/precheck_faults.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>

namespace {

struct ForecastCase {
  const char* what;
  bool pinnedBeforeLook; // the immutable flag set before the file is looked at
  bool pinnedAfterLook;  // set only after
  bool throughLink;      // the path is a link to the file
  MoveOutcome expected;
};

const ForecastCase kForecasts[] = {
    {"a free file", false, false, false, MoveOutcome::Moved},
    {"an immutable file, as its look told", true, false, false, MoveOutcome::SourceNotRemovable},
    // The look is what the run saw; the move itself meets the flag.
    {"a file made immutable after its look", false, true, false, MoveOutcome::Moved},
    // The link is the entry that leaves, and a link takes no flag.
    {"a link to an immutable file", true, false, true, MoveOutcome::Moved},
};

TEST(MoveForecast, TakesWhatTheLookToldAndAsksForTheRest) {
  for (const ForecastCase& c : kForecasts) {
    SCOPED_TRACE(c.what);
    testkit::TempDir dir;
    const std::string file = dir.File("IMG_0042.CR2"), folder = dir.File("ziel");
    testkit::WriteFile(file, "raw");
    std::filesystem::create_directory(folder);
    std::string path = file;
    if (c.throughLink) {
      path = dir.File("verweis.cr2");
      std::filesystem::create_symlink(file, path);
    }
    if (c.pinnedBeforeLook && !testkit::SetImmutable(file, true)) {
      std::cout << "no immutable flag here: row skipped\n";
      continue;
    }
    const std::optional<FileStatus> looked = StatusOf(path);
    ASSERT_TRUE(looked);
    if (c.pinnedAfterLook && !testkit::SetImmutable(file, true)) {
      std::cout << "no immutable flag here: row skipped\n";
      continue;
    }
    MoveForecast forecast;
    EXPECT_EQ(forecast.Move(path, *looked, folder, "2023-05-01_120732.cr2"), c.expected);
    testkit::SetImmutable(file, false);
  }
}

TEST(MoveForecast, AsksEachFolderOnceAndTellsNamesAndDevicesApart) {
  testkit::TempDir dir;
  const std::string file = dir.File("a.jpg"), folder = dir.File("ziel");
  testkit::WriteFile(file, "x");
  std::filesystem::create_directory(folder);
  const std::optional<FileStatus> looked = StatusOf(file);
  ASSERT_TRUE(looked);
  MoveForecast forecast;
  {
    const ScopedPrecheckFaults shortNames(PrecheckFaults{.nameMax = 8});
    EXPECT_EQ(forecast.Copy(folder, "12345678.jpg"), MoveOutcome::NameNotPossible);
  }
  // The folder's longest name was asked once: the fault's end changes nothing.
  EXPECT_EQ(forecast.Move(file, *looked, folder, "12345678.jpg"), MoveOutcome::NameNotPossible);
  EXPECT_EQ(MoveForecast().Move(file, *looked, folder, "12345678.jpg"), MoveOutcome::Moved);
  EXPECT_TRUE(forecast.OnFileSystemOf(file, looked->identity.device, folder));
  EXPECT_TRUE(forecast.OnFileSystemOf(file, std::nullopt, folder));
  EXPECT_FALSE(forecast.OnFileSystemOf(file, looked->identity.device + 1, folder));
}

} // namespace
