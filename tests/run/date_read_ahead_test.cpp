// Dates read ahead change nothing a run decides: with readers and without,
// a run gives the same outcomes, tree and record, also when the window
// switches the capture-date option midway or stops the run, and it leaves
// no reader running and no file open.

#include "run/internal/date_read_ahead.h"
#include "run/run_texts.h"
#include "run/undo_run.h"
#include "tests/kit/testkit.h"
#include "tests/run/run_fixture.h"

#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace runtest {
namespace {

namespace fs = std::filesystem;

size_t EntriesOf(const char* folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

class DateReadAheadTest : public RunTest {
protected:
  // Where a look read ahead could go stale: a burst of one second, a name
  // taken in the library (by a file that leaves it), a file in place,
  // groups (one with a member whose other name moves before the group's
  // turn), an undatable file, two names of one file far apart in the list,
  // and files whose date the capture-date option decides (their names).
  void BuildTree() {
    for (const std::string& folder : {source_, records_})
      fs::remove_all(folder);
    const time_t old = LocalSeconds(2020, 1, 1, 0, 0, 0);
    const std::string library = source_ + "bibliothek/2023/05/";
    WriteFileAt(library + "2023-05-01_120732.jpg", testkit::JpegWithExifDate(kMay1), old);
    WriteFileAt(library + "2023-05-02_080000.jpg", testkit::JpegWithExifDate("2023:06:01 10:00:00"),
                old);
    WriteFileAt(source_ + "0.jpg", testkit::JpegWithExifDate("2023:05:03 09:00:00"), old);
    for (int i = 10; i < 40; ++i) {
      const std::string n = std::to_string(i);
      if (i < 20)
        WriteFileAt(source_ + "karte/" + n + ".jpg",
                    testkit::JpegWithExifDate(i % 3 ? kMay1 : "2023:05:02 08:00:00"), old);
      WriteFileAt(source_ + "karte/IMG_20220304_0506" + n + ".png", "png " + n, old);
    }
    WriteFileAt(source_ + "karte/IMG_0042.JPG", testkit::JpegWithExifDate(kMay1), old);
    WriteFileAt(source_ + "karte/IMG_0042.CR2", "raw", old);
    WriteFileAt(source_ + "karte/IMG_0050.JPG", testkit::JpegWithExifDate(kMay1), old);
    WriteFileAt(source_ + "karte/IMG_0050.MOV", "clip", old);
    WriteFileAt(source_ + "karte/IMG_0050.JPG.json", "{}", old);
    WriteFileAt(source_ + "karte/IMG_0051.JPG", testkit::JpegWithExifDate(kMay1), old);
    WriteFileAt(source_ + "karte/IMG_0051.MOV", "clip 51", old);
    fs::create_directories(source_ + "abzug");
    fs::create_hard_link(source_ + "karte/IMG_0051.MOV", source_ + "abzug/IMG_0051.MOV");
    WriteFileAt(source_ + "karte/kaputt.jpg", testkit::JpegWithoutExif(),
                LocalSeconds(1975, 1, 1, 0, 0, 0));
    fs::create_directories(source_ + "zweitname");
    fs::create_hard_link(source_ + "0.jpg", source_ + "zweitname/0.jpg");
  }

  // Done between two files: the file's count, the window's options, the run.
  using Between = std::function<void(int file, RunOptions&, DistributionRun&)>;

  // Everything the run told and left, as one text.
  std::string Run(size_t readers, const Between& between) {
    BuildTree();
    frontEnd_ = FakeFrontEnd();
    frontEnd_.options.source = source_;
    frontEnd_.options.target = source_ + "bibliothek/";
    frontEnd_.options.companions = true;
    // The second name of 0.jpg finds its bytes in the target.
    frontEnd_.options.skipIdentical = true;
    DistributionRun run(frontEnd_);
    int files = 0;
    frontEnd_.onEvents = [&] {
      if (frontEnd_.Started()) between(++files, frontEnd_.options, run);
    };
    run.RecordInto(records_);
    run.LimitReaders(readers);
    // ThreadSanitizer starts a thread of its own with the first other one.
    std::thread([] {}).join();
    const size_t threads = EntriesOf("/proc/self/task"), open = EntriesOf("/proc/self/fd");
    std::string said = std::to_string(static_cast<int>(run.DistributeFiles())) + "\n";
    EXPECT_EQ(EntriesOf("/proc/self/task"), threads);
    EXPECT_EQ(EntriesOf("/proc/self/fd"), open);
    for (const FileOutcome& outcome : frontEnd_.outcomes) {
      said += outcome.source + " " + std::to_string(static_cast<int>(outcome.result)) + " " +
              outcome.target + " " +
              (outcome.result == FileResult::Stayed ? StayReasonText(outcome) : "") + " " +
              (outcome.dated ? DateStamp(outcome.dated->date) : "") + "\n";
    }
    for (const std::string& file : FilesBelow(source_))
      said += file + "\n";
    for (const fs::directory_entry& record : fs::directory_iterator(records_)) {
      if (!record.is_regular_file()) continue;
      for (const std::string& line : testkit::Lines(testkit::ReadWholeFile(record.path()))) {
        // Devices and inodes differ from tree to tree; the start and the
        // process from run to run.
        if (line.starts_with("beginn") || line.starts_with("prozess")) continue;
        said += line.starts_with("erledigt")
                    ? line.substr(0, line.rfind('\t', line.rfind('\t') - 1))
                    : line;
        said += "\n";
      }
    }
    // What the run recorded of each file takes it back: a look gone stale
    // would leave it in the target as replaced.
    UndoRun undo(frontEnd_, records_);
    said += std::to_string(static_cast<int>(undo.TakeBack())) + "\n";
    for (const FileOutcome& stayed : undo.StayedFiles())
      said += stayed.source + " " + StayReasonText(stayed) + "\n";
    return said;
  }

  const std::string records_ = dir_.path() + "/aufzeichnungen";
  const std::string kMay1 = "2023:05:01 12:07:32";
};

TEST_F(DateReadAheadTest, ARunReadingAheadDecidesAsOneReadingEachFileInItsTurn) {
  struct Case {
    const char* what;
    Between between;
  };
  const Case cases[] = {
      {"as collected", [](int, RunOptions&, DistributionRun&) {}},
      {"the capture-date option switched on midway and off again",
       [](int file, RunOptions& options, DistributionRun&) {
         if (file == 3 || file == 20) options.modernFormats = file == 3;
       }},
      {"stopped midway",
       [](int file, RunOptions&, DistributionRun& run) {
         if (file == 20) run.RequestStop();
       }},

  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string serial = Run(0, c.between);
    EXPECT_EQ(Run(kDateReaders, c.between), serial);
    EXPECT_EQ(Run(1, c.between), serial);
  }
}

} // namespace
} // namespace runtest

namespace {

// The run's dating of every sample and format (the modification time of the
// rest) on several threads at once, as one file after the other.
TEST(ReaderThreads, TheRunsDatesReadOnSeveralThreadsAtOnceAsOneAfterTheOther) {
  runtest::UseBerlinTime();
  CollectedFiles files;
  for (const char* folder : {FOTOMAZ_SAMPLES_DIR, FOTOMAZ_FORMAT_SAMPLES_DIR})
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      ASSERT_TRUE(files.AddPath(entry.path().string()));
  const auto dateOf = [&](size_t file) -> std::string {
    const ReadListedFile read = ReadListed(files, file, /*allFormats=*/true);
    const DatedFile dated = read.Date();
    return DateStamp(dated.date) + " " + std::string(DateSourceIdentifier(dated));
  };
  std::vector<std::string> expected;
  for (size_t file = 0; file < files.Size(); ++file)
    expected.push_back(dateOf(file));
  constexpr size_t kThreads = 4;
  std::vector<std::string> differing(kThreads);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (size_t i = 0; i < files.Size(); ++i) {
        const size_t file = (i + t * files.Size() / kThreads) % files.Size();
        if (dateOf(file) != expected[file]) differing[t] += files.Path(file) + "\n";
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  for (size_t t = 0; t < kThreads; ++t)
    EXPECT_EQ(differing[t], "") << "on thread " << t;
}

} // namespace
