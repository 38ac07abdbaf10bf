// The maker-note walk: which entries are listed and added, where values are
// taken from, and how it ends on notes that do not hold what they claim.

#include "metadata/exif_reader.h"
#include "metadata/makernote_layout.h"
#include "tests/kit/makernote_builder.h"
#include "tests/metadata/reader_helpers.h"

#include <gtest/gtest.h>

#include <string>

using namespace testkit;
using readertest::BothOrders;
using readertest::Read;

namespace {

const Camera kCanon{"Canon", "Canon PowerShot S40", "0220"};

// A walk of a note whose offsets count from its first byte (d 0, p 1), in an
// info whose own bytes are owner.
class NoteWalk : public BothOrders {
protected:
  void Walk(const std::string& note, MakerTable table, int64_t valueBase = 0) {
    info_.BigEndian = order() == ByteOrder::Motorola;
    info_.Buffer = owner_;
    info_.WalkMakerNoteDirectory(note, MakerTableRows(table), 0, 1, valueBase);
  }
  const std::string owner_ = "OWNER-BYTES-0123456789";
  ExifReader img_{ReaderEverything};
  DirectoryWalker info_{&img_, ReaderEverything};
};

} // namespace

TEST_P(NoteWalk, SkipRowsAreDroppedAndUnknownTagsListedButNotAdded) {
  const Ifd directory{Short(0x0000, {1}), Short(0x0099, {7}), Ascii(0x0009, "Owner"),
                      Short(0x0F00, {1})};
  Walk(PlainNote(directory, order(), 0), MakerTable::Canon);
  EXPECT_EQ(info_.MakerNoteDumpText, "\r\nUnknown = 7\r\nOwnerName = \"Owner\"\r\nUnknown = 1");
  ASSERT_EQ(info_.TagCount(), 1);
  const Tag& owner = info_.TagList[0];
  EXPECT_EQ(owner.TagNumber, 0x0009);
  EXPECT_EQ(owner.Origin, 1);
  EXPECT_EQ(owner.ValueType, kAscii);
  EXPECT_EQ(owner.RawBytes, std::string("Owner\0", 6));
  EXPECT_EQ(owner.Text, "\"Owner\"");
  EXPECT_EQ(info_.Buffer, owner_);

  // Seiko writes its skip row in lower case.
  DirectoryWalker seiko(&img_, ReaderEverything);
  seiko.BigEndian = info_.BigEndian;
  seiko.WalkMakerNoteDirectory(PlainNote({Short(0x0F00, {1})}, order(), 0),
                               MakerTableRows(MakerTable::Seiko), 0, 1, 0);
  EXPECT_EQ(seiko.MakerNoteDumpText, "");
}

TEST_P(NoteWalk, EmptyValuesAndRowsOfTagZeroAreListedAndAdded) {
  Walk(PlainNote({RawEntry(0x0000, kUndefined, 0, 0), Undefined(0x0E00, std::string("P\0M", 3))},
                 order(), 0),
       MakerTable::Minolta);
  EXPECT_EQ(info_.MakerNoteDumpText, "\r\nModelID = \"\"\r\nPIMdata = \"P.M\"");
  ASSERT_EQ(info_.TagCount(), 2);
  EXPECT_EQ(info_.TagList[0].Name, "ModelID");
  EXPECT_EQ(info_.TagList[0].RawBytes, "");
}

TEST_P(NoteWalk, ValueEndingOnTheLastByteIsTheNotesAndOneRunningPastIsTheOwners) {
  const std::string inside = PlainNote({Ascii(0x0009, "Owner")}, order(), 0);
  Walk(inside, MakerTable::Canon, -10);
  EXPECT_EQ(info_.MakerNoteDumpText, "\r\nOwnerName = \"Owner\"");

  // The same entry claiming one byte more: taken from the owner's bytes at
  // offset + value base.
  const uint32_t offset = static_cast<uint32_t>(inside.size() - 6);
  info_.MakerNoteDumpText.clear();
  Walk(PlainNote({RawEntry(0x0009, kAscii, 7, offset)}, order(), 0), MakerTable::Canon, -10);
  EXPECT_EQ(info_.MakerNoteDumpText,
            "\r\nOwnerName = \"" + owner_.substr(offset - 10 - 1, 7) + "\"");

  // Offsets far outside both give an empty value, never a read outside.
  info_.MakerNoteDumpText.clear();
  Walk(PlainNote({RawEntry(0x0009, kAscii, 0xFFFFFFFF, 0xFFFFFFF0)}, order(), 0), MakerTable::Canon,
       7);
  EXPECT_EQ(info_.MakerNoteDumpText, "\r\nOwnerName = \"\"");
}

TEST_P(NoteWalk, CountRunningPastTheNoteEndsTheWalkWithAnError) {
  Ifd directory{Short(0x0008, {5}), Short(0x0099, {6})};
  directory.CountWord(0xFFFF);
  const std::string note = PlainNote(directory, order(), 0);
  Walk(note.substr(0, 2 + 12 * 2), MakerTable::Canon);
  EXPECT_EQ(info_.MakerNoteDumpText, "\r\nImageNumber = 5\r\nUnknown = 6");
  EXPECT_EQ(img_.ErrorText, "Error Detected = Maker note directory runs past the end of the note");
  EXPECT_EQ(info_.Buffer, owner_);

  img_.ErrorText.clear();
  info_.MakerNoteDumpText.clear();
  Walk("", MakerTable::Canon); // no count at all: nothing to walk
  EXPECT_EQ(info_.MakerNoteDumpText, "");
  EXPECT_EQ(img_.ErrorText, "");
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
  ASSERT_TRUE(img->Exif);
  EXPECT_EQ(img->Exif->MakerNoteDumpText, "\r\nOwnerName = \"Canon\"");
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
  ASSERT_TRUE(img->Exif);
  EXPECT_EQ(img->Exif->MakerNoteDumpText, "\r\nMacro mode = Normal\r\nSelf Timer =  2"
                                          "\r\nCompression Rate = Basic"
                                          "\r\nExposureInfo1 = 80, 2, 0, 3");
  EXPECT_EQ(img->Exif->TagText("ExposureInfo1"),
            "\r\nMacro mode = Normal\r\nSelf Timer =  2\r\nCompression Rate = Basic");
  EXPECT_EQ(img->Exif->TagText("Compression Rate"), "Basic");
  EXPECT_EQ(CurrentInfo, nullptr); // never left pointing at an info that may be freed
}

// Option 2 knows the make but makes no maker entries; option 4 alone keeps
// no make text, so no maker is recognised.
TEST_P(MakerNoteInFile, OnlyTheProgramsOptionDecodesTheNote) {
  const std::string file = JpegWithMakerNote(
      kCanon, [&](uint32_t at) { return PlainNote({Long(0x0008, {42})}, order(), at); }, order());
  const struct {
    int32_t option;
    bool recognised;
    bool decoded;
  } cases[] = {{ReaderTextsOnly, true, false},
               {ReaderTagListOnly, false, false},
               {ReaderEverything, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    const auto img = Read(file, "a.jpg", c.option);
    ASSERT_TRUE(img->Exif);
    EXPECT_EQ(img->Exif->MakerNoteResult, c.recognised);
    EXPECT_EQ(img->Exif->MakerNoteDumpText, c.decoded ? "\r\nImageNumber = 42" : "");
    EXPECT_EQ(img->Exif->TagText("ImageNumber"), c.decoded ? "42" : "");
  }
}

INSTANTIATE_BOTH_ORDERS(MakerNoteInFile);
