#include "run/file_plan.h"

#include "run/run_texts.h"
#include "run/internal/target_folders.h"
#include "platform/date_conversion_error.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/temp_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A date given by the test, or none (DateConversionError).
class GivenDate final : public FileDating {
public:
  explicit GivenDate(std::optional<DatedFile> date) : date_(std::move(date)) {}
  DatedFile Date() const override {
    if (!date_) throw DateConversionError();
    return *date_;
  }

private:
  std::optional<DatedFile> date_;
};

const DatedFile kExifDate{{{2023, 5, 1, 12, 7, 32}}, DateSource::JpegExif, {}};

TEST(FilePlanTest, DecidesEachFileInTheSameOrderWhereverItComesFrom) {
  testkit::TempDir dir;
  const std::string target = dir.path() + "/ziel/";
  testkit::WriteFile(dir.File("a.JPG"), "x");
  mkdir(dir.File("ordner.jpg").c_str(), 0700);
  FilePlan leader;
  leader.dated = DatedFile{{{1999, 12, 31, 23, 59, 59}}, DateSource::ModificationTime, {}};
  leader.folder = dir.path() + "/ziel/1999/12";

  struct Case {
    const char* name;
    std::string file;
    std::optional<DatedFile> date;
    std::string target;
    const FilePlan* leader;
    std::optional<StayReason> stays;
    std::string folder; // empty: no date known
  };
  const Case cases[] = {
      {"moves", "a.JPG", kExifDate, target, nullptr, {}, target + "2023/05"},
      {"gone before anything is read", "weg.jpg", kExifDate, target, nullptr, StayReason::Vanished,
       ""},
      {"a folder in a file's place", "ordner.jpg", kExifDate, target, nullptr,
       StayReason::NotRegularFile, ""},
      {"no date", "a.JPG", std::nullopt, target, nullptr, StayReason::DateUnreadable, ""},
      {"no target folder, dated still", "a.JPG", kExifDate, "", nullptr, StayReason::MoveError,
       "2023/05"},
      {"a member follows its leader", "a.JPG", std::nullopt, target, &leader, {}, leader.folder},
      {"a gone member stays on its own", "weg.jpg", kExifDate, target, &leader,
       StayReason::Vanished, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TargetFolders targets(RunMode::DryRun);
    const RunState state{targets, nullptr, RunMode::DryRun, nullptr};
    RunOptions options;
    options.target = c.target;
    const GivenDate dating(c.date);
    FilePlan plan;
    plan.source = dir.File(c.file);
    plan.parts = SplitSourcePath(plan.source);
    plan.status = StatusOf(plan.source);
    PlanFile(plan, {options, c.target, &dating, c.leader}, state);

    ASSERT_EQ(plan.kept.has_value(), c.stays.has_value());
    if (c.stays) {
      EXPECT_EQ(plan.kept->reason, *c.stays);
      if (c.stays == StayReason::MoveError) {
        EXPECT_EQ(plan.kept->detail, kNoTargetFolderText);
      }
    }
    EXPECT_EQ(plan.folder, c.folder);
    EXPECT_EQ(plan.dated.has_value(), !c.folder.empty());
    if (c.leader && !c.stays) {
      EXPECT_EQ(plan.dated->date.local.year, 1999);
    }
    // Only a file that goes by its own date is named by the options.
    EXPECT_EQ(plan.planned.Full(), !c.leader && !c.folder.empty() ? "2023-05-01_120732.jpg" : "");
  }
}

TEST(FilePlanTest, FollowsAMoveByWhatItEndedIn) {
  testkit::TempDir dir;
  const std::string here = dir.File("da.jpg");
  testkit::WriteFile(here, "x");
  const std::string folder = dir.path() + "/ziel", name = "n.jpg", path = folder + "/n.jpg";
  struct Case {
    MoveOutcome outcome;
    std::string source;
    AfterMove next;
    FileResult result;
    StayReason reason;
  };
  const Case cases[] = {
      {MoveOutcome::Moved, here, AfterMove::Done, FileResult::Moved, {}},
      {MoveOutcome::TargetTaken, here, AfterMove::NextCounter, {}, {}},
      {MoveOutcome::NotFound, here, AfterMove::NextCounter, {}, {}},
      {MoveOutcome::NotFound, dir.File("weg.jpg"), AfterMove::Stays, FileResult::Stayed,
       StayReason::Vanished},
      {MoveOutcome::SourceChanged, here, AfterMove::Stays, FileResult::Stayed,
       StayReason::ChangedWhileMoving},
      {MoveOutcome::NoSpace, here, AfterMove::Stays, FileResult::Stayed, StayReason::NoSpace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.outcome));
    TargetFolders targets(RunMode::DryRun);
    const RunState state{targets, nullptr, RunMode::DryRun, nullptr};
    const MoveFollowUp next = FollowMove({c.outcome, {}}, c.source, {folder, name, path}, state);
    EXPECT_EQ(next.next, c.next);
    if (c.next == AfterMove::NextCounter) continue;
    EXPECT_EQ(next.outcome.source, c.source);
    EXPECT_EQ(next.outcome.result, c.result);
    EXPECT_EQ(next.outcome.target, c.result == FileResult::Moved ? path : "");
    if (c.result == FileResult::Stayed) {
      EXPECT_EQ(next.outcome.reason, c.reason);
    }
  }
}

} // namespace
