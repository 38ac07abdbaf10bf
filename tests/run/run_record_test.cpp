// The record reads back as the run wrote it: every path in its one normal
// form, and every done line with the intent it belongs to.

#include "run/escaped_text.h"
#include "run/run_record.h"
#include "platform/path_text.h"
#include "tests/kit/testkit.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Paths {
  std::string source, target;
};

// Written in a row: the writer keeps the text of the folder it met last, so
// folders change, come back, are not normal, and hold bytes that are
// escaped, also next to the separator the text is cut at.
const Paths kPaths[] = {
    {"/q/a/IMG_1.JPG", "/z/2023/05/x.jpg"},
    {"/q/a/IMG_2.JPG", "/z/2023/05/y.jpg"},
    {"/q/b/IMG_1.JPG", "/z/2023/06/x.jpg"},
    {"/q/./a/IMG_3.JPG", "/z//2023/05/z.jpg"},
    {"/q/a/../a/IMG_4.JPG", "/z/2023/05/w.jpg"},
    {"/q/\xC3/x\x01.jpg", "/z/t\tab\n.jpg"},
    {"/q/\xC3/\xA4.jpg", "/z/back\\slash.jpg"},
    {"/q/\xE2\x80\xAE/a.jpg", "/z/2023/05/\xE2\x80\xAEgpj.exe"},
    {"/q/new\nline/a.jpg", "/z/t\tab/n.jpg"},
    {"/root.jpg", "/z/2023/05/r.jpg"},
    {"/q/a/..", "/z/2023/05/v.jpg"},
    {"relative.jpg", "/z/2023/05/u.jpg"},
    {"/q/a/IMG_1.JPG", "/z/2023/05/x.jpg"}, // the first move tried again
};

RunOptions OptionsFor(const std::string& target) {
  RunOptions options;
  options.source = "/q/";
  options.target = target;
  return options;
}

RecordedFile FileOfSize(int64_t size) {
  return {size, 1700000000, 5};
}

TEST(RunRecordTest, PathsReadBackInTheirNormalFormWithTheirDoneLines) {
  testkit::TempDir records;
  {
    RunRecordWriter writer(records.path(), RecordKind::Distribution, OptionsFor("/z/"));
    std::vector<IntentTicket> tickets;
    for (size_t i = 0; i < std::size(kPaths); ++i)
      tickets.push_back(writer.Intent(kPaths[i].source, kPaths[i].target, FileOfSize(i)));
    writer.Flush();
    // Last first: a done line does not depend on the order of the moves.
    // The first try of the move tried twice is never done.
    for (size_t i = std::size(kPaths); i-- > 1;)
      writer.Done(kPaths[i].source, kPaths[i].target, FileOfSize(100 + i), std::nullopt,
                  tickets[i]);
  }
  const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records.path()));
  ASSERT_TRUE(record);
  ASSERT_EQ(record->moves.size(), std::size(kPaths));
  for (size_t i = 0; i < std::size(kPaths); ++i) {
    SCOPED_TRACE(EscapeText(kPaths[i].source));
    const RecordedMove& move = record->moves[i];
    EXPECT_EQ(move.source, LexicallyNormal(kPaths[i].source));
    EXPECT_EQ(move.target, LexicallyNormal(kPaths[i].target));
    EXPECT_EQ(move.before, FileOfSize(static_cast<int64_t>(i)));
    const std::optional<RecordedFile> done =
        i == 0 ? std::nullopt : std::optional(FileOfSize(static_cast<int64_t>(100 + i)));
    EXPECT_EQ(move.after, done);
  }
}

// A done line names its intent by ticket; without one that the writer still
// keeps (none, or one from hundreds of intents ago) it writes the paths
// anew, and reads back the same.
TEST(RunRecordTest, ADoneLineFindsItsIntentWithAnyTicket) {
  constexpr size_t kLaterIntents = 600; // more than the writer keeps texts of
  struct Case {
    const char* what;
    bool withTicket;
    bool intentsBetween;
  };
  const Case cases[] = {
      {"its ticket", true, false},
      {"no ticket", false, false},
      {"an old ticket", true, true},
      {"no ticket, intents between", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testkit::TempDir records;
    const Paths& moved = kPaths[5];
    {
      RunRecordWriter writer(records.path(), RecordKind::Distribution, OptionsFor("/z/"));
      const IntentTicket ticket = writer.Intent(moved.source, moved.target, FileOfSize(1));
      for (size_t i = 0; c.intentsBetween && i < kLaterIntents; ++i)
        writer.Intent("/q/a/" + std::to_string(i), "/z/" + std::to_string(i), FileOfSize(2));
      writer.Done(moved.source, moved.target, FileOfSize(3), std::nullopt,
                  c.withTicket ? std::optional(ticket) : std::nullopt);
    }
    const std::optional<RunRecord> record = ReadRunRecord(NewestUndoableRecord(records.path()));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->moves.front().after, FileOfSize(3));
    EXPECT_EQ(record->moves.size(), c.intentsBetween ? kLaterIntents + 1 : 1);
  }
}

// A record cut short (a full disk) gets its marks on lines of their own,
// so they are read; a whole one gets them as before.
TEST(RunRecordTest, MarksAppendedToACutRecordStartOnALineOfTheirOwn) {
  const std::string head = "TamrelFotomaz-Aufzeichnung\t2\nart\tverteilung\n";
  for (const std::string last : {"absicht\t/q/a.jpg\t/z/a", ""}) {
    for (const bool undone : {false, true}) {
      SCOPED_TRACE(last + (undone ? " undone" : " checked"));
      testkit::TempDir records;
      std::string path = records.File("20260101-000000-0000001-00-verteilung.lauf");
      testkit::WriteFile(path, head + last);
      ASSERT_TRUE(undone ? MarkTakenBack(path, "/r.lauf") : MarkChecked(path));
      if (undone) path.insert(path.size() - 5, "-zurueckgenommen");
      EXPECT_EQ(testkit::ReadWholeFile(path),
                head + last + (last.empty() ? "" : "\n") +
                    (undone ? "zurueckgenommen\t/r.lauf\n" : "geprueft\n"));
      EXPECT_EQ(ReadRunRecord(path)->checked, !undone);
    }
  }
}

// Read line by line, a record of any size is read: one past 1 GiB (a hole,
// so it costs no disk) still gives its moves.
TEST(RunRecordTest, ARecordAboveOneGibibyteIsRead) {
  testkit::TempDir records;
  {
    RunRecordWriter writer(records.path(), RecordKind::Distribution, OptionsFor("/z/"));
    writer.Intent(kPaths[0].source, kPaths[0].target, FileOfSize(1));
  }
  const std::string path = NewestUndoableRecord(records.path());
  const std::string text = testkit::ReadWholeFile(path);
  const size_t moves = text.find("absicht");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text.substr(0, moves);
    out.seekp(std::streamoff{1} << 30, std::ios::cur);
    out << "\n" << text.substr(moves);
  }
  const std::optional<RunRecord> record = ReadRunRecord(path);
  ASSERT_TRUE(record);
  ASSERT_EQ(record->moves.size(), 1u);
  EXPECT_EQ(record->moves[0].target, kPaths[0].target);
  EXPECT_TRUE(record->checked);
}

} // namespace
