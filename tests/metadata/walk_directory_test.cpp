// The directory walk: named fields, texts, the dump, the tag list and the
// ways hostile directories are kept in bounds. Every test runs in both byte
// orders.

#include "metadata/internal/exif_segment.h"
#include "reader_helpers.h"

#include <algorithm>
#include <cmath>

using namespace testkit;
using readertest::BothOrders;
using readertest::DateTimeText;
using readertest::JpegWith;
using readertest::Read;

namespace {

class WalkDirectory : public BothOrders {
protected:
  ExifRead ReadIfd(const Ifd& ifd0, ExifDetail detail = ExifDetail::Everything) const {
    return Read(JpegWith(ifd0, order()), "a.jpg", detail);
  }
};

bool HasTag(const ExifRead& exif, uint16_t tag) {
  return std::any_of(exif.tags.begin(), exif.tags.end(),
                     [tag](const Tag& e) { return e.tagNumber == tag; });
}

} // namespace

TEST_P(WalkDirectory, DateTimeOriginalInTheExifDirectoryWinsOverDateTime) {
  const auto img = ReadIfd(Ifd{Ascii(0x0132, "2008:05:17 14:03:22"),
                               Pointer(0x8769, Ifd{Ascii(0x9003, "2008:05:17 14:03:20"),
                                                   Ascii(0x9004, "2009:09:09 09:09:09")})});
  EXPECT_EQ(DateTimeText(img), "2008:05:17 14:03:20");
}

TEST_P(WalkDirectory, DateTextCases) {
  struct Case {
    Entry entry;
    std::string expected;
  } cases[] = {
      {Ascii(0x0132, "2008:05:17 14:03:22"), "2008:05:17 14:03:22"},
      {Ascii(0x0132, "2008:05:17 14:03:22 and more"), "2008:05:17 14:03:22 "},
      // Stored without its terminating zero: no digit is lost.
      {AsciiUnterminated(0x0132, "2008:05:17 14:03:22"), "2008:05:17 14:03:22"},
      {Ascii(0x0110, "not a date"), ""},
  };
  for (const Case& c : cases) {
    const auto img = ReadIfd(Ifd{c.entry});
    EXPECT_EQ(DateTimeText(img), c.expected);
  }
}

TEST_P(WalkDirectory, TextsArePrintableAndCut) {
  const std::string longText(70, 'x');
  const auto img = ReadIfd(Ifd{Ascii(0x010E, longText), Ascii(0x010F, "Ma\x01ker\x1F"),
                               Ascii(0x0110, std::string(45, 'm'))});
  const ExifRead& exif = img;
  EXPECT_EQ(exif.TagText("ImageDescription"), std::string(50, 'x'));
  EXPECT_EQ(exif.exif.make, "Ma.ker.");
  EXPECT_EQ(exif.exif.model, std::string(40, 'm'));
  EXPECT_EQ(exif.tags[0].rawBytes, longText + std::string(1, '\0'));
}

TEST_P(WalkDirectory, UndefinedValuesAreQuotedAndUserCommentTrimmed) {
  const auto img = ReadIfd(Ifd{Pointer(
      0x8769, Ifd{Undefined(0x9000, "0230"), Undefined(0x927C, std::string("Nik\0on", 6)),
                  Undefined(0x9286, std::string("ASCII\0\0\0 \x01Sunset at sea\0 ", 24))})});
  const ExifRead& exif = img;
  EXPECT_EQ(exif.exif.version, "0230");
  EXPECT_EQ(exif.TagText("ExifVersion"), "\"0230\"");
  EXPECT_EQ(exif.TagText("MakerNote"), "\"Nik\"");
  EXPECT_EQ(exif.exif.userComment, "Sunset at sea");
  EXPECT_EQ(exif.TagText("UserComment"), "Sunset at sea");
}

TEST_P(WalkDirectory, MakerNoteKeepsItsBytesAndPosition) {
  const std::string note = "MAKER\x01\x02\x03\x04note";
  const auto img =
      ReadIfd(Ifd{Ascii(0x010F, "Testkamera"), Pointer(0x8769, Ifd{Undefined(0x927C, note)})});
  const ExifRead& exif = img;
  EXPECT_EQ(exif.makerNote.bytes, note);
  ASSERT_GT(exif.makerNote.offset, 0);
  EXPECT_EQ(exif.segments[*exif.exifSegment].data.substr(static_cast<size_t>(exif.makerNote.offset),
                                                         note.size()),
            note);
}

TEST_P(WalkDirectory, CameraFileFillsEveryNamedField) {
  const auto img = ReadIfd(CameraIfd0());
  const ExifRead& exif = img;
  EXPECT_EQ(exif.exif.make, "Testkamera");
  EXPECT_EQ(exif.exif.model, "TK-1 Zoom");
  EXPECT_EQ(exif.exif.version, "0220");
  EXPECT_EQ(exif.exif.dateTime, "2008:05:17 14:03:20");
  EXPECT_EQ(exif.exif.imageWidth, 2048);
  EXPECT_EQ(exif.exif.imageHeight, 1536);
  EXPECT_EQ(exif.TagText("ExposureTime"), "1/250 sec");
  EXPECT_EQ(exif.TagText("GPSLatitude"), "50 Degrees 45 Minutes 6 Seconds");
  EXPECT_EQ(exif.TagText("InteroperabilityIndex"), "R98");
  // IFD1 (the thumbnail directory) is not walked.
  EXPECT_FALSE(HasTag(exif, 0x0103));
  EXPECT_FALSE(HasTag(exif, 0x0201));
}

TEST_P(WalkDirectory, SubDirectoryIsWalkedWhereItsPointerStands) {
  const auto img =
      ReadIfd(Ifd{Ascii(0x010F, "A"), Pointer(0x8769, Ifd{Ascii(0x9003, "2001:01:01 00:00:00")}),
                  Pointer(0x8825, Ifd{Ascii(0x0001, "N")})});
  std::vector<uint16_t> order;
  for (const Tag& e : img.tags)
    order.push_back(e.tagNumber);
  EXPECT_EQ(order, (std::vector<uint16_t>{0x010F, 0x9003, 0x8769, 0x0001, 0x8825}));
  const std::string& dump = img.dump;
  EXPECT_LT(dump.find("Exif Offset"), dump.find("Date Time Original"));
  EXPECT_EQ(dump.substr(0, 2), "\r\n");
}

TEST_P(WalkDirectory, UnknownTagsAppearInTheDumpOnly) {
  const auto img = ReadIfd(Ifd{Ascii(0x010F, "A"), Short(0xC123, {7})});
  EXPECT_NE(img.dump.find("\r\nUnknown = 7"), std::string::npos);
  EXPECT_FALSE(HasTag(img, 0xC123));
  EXPECT_EQ(img.tags.size(), 1u);
}

TEST_P(WalkDirectory, ReaderOptionChoosesWhatIsProduced) {
  const Ifd ifd0{Ascii(0x010F, "Testkamera"), Ascii(0x0132, "2008:05:17 14:03:22"),
                 Short(0x0100, {640})};
  const auto texts = ReadIfd(ifd0, ExifDetail::Texts);
  EXPECT_EQ(texts.exif.make, "Testkamera");
  EXPECT_EQ(texts.exif.dateTime, "2008:05:17 14:03:22");
  EXPECT_NE(texts.dump.find("Make = Testkamera"), std::string::npos);
  EXPECT_TRUE(texts.tags.empty());

  const auto everything = ReadIfd(ifd0, ExifDetail::Everything);
  EXPECT_EQ(everything.dump, texts.dump);
  EXPECT_EQ(everything.tags.size(), 3u);

  // 4 alone: the tag list with the value bytes, no texts, no dump.
  const auto list = ReadIfd(ifd0, ExifDetail::TagList);
  const ExifRead& exif = list;
  ASSERT_EQ(exif.tags.size(), 3u);
  EXPECT_EQ(exif.tags[0].name, "Make");
  EXPECT_EQ(exif.tags[0].text, "");
  EXPECT_EQ(exif.tags[0].rawBytes, std::string("Testkamera\0", 11));
  EXPECT_TRUE(exif.dump.empty());
  EXPECT_EQ(exif.exif.dateTime, "");
  EXPECT_EQ(exif.exif.imageWidth, 640);
}

TEST_P(WalkDirectory, FocalLengthIn35mmFilmIsDerived) {
  const Ifd ifd0{Pointer(0x8769, Ifd{Rational(0x920A, {{71, 10}}), Long(0xA002, {2048}),
                                     Long(0xA003, {1536}), Rational(0xA20E, {{3000, 1}}),
                                     Rational(0xA20F, {{3000, 1}}), Short(0xA210, {2})})};
  const auto img = ReadIfd(ifd0);
  const ExifRead& exif = img;
  const Tag* derived = exif.FindTag("FocalLengthIn35mmFilm");
  ASSERT_NE(derived, nullptr);
  EXPECT_EQ(derived->tagNumber, 0xA405);
  EXPECT_EQ(derived->text, "14.17");
  EXPECT_NE(exif.dump.find("\r\nFocal Length in 35mm Film = 14.17"), std::string::npos);

  // With option 2 the values it needs are not in the tag list.
  EXPECT_EQ(ReadIfd(ifd0, ExifDetail::Texts).dump.find("35mm"), std::string::npos);
}

TEST_P(WalkDirectory, StatedFocalLengthIn35mmFilmIsKept) {
  const auto img = ReadIfd(Ifd{
      Pointer(0x8769, Ifd{Rational(0x920A, {{71, 10}}), Long(0xA002, {2048}), Long(0xA003, {1536}),
                          Short(0xA405, {50}), Rational(0xA20E, {{3000, 1}}),
                          Rational(0xA20F, {{3000, 1}}), Short(0xA210, {2})})});
  const auto& list = img.tags;
  EXPECT_EQ(
      std::count_if(list.begin(), list.end(), [](const Tag& e) { return e.tagNumber == 0xA405; }),
      1);
}

TEST_P(WalkDirectory, PointerLoopsEnd) {
  // IFD0 at offset 8 points at itself, and its GPS pointer leads into a
  // directory that points back at IFD0.
  Ifd gps{Ascii(0x0001, "N")};
  gps.Add(RawEntry(0x8825, kLong, 1, 8));
  gps.Add(RawEntry(0x8769, kLong, 1, 8));
  const auto img = ReadIfd(Ifd{Ascii(0x0132, "2001:01:01 00:00:00"), RawEntry(0x8769, kLong, 1, 8),
                               Pointer(0x8825, gps)});
  EXPECT_EQ(DateTimeText(img), "2001:01:01 00:00:00");
  EXPECT_EQ(img.tags.size(), 4u);
}

TEST_P(WalkDirectory, DeepChainOfDirectoriesEndsWithoutExhaustingTheStack) {
  // A TIFF file whose IFD0 starts a chain of 14000 distinct directories, each
  // pointing at the next; the last one holds Software.
  const ByteOrder o = order();
  const auto entry = [o](uint16_t tag, uint16_t type, uint32_t count, uint32_t field) {
    return U16(tag, o) + U16(type, o) + U32(count, o) + U32(field, o);
  };
  const uint32_t chainStart = 58;
  const int levels = 14000;
  std::string file = (o == ByteOrder::Intel ? "II" : "MM") + U16(42, o) + U32(8, o) + U16(2, o) +
                     entry(0x0132, kAscii, 20, 38) + entry(0x8769, kLong, 1, chainStart) +
                     U32(0, o) + std::string("2001:01:01 00:00:00\0", 20);
  for (int i = 0; i < levels; ++i) {
    const uint32_t next = chainStart + 18 * static_cast<uint32_t>(i + 1);
    file += U16(1, o) +
            (i + 1 < levels ? entry(0x8769, kLong, 1, next) : entry(0x0131, kAscii, 4, 0)) +
            U32(0, o);
  }
  ASSERT_LT(file.size(), 256000u);
  const auto img = Read(file, "chain.tif");
  EXPECT_EQ(ErrorText(img), "<none>");
  EXPECT_EQ(DateTimeText(img), "2001:01:01 00:00:00");
  EXPECT_LT(img.tags.size(), 40u);
}

TEST_P(WalkDirectory, OversizedDirectoryIsSkippedAndReported) {
  Ifd huge{Ascii(0x9003, "2009:09:09 09:09:09")};
  huge.CountWord(0xFFFF);
  const std::string tiff =
      Tiff(Ifd{Ascii(0x0132, "2001:01:01 00:00:00"), Pointer(0x8769, huge), Ascii(0x0131, "sw")},
           order());
  ExifRead img;
  JpegSegment& section = img.segments.emplace_back();
  const std::string body = std::string("Exif\0\0", 6) + tiff;
  section.data = BigU16(static_cast<uint16_t>(body.size() + 2)) + body;
  section.size = static_cast<int32_t>(section.data.size());
  std::optional<ReadProblem> problem;
  EXPECT_EQ(WalkExifSegment(img, 0, ExifDetail::Everything, problem), ExifSegmentResult::Walked);
  ASSERT_TRUE(problem);
  EXPECT_EQ(ExifStatusText(problem->status), "Illegally sized directory");
  EXPECT_EQ(img.exif.dateTime, "2001:01:01 00:00:00");
  EXPECT_EQ(img.TagText("Software"), "sw");

  // Through the whole read the walk's text gives way to the read's outcome.
  EXPECT_EQ(ErrorText(ReadIfd(Ifd{Pointer(0x8769, huge)})), "<none>");
}

TEST_P(WalkDirectory, ValuesOutsideTheDataAreEmptyOrCut) {
  const auto img = ReadIfd(Ifd{RawEntry(0x010E, kAscii, 30, 0x7FFFFFF0),
                               RawEntry(0x0131, kAscii, 0xFFFFFFFF, 8), Ascii(0x0132, "x")});
  const ExifRead& exif = img;
  EXPECT_EQ(exif.TagText("ImageDescription"), "");
  // From IFD0 to the end of the segment: cut there, shown printable.
  const Tag* software = exif.FindTag("Software");
  ASSERT_NE(software, nullptr);
  EXPECT_EQ(software->rawBytes, exif.segments[*exif.exifSegment].data.substr(16));
  EXPECT_EQ(DateTimeText(img), "x");
}

TEST_P(WalkDirectory, RendererFaultEndsOnlyTheSubDirectory) {
  // Flash stored as text cannot be rendered: the EXIF directory ends there.
  const auto img = ReadIfd(Ifd{Ascii(0x0132, "2001:01:01 00:00:00"),
                               Pointer(0x8769, Ifd{Ascii(0x9003, "2008:05:17 14:03:20"),
                                                   Ascii(0x9209, "bright"), Long(0xA002, {99})}),
                               Ascii(0x8830, "after")});
  EXPECT_EQ(ErrorText(img), "<none>");
  EXPECT_EQ(DateTimeText(img), "2008:05:17 14:03:20");
  EXPECT_EQ(img.exif.imageWidth, 0);
  EXPECT_NE(img.dump.find("Unknown = after"), std::string::npos);
}

TEST_P(WalkDirectory, RendererFaultInIfd0EndsTheRead) {
  const auto img = ReadIfd(Ifd{Ascii(0x0132, "2001:01:01 00:00:00"), Ascii(0x9209, "x")});
  EXPECT_TRUE(img.HasExif());
  EXPECT_EQ(ErrorText(img), "Not an EXIF file");
}

INSTANTIATE_BOTH_ORDERS(WalkDirectory);

TEST(TagQueries, ByNameIgnoringCaseFirstMatchWins) {
  ExifRead info;
  Tag a;
  a.tagNumber = 0x920A;
  a.name = "FocalLength";
  a.text = "first";
  a.rawBytes = std::string("\x05\0\0\0\x02\0\0\0", 8); // 5/2 in Intel order
  a.valueType = kRational;
  Tag b = a;
  b.text = "second";
  info.tags = {a, b};
  EXPECT_EQ(info.FindTag("focallength"), &info.tags[0]);
  EXPECT_EQ(info.TagText("FOCALLENGTH"), "first");
  EXPECT_EQ(info.FindTag("nothing"), nullptr);
  EXPECT_DOUBLE_EQ(info.TagValue("FocalLength"), 2.5);
  EXPECT_EQ(info.TagInteger("FocalLength"), 2); // halves to even
  EXPECT_EQ(info.TagValue("nothing"), 0);
}

TEST(TagQueries, RoundingClampsAndRoundsHalvesToEven) {
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(3.5), 4);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(1e12), INT32_MAX);
  EXPECT_EQ(RoundToInt32(-1e12), INT32_MIN);
  EXPECT_EQ(RoundToInt32(std::nan("")), 0);
}
