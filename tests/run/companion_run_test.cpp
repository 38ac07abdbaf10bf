// Pictures that belong together travel together: a raw and its JPEG, a Live
// Photo's still and clip, and their sidecars land side by side under one
// stem and one counter, each member reported, and go back together.

#include "platform/move_faults.h"
#include "platform/precheck_faults.h"
#include "run/distribution_run.h"
#include "run/run_record.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/testkit.h"
#include "tests/kit/tiff_builder.h"
#include "tests/run/run_fixture.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using runtest::FilesBelow;
using runtest::LocalSeconds;
using Files = std::vector<std::string>;

const std::string kJpeg = testkit::JpegWithExifDate("2023:05:01 12:07:32");
// A clip whose movie header starts at this UTC time.
std::string ClipAt(int year, int month, int day, int hour, int minute, int second) {
  return testkit::MovieFile(
      testkit::Mvhd(testkit::MovieSeconds(year, month, day, hour, minute, second)));
}

class CompanionRunTest : public runtest::RunTest {
protected:
  void SetUp() override {
    RunTest::SetUp();
    frontEnd_.options.companions = true;
  }
  // Empty source and target folders for the next row of a table.
  void Fresh() {
    fs::remove_all(source_);
    fs::remove_all(target_);
    fs::create_directories(target_);
  }
  // A file last changed on New Year's Day 2020 unless said otherwise.
  void Add(const std::string& name, const std::string& bytes,
           time_t modified = LocalSeconds(2020, 1, 1, 0, 0, 0)) {
    runtest::WriteFileAt(source_ + name, bytes, modified);
  }
  void AddSample(const std::string& name, const std::string& sample) {
    Add(name, testkit::ReadWholeFile(std::string(FOTOMAZ_FORMAT_SAMPLES_DIR) + "/" + sample));
  }
  // "relative source: reason" of every file that stayed.
  Files Stayed() const { return Stayed(frontEnd_.finishedStayed); }
  Files Stayed(const std::vector<FileOutcome>& outcomes) const {
    Files stayed;
    for (const FileOutcome& outcome : outcomes) {
      std::string reason = outcome.result == FileResult::AlreadyInTarget ? kAlreadyInTargetText
                                                                         : StayReasonText(outcome);
      if (const size_t at = reason.find(target_); at != std::string::npos)
        reason.replace(at, target_.size(), "ZIEL/");
      stayed.push_back(outcome.source.substr(source_.size()) + ": " + reason);
    }
    return stayed;
  }
  std::string Target(const std::string& name) const {
    return testkit::ReadWholeFile(target_ + name);
  }
};

struct GroupCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files; // name, sample or bytes
  FileKinds kinds;
  Files target;
  Files source; // left behind
};

const GroupCase kGroups[] = {
    {"raw, JPEG and both forms of XMP; the raw and XMPs come along unasked",
     {{"IMG_0042.JPG", "jpeg"},
      {"IMG_0042.CR2", "raw"},
      {"IMG_0042.CR2.xmp", "x1"},
      {"IMG_0042.xmp", "x2"},
      {"lonely.xmp", "x3"}},
     {},
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.cr2.xmp",
      "2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.xmp"},
     {"lonely.xmp"}},
    {"Live Photo: the still's own date leads, the clip and its edits follow",
     // The clip starts a second before the still (05:06:07 in Berlin).
     {{"IMG_1234.HEIC", "@image.heic"},
      {"IMG_1234.MOV", ClipAt(2019, 3, 4, 4, 6, 6)},
      {"IMG_1234.AAE", "a"}},
     {},
     {"2019/03/2019-03-04_050607.aae", "2019/03/2019-03-04_050607.heic",
      "2019/03/2019-03-04_050607.mov"},
     {}},
    {"Google export data in both name forms",
     {{"IMG_2000.jpg", "jpeg"},
      {"IMG_2000.jpg.json", "{}"},
      {"P1.JPG", "jpeg"},
      {"P1.JPG.supplemental-metadata.json", "{}"}},
     {},
     {"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.jpg.json",
      "2023/05/2023-05-01_120732_[0001].jpg",
      "2023/05/2023-05-01_120732_[0001].jpg.supplemental-metadata.json"},
     {}},
    {"a clip and its thumbnail, by the clip's time",
     {{"MVI_0001.AVI", "clip"}, {"MVI_0001.THM", "thumb"}},
     {},
     {"2020/01/2020-01-01_000000.avi", "2020/01/2020-01-01_000000.thm"},
     {}},
    {"a clip 10 s after the still is of its shot",
     {{"IMG_7.JPG", "jpeg"}, {"IMG_7.MOV", ClipAt(2023, 5, 1, 10, 7, 42)}},
     {.pictures = true, .videos = true},
     {"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.mov"},
     {}},
    {"a clip 11 s after it is a stranger of the same number, dated on its own",
     {{"IMG_7.JPG", "jpeg"}, {"IMG_7.MOV", ClipAt(2023, 5, 1, 10, 7, 43)}},
     {.pictures = true, .videos = true},
     {"2020/01/2020-01-01_000000.mov", "2023/05/2023-05-01_120732.jpg"},
     {}},
    {"a TIFF of 2018 and a JPEG of 2023 are strangers; the sidecars still join by name",
     {{"IMG_1.JPG", "jpeg"},
      {"IMG_1.TIF", "@original.tif"},
      {"IMG_1.xmp", "x"},
      {"IMG_1.TIF.xmp", "t"}},
     {},
     {"2020/01/2020-01-01_000000.tif", "2020/01/2020-01-01_000000.tif.xmp",
      "2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.xmp"},
     {}},
    {"with Alle, other files of one base name stay apart, a lone sidecar is an ordinary file",
     {{"report.pdf", "p"}, {"report.docx", "d"}, {"lonely.xmp", "x"}},
     {.all = true},
     {"2020/01/2020-01-01_000000.docx", "2020/01/2020-01-01_000000.pdf",
      "2020/01/2020-01-01_000000.xmp"},
     {}},
};

TEST_F(CompanionRunTest, GroupsLandSideBySideUnderTheirLeadersName) {
  for (const GroupCase& c : kGroups) {
    SCOPED_TRACE(c.what);
    Fresh();
    for (const auto& [name, bytes] : c.files) {
      if (bytes == "jpeg")
        Add(name, kJpeg);
      else if (bytes.starts_with("@"))
        AddSample(name, bytes.substr(1));
      else
        Add(name, bytes);
    }
    frontEnd_.options.kinds = c.kinds;
    frontEnd_.outcomes.clear();
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), c.target);
    EXPECT_EQ(FilesBelow(source_), c.source);
    // Each member is counted and reported as a file of its own.
    EXPECT_EQ(frontEnd_.outcomes.size(), c.target.size());
    EXPECT_EQ(static_cast<size_t>(frontEnd_.progressMaximum + 1), c.target.size());
  }
}

// Files that join by a name of their own form. Each file holds its name and
// was last changed at minute minute of New Year's Day 2020 (the group's
// date: none has a capture date).
struct NamedCase {
  const char* what;
  std::vector<std::pair<std::string, int>> files; // name, minute
  Files target;
  Files source = {}; // left behind
  Files taken = {};  // in the target beforehand
};

const NamedCase kNamedGroups[] = {
    {"every name an export gives a picture's data; the cut and numbered ones filed in full form",
     {{"Screenshot_20260501-120732.png", 1},
      {"Screenshot_20260501-120732.png.supplemental-me.json", 0},
      {"Screenshot_20260501-1207.jpeg", 2},
      {"Screenshot_20260501-1207.jpeg.supplemental-met.json", 0},
      {"Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_am_See.jpg", 3},
      {"Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_.json", 0},
      {"IMG_4.jpg", 4},
      {"IMG_4.jpg.supplemental-metadata.json", 0},
      {"IMG_4(1).jpg", 5},
      {"IMG_4.jpg.supplemental-metadata(1).json", 0},
      {"IMG_6(1).jpg", 6},
      {"IMG_6.jpg(1).json", 0}},
     // The screenshot is dated by its name.
     {"2026/05/2026-05-01_120732.png", "2026/05/2026-05-01_120732.png.supplemental-metadata.json",
      "2020/01/2020-01-01_000200.jpeg", "2020/01/2020-01-01_000200.jpeg.supplemental-metadata.json",
      "2020/01/2020-01-01_000300.jpg", "2020/01/2020-01-01_000300.jpg.json",
      "2020/01/2020-01-01_000400.jpg", "2020/01/2020-01-01_000400.jpg.supplemental-metadata.json",
      "2020/01/2020-01-01_000500.jpg", "2020/01/2020-01-01_000500.jpg.supplemental-metadata.json",
      "2020/01/2020-01-01_000600.jpg", "2020/01/2020-01-01_000600.jpg.json"}},
    {"another picture's data, a number no picture has, a cut not at 51 or two pictures share stay "
     "apart",
     {{"Bild_5.png", 5},
      {"Bild_6.png.json", 0},
      {"Bild_5.png(1).json", 0},
      {"Screenshot_20260501-120732.png", 1},
      {"Screenshot_20260501-120732.png.supplemental-m.json", 0},
      {"Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_am_See.jpg", 7},
      {"Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_am_Meer.jpg", 8},
      {"Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_.json", 0}},
     {"2020/01/2020-01-01_000500.png", "2020/01/2020-01-01_000700.jpg",
      "2020/01/2020-01-01_000800.jpg", "2026/05/2026-05-01_120732.png"},
     {"Bild_5.png(1).json", "Bild_6.png.json",
      "Ein_sehr_langer_Name_fuer_ein_Bild_vom_Urlaub_.json",
      "Screenshot_20260501-120732.png.supplemental-m.json"}},
    {"an edited copy follows its original, which keeps its data and leads; a lone one is a file",
     {{"IMG_7.HEIC", 7},
      {"IMG_7-edited.jpg", 8},
      {"IMG_7.HEIC.supplemental-metadata.json", 0},
      {"IMG_9.jpg", 9},
      {"IMG_9-MODIFIÉ.jpg", 10},
      {"IMG_8-bearbeitet.jpg", 11}},
     {"2020/01/2020-01-01_000700_[0003]-edited.jpg", "2020/01/2020-01-01_000700_[0003].heic",
      "2020/01/2020-01-01_000700_[0003].heic.supplemental-metadata.json",
      "2020/01/2020-01-01_000900.jpg", "2020/01/2020-01-01_000900-modifié.jpg",
      "2020/01/2020-01-01_001100.jpg"},
     {},
     // A taken edited name pushes the group past its counter.
     {"2020/01/2020-01-01_000700.heic", "2020/01/2020-01-01_000700_[0002]-edited.jpg"}},
    {"a clip's data, GoPro's low-resolution copy and iCloud's Live Photo clip",
     {{"C0001.MP4", 1},
      {"C0001M01.XML", 0},
      {"DJI_0002.MP4", 2},
      {"DJI_0002.SRT", 0},
      {"GX010001.MP4", 3},
      {"GL010001.LRV", 30},
      {"GX010001.THM", 0},
      {"GH010004.MP4", 4},
      {"GL010004.LRV", 40},
      {"IMG_100.HEIC", 5},
      {"IMG_100_HEIC.MOV", 50}},
     {"2020/01/2020-01-01_000100.mp4", "2020/01/2020-01-01_000100m01.xml",
      "2020/01/2020-01-01_000200.mp4", "2020/01/2020-01-01_000200.srt",
      "2020/01/2020-01-01_000300.lrv", "2020/01/2020-01-01_000300.mp4",
      "2020/01/2020-01-01_000300.thm", "2020/01/2020-01-01_000400.lrv",
      "2020/01/2020-01-01_000400.mp4", "2020/01/2020-01-01_000500.heic",
      "2020/01/2020-01-01_000500_heic.mov"}},
    {"near misses of those stay apart",
     {{"C0002.MP4", 2},
      {"C0001M02.XML", 0},
      {"GX020001.MP4", 3},
      {"GL010001.LRV", 30},
      {"DJI_0003.MP4", 4},
      {"DJI_0004.SRT", 0},
      {"IMG_101.HEIC", 5},
      {"IMG_102_HEIC.MOV", 50}},
     {"2020/01/2020-01-01_000200.mp4", "2020/01/2020-01-01_000300.mp4",
      "2020/01/2020-01-01_000400.mp4", "2020/01/2020-01-01_000500.heic",
      "2020/01/2020-01-01_003000.lrv", "2020/01/2020-01-01_005000.mov"},
     {"C0001M02.XML", "DJI_0004.SRT"}},
};

TEST_F(CompanionRunTest, FilesNamedAfterAPictureInTheirOwnFormJoinIt) {
  frontEnd_.options.modernFormats = true;
  for (const NamedCase& c : kNamedGroups) {
    SCOPED_TRACE(c.what);
    Fresh();
    for (const std::string& name : c.taken)
      runtest::WriteFileAt(target_ + name, "old", LocalSeconds(2021, 1, 1, 0, 0, 0));
    for (const auto& [name, minute] : c.files)
      Add(name, name, LocalSeconds(2020, 1, 1, 0, minute, 0));
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    Files expected = c.target;
    expected.insert(expected.end(), c.taken.begin(), c.taken.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesBelow(target_), expected);
    EXPECT_EQ(FilesBelow(source_), c.source);
  }
}

TEST_F(CompanionRunTest, ABurstKeepsEachRawWithItsJpeg) {
  // A name taken by a sidecar alone pushes the whole burst past its counter.
  runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732_[0002].cr2.xmp", "old",
                       LocalSeconds(2021, 1, 1, 0, 0, 0));
  for (int shot = 1; shot <= 5; ++shot) {
    const std::string base = "IMG_000" + std::to_string(shot);
    Add(base + ".JPG", kJpeg + std::to_string(shot));
    Add(base + ".CR2", "raw " + std::to_string(shot));
    Add(base + ".CR2.xmp", "xmp " + std::to_string(shot));
  }
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_TRUE(FilesBelow(source_).empty());
  const std::string stems[] = {"2023-05-01_120732", "2023-05-01_120732_[0003]",
                               "2023-05-01_120732_[0004]", "2023-05-01_120732_[0005]",
                               "2023-05-01_120732_[0006]"};
  for (int shot = 1; shot <= 5; ++shot) {
    const std::string stem = "2023/05/" + stems[shot - 1];
    EXPECT_EQ(Target(stem + ".jpg"), kJpeg + std::to_string(shot));
    EXPECT_EQ(Target(stem + ".cr2"), "raw " + std::to_string(shot));
    EXPECT_EQ(Target(stem + ".cr2.xmp"), "xmp " + std::to_string(shot));
  }
  EXPECT_EQ(Target("2023/05/2023-05-01_120732_[0002].cr2.xmp"), "old");
}

TEST_F(CompanionRunTest, AGroupWhoseNamesArePartlyTakenMovesOnOneCounter) {
  runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732.cr2", "other",
                       LocalSeconds(2021, 1, 1, 0, 0, 0));
  Add("IMG_0042.JPG", kJpeg);
  Add("IMG_0042.CR2", "raw");
  Add("IMG_0042.xmp", "x");
  frontEnd_.options.keepOriginalName = true;
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  // Appended names are decided once, for the leader.
  EXPECT_EQ(
      FilesBelow(target_),
      (Files{"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732_img_0042.cr2",
             "2023/05/2023-05-01_120732_img_0042.jpg", "2023/05/2023-05-01_120732_img_0042.xmp"}));
  fs::rename(target_ + "2023/05/2023-05-01_120732_img_0042.cr2", source_ + "IMG_0042.CR2");
  fs::rename(target_ + "2023/05/2023-05-01_120732_img_0042.jpg", source_ + "IMG_0042.JPG");
  fs::rename(target_ + "2023/05/2023-05-01_120732_img_0042.xmp", source_ + "IMG_0042.xmp");
  frontEnd_.options.keepOriginalName = false;
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(
      FilesBelow(target_),
      (Files{"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732_[0001].cr2",
             "2023/05/2023-05-01_120732_[0001].jpg", "2023/05/2023-05-01_120732_[0001].xmp"}));
}

struct FaultCase {
  const char* what;
  bool leaderFails; // else the raw fails once the JPEG is moved
  Files target;
  Files stayed;
};

const FaultCase kFaults[] = {
    {"a member that cannot leave stays; the rest moves",
     false,
     {"2023/05/2023-05-01_120732.jpg"},
     {"IMG_0042.CR2: Quelle nicht löschbar", "IMG_0042.xmp: Quelle nicht löschbar"}},
    {"members that cannot leave, seen before the leader moves, keep the group whole",
     true,
     {},
     {"IMG_0042.JPG: Quelle nicht löschbar", "IMG_0042.CR2: Quelle nicht löschbar",
      "IMG_0042.xmp: Quelle nicht löschbar"}},
};

TEST_F(CompanionRunTest, AMemberThatCannotMoveIsReportedWithItsOwnReason) {
  for (const FaultCase& c : kFaults) {
    SCOPED_TRACE(c.what);
    Fresh();
    Add("IMG_0042.JPG", kJpeg);
    Add("IMG_0042.CR2", "raw");
    Add("IMG_0042.xmp", "x");
    MoveFaults faults{.renameCrossDevice = true, .sourceImmutable = c.leaderFails};
    // Once the leader is across, the others cannot leave their folder.
    faults.afterStep = [](CopyStep step) {
      if (step == CopyStep::SourceRemoved) ActiveFaults<MoveFaults>().sourceImmutable = true;
    };
    const ScopedMoveFaults scoped(faults);
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), c.target);
    EXPECT_EQ(Stayed(), c.stayed);
  }
}

// A refusal of one member that can be seen before anything moves keeps the
// whole group in the source; each member is reported.
struct PrecheckCase {
  const char* what;
  PrecheckFaults faults;
  bool acrossFileSystems;
  bool rawImmutable; // the raw's immutable flag set
  Files target;
  Files stayed;
};

const size_t kJpegSize = kJpeg.size();
const PrecheckCase kPrechecks[] = {
    {"the XMP's longer name does not fit the target's file system",
     {.nameMax = 24},
     false,
     false,
     {},
     {"IMG_0042.JPG: gehört zu einer Datei, die geblieben ist",
      "IMG_0042.CR2: gehört zu einer Datei, die geblieben ist",
      "IMG_0042.CR2.xmp: Name im Ziel nicht möglich"}},
    {"the raw may not leave its folder",
     {},
     true,
     true,
     {},
     {"IMG_0042.JPG: gehört zu einer Datei, die geblieben ist",
      "IMG_0042.CR2: Quelle nicht löschbar",
      "IMG_0042.CR2.xmp: gehört zu einer Datei, die geblieben ist"}},
    {"across file systems the free space holds the JPEG alone",
     {.freeBytes = kJpegSize + 1},
     true,
     false,
     {},
     {"IMG_0042.JPG: gehört zu einer Datei, die geblieben ist", "IMG_0042.CR2: kein Platz im Ziel",
      "IMG_0042.CR2.xmp: kein Platz im Ziel"}},
    {"on one file system a rename needs no room",
     {.freeBytes = 0},
     false,
     false,
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.cr2.xmp",
      "2023/05/2023-05-01_120732.jpg"},
     {}},
};

// Sets or clears the immutable flag of the file at path; false where the
// file system or the process may not.
TEST_F(CompanionRunTest, AMemberThatCannotMoveSeenBeforehandKeepsTheWholeGroup) {
  for (const PrecheckCase& c : kPrechecks) {
    SCOPED_TRACE(c.what);
    Fresh();
    Add("IMG_0042.JPG", kJpeg);
    Add("IMG_0042.CR2", "raw");
    Add("IMG_0042.CR2.xmp", "x");
    if (c.rawImmutable && !testkit::SetImmutable(source_ + "IMG_0042.CR2", true)) {
      std::cout << "no immutable flag here: row skipped\n";
      continue;
    }
    const ScopedPrecheckFaults precheck(c.faults);
    const ScopedMoveFaults moves(MoveFaults{.renameCrossDevice = c.acrossFileSystems});
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    if (c.rawImmutable) testkit::SetImmutable(source_ + "IMG_0042.CR2", false);
    EXPECT_EQ(FilesBelow(target_), c.target);
    EXPECT_EQ(Stayed(), c.stayed);
    // No folder is left behind for a group that stayed.
    EXPECT_EQ(fs::exists(target_ + "2023"), !c.target.empty());
  }
}

// A member edited while its leader moves is recorded as it moves: the undo
// takes it back as it is, edits and all.
struct EditCase {
  const char* what;
  std::string edited;
  time_t modified;
};

const EditCase kEdits[] = {
    {"the XMP grows and gets a new time", "x, edited", LocalSeconds(2020, 1, 2, 0, 0, 0)},
    {"the XMP is rewritten, its time set back", "y", LocalSeconds(2019, 1, 1, 0, 0, 0)},
};

TEST_F(CompanionRunTest, AMemberEditedWhileItsLeaderMovesIsTakenBackAsItIs) {
  const std::string records = dir_.path() + "/aufzeichnungen/";
  run_.RecordInto(records);
  for (const EditCase& c : kEdits) {
    SCOPED_TRACE(c.what);
    Fresh();
    Add("IMG_0042.JPG", kJpeg);
    Add("IMG_0042.CR2", "raw");
    Add("IMG_0042.xmp", "x");
    // The leader is copied, so the test gets a moment in its move; the
    // members are renamed, which keeps what the run saw of them.
    MoveFaults faults{.renameCrossDevice = true};
    faults.afterStep = [&](CopyStep step) {
      if (step != CopyStep::SourceRemoved) return;
      runtest::WriteFileAt(source_ + "IMG_0042.xmp", c.edited, c.modified);
      ActiveFaults<MoveFaults>().renameCrossDevice = false;
    };
    const Files moved{"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.jpg",
                      "2023/05/2023-05-01_120732.xmp"};
    {
      const ScopedMoveFaults scoped(faults);
      ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    }
    EXPECT_EQ(FilesBelow(target_), moved);
    UndoRun undo(frontEnd_, records);
    EXPECT_EQ(undo.TakeBack(), RunOutcome::Completed);
    for (const FileOutcome& stayed : undo.StayedFiles())
      ADD_FAILURE() << StayedLine(stayed);
    EXPECT_EQ(testkit::ReadWholeFile(source_ + "IMG_0042.xmp"), c.edited);
    EXPECT_TRUE(FilesBelow(target_).empty());
  }
}

// A run killed once the leader moved across file systems: what the next run
// or undo makes of the members by what happened to them since.
struct SplitCase {
  const char* what;
  bool byUndo;
  std::function<void(const std::string& source)> since;
  Files target; // after the next run
  Files stayed;
};

const SplitCase kSplits[] = {
    {"untouched, they follow their leader",
     false,
     [](const std::string&) {},
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.jpg",
      "2023/05/2023-05-01_120732.xmp"},
     {}},
    {"a raw edited since stays, reported, and is not filed on its own",
     false,
     [](const std::string& source) {
       runtest::WriteFileAt(source + "IMG_0042.CR2", "raw, edited",
                            LocalSeconds(2021, 1, 1, 0, 0, 0));
     },
     {"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.xmp"},
     {"IMG_0042.CR2: nach einem Abbruch von seiner Gruppe getrennt: "
      "ZIEL/2023/05/2023-05-01_120732.cr2"}},
    {"a raw taken away since is no member left behind",
     false,
     [](const std::string& source) { fs::remove(source + "IMG_0042.CR2"); },
     {"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732.xmp"},
     {}},
    {"the undo completes the group and takes it all back", true, [](const std::string&) {}, {}, {}},
};

TEST_F(CompanionRunTest, AGroupSplitByAKillIsCompletedOrEachMemberLeftBehindReported) {
  const std::string records = dir_.path() + "/aufzeichnungen/";
  run_.RecordInto(records);
  for (const SplitCase& c : kSplits) {
    SCOPED_TRACE(c.what);
    Fresh();
    fs::remove_all(records);
    Add("IMG_0042.JPG", kJpeg);
    Add("IMG_0042.CR2", "raw");
    Add("IMG_0042.xmp", "x");
    const Files before = testkit::ExactTree(source_);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ScopedMoveFaults faults({.renameCrossDevice = true, .afterStep = [](CopyStep step) {
                                 if (step == CopyStep::SourceRemoved) _exit(0);
                               }});
      run_.DistributeFiles();
      _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(FilesBelow(target_), Files{"2023/05/2023-05-01_120732.jpg"});
    c.since(source_);
    if (c.byUndo) {
      UndoRun undo(frontEnd_, records);
      ASSERT_EQ(undo.TakeBack(), RunOutcome::Completed);
      EXPECT_EQ(testkit::ExactTree(source_), before);
      EXPECT_EQ(Stayed(undo.StayedFiles()), c.stayed);
    } else {
      // A source emptied by the completion (or holding only a raw, which
      // is not collected) holds nothing to collect.
      const RunOutcome outcome = run_.DistributeFiles();
      EXPECT_TRUE(outcome == RunOutcome::Completed || outcome == RunOutcome::NothingFound);
      EXPECT_EQ(Stayed(run_.StayedFiles()), c.stayed);
    }
    EXPECT_EQ(FilesBelow(target_), c.target);
  }
}

struct IdenticalCase {
  const char* what;
  std::string inTargetJpeg, inTargetXmp;
  Files target;
  Files stayed;
};

const IdenticalCase kIdentical[] = {
    {"the whole group is there already",
     kJpeg,
     "x",
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.jpg",
      "2023/05/2023-05-01_120732.xmp"},
     {"IMG_0042.JPG: schon im Ziel vorhanden", "IMG_0042.CR2: schon im Ziel vorhanden",
      "IMG_0042.xmp: schon im Ziel vorhanden"}},
    {"an XMP edited since is not numbered apart from its picture",
     kJpeg,
     "x, edited",
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.jpg",
      "2023/05/2023-05-01_120732.xmp"},
     {"IMG_0042.JPG: schon im Ziel vorhanden", "IMG_0042.CR2: schon im Ziel vorhanden",
      "IMG_0042.xmp: weicht von der Datei im Ziel ab: ZIEL/2023/05/2023-05-01_120732.xmp"}},
    {"a picture that differs takes its group to a new counter",
     kJpeg + "other",
     "x",
     {"2023/05/2023-05-01_120732.cr2", "2023/05/2023-05-01_120732.jpg",
      "2023/05/2023-05-01_120732.xmp", "2023/05/2023-05-01_120732_[0001].cr2",
      "2023/05/2023-05-01_120732_[0001].jpg", "2023/05/2023-05-01_120732_[0001].xmp"},
     {}},
};

TEST_F(CompanionRunTest, WithGleichecbAGroupIsThereOnlyWhenAllItsPicturesAre) {
  frontEnd_.options.skipIdentical = true;
  for (const IdenticalCase& c : kIdentical) {
    SCOPED_TRACE(c.what);
    Fresh();
    const time_t old = LocalSeconds(2021, 1, 1, 0, 0, 0);
    runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732.jpg", c.inTargetJpeg, old);
    runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732.cr2", "raw", old);
    runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732.xmp", c.inTargetXmp, old);
    Add("IMG_0042.JPG", kJpeg);
    Add("IMG_0042.CR2", "raw");
    Add("IMG_0042.xmp", "x");
    ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
    EXPECT_EQ(FilesBelow(target_), c.target);
    EXPECT_EQ(Stayed(), c.stayed);
  }
}

// The dry run plans what the real run does, member by member, and the undo
// takes every member back.
TEST_F(CompanionRunTest, ADryRunPlansAndAnUndoTakesBackEveryMember) {
  const std::string records = dir_.path() + "/aufzeichnungen/";
  runtest::WriteFileAt(target_ + "2023/05/2023-05-01_120732.jpg", "resident",
                       LocalSeconds(2021, 1, 1, 0, 0, 0));
  for (const char* base : {"IMG_1", "sub/IMG_2", "sub/IMG_3"}) {
    Add(std::string(base) + ".JPG", kJpeg + base);
    Add(std::string(base) + ".CR2", base);
    Add(std::string(base) + ".CR2.xmp", base);
  }
  Add("sub/IMG_3.MOV", "clip", LocalSeconds(2022, 6, 7, 8, 9, 10));
  const Files source = testkit::ExactTree(source_), target = testkit::ExactTree(target_);

  runtest::FakeFrontEnd planFrontEnd;
  planFrontEnd.options = frontEnd_.options;
  DistributionRun plan(planFrontEnd, RunMode::DryRun);
  ASSERT_EQ(plan.DistributeFiles(), RunOutcome::Completed);
  run_.RecordInto(records);
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_TRUE(FilesBelow(source_).empty());
  ASSERT_EQ(planFrontEnd.outcomes.size(), frontEnd_.outcomes.size());
  for (size_t i = 0; i < frontEnd_.outcomes.size(); ++i) {
    EXPECT_EQ(planFrontEnd.outcomes[i].source, frontEnd_.outcomes[i].source);
    EXPECT_EQ(planFrontEnd.outcomes[i].target, frontEnd_.outcomes[i].target);
    // The preview shows the group's date on every member.
    EXPECT_TRUE(planFrontEnd.outcomes[i].dated) << planFrontEnd.outcomes[i].source;
  }

  EXPECT_TRUE(testkit::Contains(testkit::ReadWholeFile(NewestUndoableRecord(records)),
                                " ordner=monat begleiter=ja kopieren=nein\n"));

  UndoRun undo(frontEnd_, records);
  EXPECT_EQ(undo.TakeBack(), RunOutcome::Completed);
  EXPECT_TRUE(undo.StayedFiles().empty());
  EXPECT_EQ(testkit::ExactTree(source_), source);
  EXPECT_EQ(testkit::ExactTree(target_), target);
}

// Unticked, every file is dated and named on its own, and what is not
// collected stays: the run it always was.
TEST_F(CompanionRunTest, WithoutTheOptionEachFileGoesItsOwnWay) {
  frontEnd_.options.companions = false;
  frontEnd_.options.kinds.all = true;
  Add("IMG_0042.JPG", kJpeg);
  Add("IMG_0042.CR2.xmp", "x", LocalSeconds(2024, 2, 3, 4, 5, 6));
  Add("IMG_1234.jpg.json", "{}");
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  EXPECT_EQ(FilesBelow(target_),
            (Files{"2020/01/2020-01-01_000000.json", "2023/05/2023-05-01_120732.jpg",
                   "2024/02/2024-02-03_040506.xmp"}));
}

// A group decided with its batch behind four files, and what happens before
// its turn: the run sees the group as it would in a batch of its own.
struct BatchTurnCase {
  const char* what;
  std::function<void(runtest::FakeFrontEnd&, DistributionRun&)> beforeItsTurn;
  RunOutcome outcome;
  Files target;
};

const Files kBeforeTheGroup{"2023/05/2023-05-01_120732.jpg", "2023/05/2023-05-01_120732_[0001].jpg",
                            "2023/05/2023-05-01_120732_[0002].jpg",
                            "2023/05/2023-05-01_120732_[0003].jpg"};

const BatchTurnCase kBatchTurns[] = {
    {"a stop leaves it whole in the source, and no folder made for it",
     [](runtest::FakeFrontEnd&, DistributionRun& run) { run.RequestStop(); }, RunOutcome::Stopped,
     kBeforeTheGroup},
    {"a change of the options decides it again",
     [](runtest::FakeFrontEnd& frontEnd, DistributionRun&) {
       frontEnd.options.structure = FolderStructure::Year;
     },
     RunOutcome::Completed,
     [] {
       Files files = kBeforeTheGroup;
       for (const char* name : {"2023/2023-06-01_080000.cr2", "2023/2023-06-01_080000.jpg",
                                "2023/2023-06-01_080000.xmp"})
         files.push_back(name);
       return files;
     }()},
};

TEST_F(CompanionRunTest, AGroupDecidedWithItsBatchGoesByWhatHappensBeforeItsTurn) {
  const std::string records = dir_.path() + "/aufzeichnungen/";
  run_.RecordInto(records);
  for (const BatchTurnCase& c : kBatchTurns) {
    SCOPED_TRACE(c.what);
    Fresh();
    // The first batches hold 1, 2 and 4 files: a4 and the group make the third.
    for (const char* name : {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg"})
      Add(name, kJpeg);
    Add("b.JPG", testkit::JpegWithExifDate("2023:06:01 08:00:00"));
    Add("b.CR2", "raw");
    Add("b.xmp", "x");
    frontEnd_.outcomes.clear();
    frontEnd_.onEvents = [&] {
      if (frontEnd_.outcomes.size() == 4) c.beforeItsTurn(frontEnd_, run_);
    };
    EXPECT_EQ(run_.DistributeFiles(), c.outcome);
    frontEnd_.onEvents = nullptr;
    frontEnd_.options.structure = FolderStructure::YearMonth;
    Files target = FilesBelow(target_);
    std::sort(target.begin(), target.end());
    EXPECT_EQ(target, c.target);
    EXPECT_FALSE(fs::exists(target_ + "2023/06"));
    // The undo reads the group's intents that were never carried out.
    UndoRun undo(frontEnd_, records);
    EXPECT_EQ(undo.TakeBack(), RunOutcome::Completed);
    EXPECT_TRUE(FilesBelow(target_).empty());
    EXPECT_EQ(FilesBelow(source_).size(), 7u);
  }
}

} // namespace

// With the capture-date option a member's name dates the group only when
// no member has a capture date of its own: the stripped JPEG's name gives
// way to its raw's EXIF.
TEST_F(CompanionRunTest, AMembersOwnCaptureDateOutranksAnotherMembersName) {
  frontEnd_.options.modernFormats = true;
  Add("IMG_20220202_222222.jpg", testkit::JpegWithoutExif());
  Add("IMG_20220202_222222.CR2",
      testkit::RawTiff(testkit::RawKind::Cr2, testkit::DatedIfd0("2023:05:01 12:07:32", ""),
                       testkit::ByteOrder::Intel));
  ASSERT_EQ(run_.DistributeFiles(), RunOutcome::Completed);
  const Files moved = FilesBelow(target_);
  ASSERT_EQ(moved.size(), 2u);
  for (const std::string& file : moved)
    EXPECT_TRUE(file.starts_with("2023/05")) << file;
}
