// The JPEG marker scan: which segments it keeps, takes and stops at.

#include "metadata/internal/exif_segment.h"
#include "reader_helpers.h"

#include <stdexcept>

using namespace testkit;
using readertest::DateTimeText;
using readertest::Read;

namespace {

const std::string kDate = "2008:05:17 14:03:20";

std::string Exif(const std::string& date = kDate, ByteOrder order = ByteOrder::Intel) {
  return ExifApp1(Tiff(Ifd{Ascii(0x0132, date)}, order));
}

std::string Dqt() {
  return Segment(kDqt, std::string(65, '\x01'));
}

// Counts what the scan asks of its source.
class CountingSource : public ByteSource {
public:
  explicit CountingSource(const std::string& bytes) : inner_(bytes) {}
  size_t Read(char* dst, size_t n) override {
    ++calls;
    const size_t count = inner_.Read(dst, n);
    bytesRead += count;
    return count;
  }
  int calls = 0;
  size_t bytesRead = 0;

private:
  MemorySource inner_;
};

class FailingSource : public ByteSource {
public:
  size_t Read(char*, size_t) override { throw std::runtime_error("device gone"); }
};

} // namespace

TEST(ScanJpeg, FileWithoutStartOfImageIsNotExif) {
  const auto img = Read(Exif() + ScanAndEnd());
  EXPECT_FALSE(img.HasMetadata());
  EXPECT_EQ(ErrorText(img), "Not an EXIF file");
}

TEST(ScanJpeg, ExtensionChoosesTheReadIgnoringCase) {
  const std::string jpeg = JpegWithExifDate(kDate);
  struct Case {
    const char* name;
    bool read;
  } cases[] = {{"a.jpg", true},  {"A.JPG", true},  {"b.JPEG", true}, {"c.jpe", true},
               {"d.jp2", false}, {"e.png", false}, {"noext", false}, {"dir.jpg/f", false}};
  for (const Case& c : cases) {
    MemorySource source(jpeg);
    const ExifRead img = ReadExifSource(source, c.name, ExifDetail::Everything);
    EXPECT_EQ(img.Succeeded(), c.read) << c.name;
    EXPECT_EQ(ErrorText(img), c.read ? "<none>" : "Not an EXIF file") << c.name;
  }
}

TEST(ScanJpeg, ReadErrorMakesTheReadFalse) {
  FailingSource source;
  const ExifRead img = ReadExifSource(source, "a.jpg", ExifDetail::Everything);
  EXPECT_FALSE(img.Succeeded());
  EXPECT_EQ(ErrorText(img), "Not an EXIF file");
}

TEST(ScanJpeg, FifthSegmentIsNotExaminedWithoutEarlierMetadata) {
  const auto img = Read(Soi() + Dqt() + Dqt() + Dqt() + Dqt() + Exif() + ScanAndEnd());
  EXPECT_FALSE(img.HasExif());
  EXPECT_EQ(img.segments.size(), 5);
  EXPECT_EQ(ErrorText(img), "Not an EXIF file");
}

TEST(ScanJpeg, FifthSegmentIsExaminedAfterAComment) {
  const auto img = Read(Soi() + Comment("x") + Dqt() + Dqt() + Dqt() + Exif() + ScanAndEnd());
  EXPECT_TRUE(img.HasExif());
  EXPECT_EQ(DateTimeText(img), kDate);
}

TEST(ScanJpeg, App1AfterTheFifthSegmentIsDroppedAndItsSlotReused) {
  const auto img = Read(Soi() + Comment("x") + Dqt() + Dqt() + Dqt() + Dqt() + Exif() +
                        Comment("last") + ScanAndEnd());
  EXPECT_FALSE(img.HasExif());
  ASSERT_EQ(img.segments.size(), 7); // six segments and the start of scan
  EXPECT_EQ(img.segments[5].marker, kCom);
  EXPECT_EQ(img.commentSegment, 5u);
}

TEST(ScanJpeg, OnlyTheFirstExifSegmentIsUsed) {
  const auto img =
      Read(Soi() + Exif("2001:01:01 01:01:01") + Exif("2002:02:02 02:02:02") + ScanAndEnd());
  EXPECT_EQ(DateTimeText(img), "2001:01:01 01:01:01");
  EXPECT_EQ(img.segments.size(), 2); // the second APP1 gave its slot to the start of scan
  EXPECT_EQ(img.segments[1].marker, 0xDA);
}

TEST(ScanJpeg, NonExifApp1DoesNotHideALaterExifSegment) {
  const std::string xmp = Segment(kApp1, std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  const auto img = Read(Soi() + xmp + Exif() + ScanAndEnd());
  EXPECT_TRUE(img.HasExif());
  EXPECT_EQ(img.exifSegment, 1u);
  EXPECT_EQ(DateTimeText(img), kDate);
  EXPECT_EQ(ErrorText(img), "<none>");
}

TEST(ScanJpeg, NonExifApp1AloneIsNoMetadata) {
  const auto img = Read(Soi() + Segment(kApp1, "not exif at all") + ScanAndEnd());
  EXPECT_FALSE(img.HasExif());
  EXPECT_FALSE(img.HasExif());
  EXPECT_EQ(ErrorText(img), "Incorrect Exif header");
}

TEST(ScanJpeg, BadAlignmentMarkKeepsTheSegmentWithoutTags) {
  const auto img = Read(Soi() + Segment(kApp1, std::string("Exif\0\0XX\0\x2A", 10)) + ScanAndEnd());
  EXPECT_TRUE(img.HasExif());
  ASSERT_TRUE(img.HasExif());
  EXPECT_TRUE(img.tags.empty());
  EXPECT_EQ(ErrorText(img), "<none>");
}

TEST(ScanJpeg, App1EndingBeforeItsByteOrderMarkIsAnInvalidAlignmentAndTheScanGoesOn) {
  // "Exif" and its zero byte alone (length word 7), then cut inside the mark.
  for (const std::string& body :
       {std::string("Exif\0", 5), std::string("Exif\0\0", 6), std::string("Exif\0\0I", 7)}) {
    const auto img = Read(Soi() + Segment(kApp1, body) + Comment("after") + ScanAndEnd());
    EXPECT_TRUE(img.HasExif()) << body.size();
    EXPECT_EQ(img.commentSegment, 1u) << body.size();
    EXPECT_EQ(ErrorText(img), "<none>") << body.size();

    ExifRead direct;
    direct.segments.push_back(img.segments[0]);
    std::optional<ReadProblem> problem;
    EXPECT_EQ(WalkExifSegment(direct, 0, ExifDetail::Everything, problem),
              ExifSegmentResult::InvalidAlignment);
    ASSERT_TRUE(problem);
    EXPECT_EQ(ExifStatusText(problem->status), "Invalid Exif alignment marker");
  }
}

TEST(ScanJpeg, FillBytesBeforeAMarkerAreSkipped) {
  const auto img = Read(Soi() + "\xFF\xFF\xFF" + Exif() + "\xFF\xFF" + ScanAndEnd());
  EXPECT_EQ(DateTimeText(img), kDate);
  EXPECT_EQ(img.segments[0].marker, kApp1);
}

TEST(ScanJpeg, CommentAndApp13AreMetadataWithoutExif) {
  const auto img = Read(Soi() + Comment("first") + Segment(kApp13, "Photoshop 3.0") +
                        Segment(kApp13, "second") + Comment("second") + ScanAndEnd());
  EXPECT_TRUE(img.HasMetadata());
  EXPECT_FALSE(img.HasExif());
  EXPECT_EQ(img.commentSegment, 3u); // the last comment
  EXPECT_EQ(img.iptcSegment, 1u);    // the first APP13
}

TEST(ScanJpeg, StoredSegmentHoldsLengthWordAndBody) {
  const auto img = Read(Soi() + App0Jfif() + Comment("hello") + Segment(0xE5, "") + ScanAndEnd());
  EXPECT_EQ(img.headerSegment, 0u);
  const JpegSegment& comment = img.segments[1];
  EXPECT_EQ(comment.size, 7);
  EXPECT_EQ(comment.data, std::string("\x00\x07hello", 7));
  EXPECT_EQ(img.segments[2].data, std::string("\x00\x02", 2));
}

TEST(ScanJpeg, AtMostTwentySegmentsAreRead) {
  std::string bytes = Soi() + Comment("x");
  for (int i = 0; i < 30; ++i)
    bytes += Dqt();
  const auto img = Read(bytes + Exif() + ScanAndEnd());
  EXPECT_EQ(img.segments.size(), 20);
  EXPECT_TRUE(img.HasMetadata());
}

TEST(ScanJpeg, ImageDataAfterStartOfScanIsNeverScanned) {
  // ScanAndEnd carries an EXIF segment inside its image data.
  const auto img = Read(JpegWithoutExif());
  EXPECT_FALSE(img.HasMetadata());
}

TEST(ScanJpeg, LengthWordBelowTwoEndsTheScanKeepingWhatWasFound) {
  for (uint16_t length : {0, 1}) {
    const auto img = Read(Soi() + Exif() + SegmentHead(kDqt, length) + Comment("never"));
    EXPECT_EQ(img.segments.size(), 1) << length;
    EXPECT_FALSE(img.commentSegment) << length;
    EXPECT_EQ(DateTimeText(img), kDate) << length;
    EXPECT_EQ(ErrorText(img), "<none>") << length;
  }
}

TEST(ScanJpeg, BodyCutByTheEndOfDataIsFilledWithZeros) {
  const auto img = Read(Soi() + Comment("x") + SegmentHead(kDqt, 100) + "abc");
  ASSERT_EQ(img.segments.size(), 2);
  const JpegSegment& cut = img.segments[1];
  EXPECT_EQ(cut.size, 100);
  EXPECT_EQ(cut.data, std::string("\x00\x64", 2) + "abc" + std::string(95, '\0'));
}

TEST(ScanJpeg, EveryTruncationEndsCleanly) {
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    const std::string full = CameraJpeg(order);
    const size_t exifEnd = full.find("\xFF\xDB");
    for (size_t cut = 0; cut <= full.size(); ++cut) {
      const auto img = Read(full.substr(0, cut));
      ASSERT_LE(img.segments.size(), 20);
      if (cut >= exifEnd) {
        EXPECT_EQ(DateTimeText(img), "2008:05:17 14:03:20") << cut;
        EXPECT_EQ(ErrorText(img), "<none>") << cut;
      }
    }
  }
}

TEST(ScanJpeg, ReadsThroughABufferAndStopsAtTheImageData) {
  const std::string head =
      Soi() + App0Jfif() +
      ExifApp1(Tiff(Ifd{Ascii(0x0132, kDate), Undefined(0x927C, std::string(40000, 'n'))},
                    ByteOrder::Intel)) +
      Dqt();
  const std::string file = head + ScanAndEnd() + std::string(2'000'000, '\x55');
  CountingSource source(file);
  const ExifRead img = ReadExifSource(source, "big.jpg", ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  EXPECT_EQ(img.exif.dateTime, kDate);
  EXPECT_LE(source.calls, 4);
  EXPECT_LT(source.bytesRead, head.size() + 64 * 1024);
}
