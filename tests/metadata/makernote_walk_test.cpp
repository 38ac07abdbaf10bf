// The maker-note walk: which entries are listed and added, where values are
// taken from, and how it ends on notes that do not hold what they claim.

#include "metadata/internal/directory_walker.h"
#include "tests/kit/makernote_builder.h"
#include "tests/metadata/reader_helpers.h"

#include <gtest/gtest.h>

#include <string>

using namespace testkit;
using readertest::BothOrders;
using readertest::Read;

namespace {

const Camera kCanon{"Canon", "Canon PowerShot S40", "0220"};

// A walk, into a fresh read, of a note whose directory and value offsets
// count from its first byte, found at noteAt in EXIF bytes that are owner.
class NoteWalk : public BothOrders {
protected:
  void Walk(const std::string& note, MakerTable table, int64_t noteAt = -1) {
    const Endianness endian = order() == ByteOrder::Motorola ? Endianness::Big : Endianness::Little;
    info_ = ExifRead{};
    problem_.reset();
    DirectoryWalker walker(info_, ExifDetail::Everything, ByteOrderView(owner_, endian),
                           ExifContainer::JpegSegment, problem_);
    walker.WalkMakerNote(note, MakerNoteLayout{table, 0, 0, endian}, noteAt);
  }
  std::string ProblemText() const {
    return problem_ ? std::string(ExifStatusText(problem_->status)) + problem_->detail : "";
  }
  const std::string owner_ = "OWNER-BYTES-0123456789";
  ExifRead info_;
  std::optional<ReadProblem> problem_;
};

} // namespace

TEST_P(NoteWalk, SkipRowsAreDroppedAndUnknownTagsListedButNotAdded) {
  const Ifd directory{Short(0x0000, {1}), Short(0x0099, {7}), Ascii(0x0009, "Owner"),
                      Short(0x0F00, {1})};
  Walk(PlainNote(directory, order(), 0), MakerTable::Canon);
  EXPECT_EQ(info_.makerNote.dump, "\r\nUnknown = 7\r\nOwnerName = \"Owner\"\r\nUnknown = 1");
  ASSERT_EQ(info_.tags.size(), 1u);
  const Tag& owner = info_.tags[0];
  EXPECT_EQ(owner.tagNumber, 0x0009);
  EXPECT_EQ(owner.origin, TagOrigin::MakerNote);
  EXPECT_EQ(owner.valueType, kAscii);
  EXPECT_EQ(owner.rawBytes, std::string("Owner\0", 6));
  EXPECT_EQ(owner.text, "\"Owner\"");

  // Seiko writes its skip row in lower case.
  Walk(PlainNote({Short(0x0F00, {1})}, order(), 0), MakerTable::Seiko);
  EXPECT_EQ(info_.makerNote.dump, "");
}

TEST_P(NoteWalk, EmptyValuesAndRowsOfTagZeroAreListedAndAdded) {
  Walk(PlainNote({RawEntry(0x0000, kUndefined, 0, 0), Undefined(0x0E00, std::string("P\0M", 3))},
                 order(), 0),
       MakerTable::Minolta);
  EXPECT_EQ(info_.makerNote.dump, "\r\nModelID = \"\"\r\nPIMdata = \"P.M\"");
  ASSERT_EQ(info_.tags.size(), 2u);
  EXPECT_EQ(info_.tags[0].name, "ModelID");
  EXPECT_EQ(info_.tags[0].rawBytes, "");
}

TEST_P(NoteWalk, ValueEndingOnTheLastByteIsTheNotesAndOneRunningPastIsTheOwners) {
  const std::string inside = PlainNote({Ascii(0x0009, "Owner")}, order(), 0);
  Walk(inside, MakerTable::Canon, -11);
  EXPECT_EQ(info_.makerNote.dump, "\r\nOwnerName = \"Owner\"");

  // The same entry claiming one byte more: taken from the owner's bytes at
  // offset + value base.
  const uint32_t offset = static_cast<uint32_t>(inside.size() - 6);
  info_.makerNote.dump.clear();
  Walk(PlainNote({RawEntry(0x0009, kAscii, 7, offset)}, order(), 0), MakerTable::Canon, -11);
  EXPECT_EQ(info_.makerNote.dump, "\r\nOwnerName = \"" + owner_.substr(offset - 10 - 1, 7) + "\"");

  // Offsets far outside both give an empty value, never a read outside.
  info_.makerNote.dump.clear();
  Walk(PlainNote({RawEntry(0x0009, kAscii, 0xFFFFFFFF, 0xFFFFFFF0)}, order(), 0), MakerTable::Canon,
       6);
  EXPECT_EQ(info_.makerNote.dump, "\r\nOwnerName = \"\"");
}

TEST_P(NoteWalk, CountRunningPastTheNoteEndsTheWalkWithAnError) {
  Ifd directory{Short(0x0008, {5}), Short(0x0099, {6})};
  directory.CountWord(0xFFFF);
  const std::string note = PlainNote(directory, order(), 0);
  Walk(note.substr(0, 2 + 12 * 2), MakerTable::Canon);
  EXPECT_EQ(info_.makerNote.dump, "\r\nImageNumber = 5\r\nUnknown = 6");
  EXPECT_EQ(ProblemText(), "Error Detected = Maker note directory runs past the end of the note");

  Walk("", MakerTable::Canon); // no count at all: nothing to walk
  EXPECT_EQ(info_.makerNote.dump, "");
  EXPECT_EQ(ProblemText(), "");
}

INSTANTIATE_BOTH_ORDERS(NoteWalk);

class MakerNoteInFile : public BothOrders {};

// A value outside the note is read where its offset points in the EXIF data:
// here at the make text, in front of the note.
TEST_P(MakerNoteInFile, ValueOutsideTheNoteIsReadWhereItsOffsetPoints) {
  const auto img = Read(JpegWithMakerNote(
      kCanon,
      [&](uint32_t at) {
        return PlainNote({RawEntry(0x0009, kAscii, 6, MakeTextOffset())}, order(), at);
      },
      order()));
  ASSERT_TRUE(img.HasExif());
  EXPECT_EQ(img.makerNote.dump, "\r\nOwnerName = \"Canon\"");
}

// A breakdown puts its lines first and the entry's own line, with the plain
// list of numbers, last.
TEST_P(MakerNoteInFile, CanonBreakdownLinesComeBeforeTheEntryLine) {
  const auto img = Read(JpegWithMakerNote(
      kCanon,
      [&](uint32_t at) {
        return PlainNote({Short(0x0001, {80, 2, 0, 3})}, order(), at);
      },
      order()));
  ASSERT_TRUE(img.HasExif());
  EXPECT_EQ(img.makerNote.dump, "\r\nMacro mode = Normal\r\nSelf Timer =  2"
                                "\r\nCompression Rate = Basic"
                                "\r\nExposureInfo1 = 80, 2, 0, 3");
  EXPECT_EQ(img.TagText("ExposureInfo1"),
            "\r\nMacro mode = Normal\r\nSelf Timer =  2\r\nCompression Rate = Basic");
  // A breakdown line reaches the tag list: no tag number, from the maker note.
  const Tag* compression = img.FindTag("Compression Rate");
  ASSERT_NE(compression, nullptr);
  EXPECT_EQ(compression->text, "Basic");
  EXPECT_EQ(compression->tagNumber, 0);
  EXPECT_EQ(compression->origin, TagOrigin::MakerNote);
  EXPECT_EQ(compression->valueType, kAscii);
}

// Option 2 knows the make but makes no maker entries; option 4 alone keeps
// no make text, so no maker is recognised.
TEST_P(MakerNoteInFile, OnlyTheProgramsOptionDecodesTheNote) {
  const std::string file = JpegWithMakerNote(
      kCanon, [&](uint32_t at) { return PlainNote({Long(0x0008, {42})}, order(), at); }, order());
  const struct {
    ExifDetail detail;
    bool recognised;
    bool decoded;
  } cases[] = {{ExifDetail::Texts, true, false},
               {ExifDetail::TagList, false, false},
               {ExifDetail::Everything, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.detail));
    const auto img = Read(file, "a.jpg", c.detail);
    ASSERT_TRUE(img.HasExif());
    EXPECT_EQ(img.makerNote.recognised, c.recognised);
    EXPECT_EQ(img.makerNote.dump, c.decoded ? "\r\nImageNumber = 42" : "");
    EXPECT_EQ(img.TagText("ImageNumber"), c.decoded ? "42" : "");
  }
}

INSTANTIATE_BOTH_ORDERS(MakerNoteInFile);
