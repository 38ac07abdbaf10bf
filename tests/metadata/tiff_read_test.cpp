// The TIFF read: header check, the 256000-byte buffer, where IFD0 is taken.

#include "reader_helpers.h"

using namespace testkit;
using readertest::BothOrders;
using readertest::DateTimeText;
using readertest::Read;

namespace {

class TiffRead : public BothOrders {};

const Ifd kIfd0{Ascii(0x010F, "Scanner"), Ascii(0x0132, "2010:10:10 10:10:10")};

class CountingSource : public ByteSource {
public:
  explicit CountingSource(const std::string& bytes) : inner_(bytes) {}
  size_t Read(char* dst, size_t n) override {
    const size_t count = inner_.Read(dst, n);
    bytesRead += count;
    return count;
  }
  size_t bytesRead = 0;

private:
  MemorySource inner_;
};

} // namespace

TEST_P(TiffRead, ReadsIfd0ForEveryTiffExtension) {
  for (const char* name : {"a.tif", "b.TIFF", "c.nef"}) {
    const auto img = Read(Tiff(kIfd0, order()), name);
    EXPECT_EQ(ErrorText(img), "<none>") << name;
    EXPECT_EQ(DateTimeText(img), "2010:10:10 10:10:10") << name;
    EXPECT_EQ(img.exif.make, "Scanner") << name;
    EXPECT_EQ(img.segments.size(), 1u) << name;
    EXPECT_EQ(img.exifSegment, 0u) << name;
    EXPECT_EQ(img.segments[0].data.size(), 256000u) << name;
  }
}

TEST_P(TiffRead, Ifd0IsTakenWhereTheHeaderPointsAndEveryMarkedFileReads) {
  const auto moved = Read(Tiff(kIfd0, order(), 100), "a.tif");
  EXPECT_EQ(ErrorText(moved), "<none>");
  EXPECT_EQ(DateTimeText(moved), "2010:10:10 10:10:10");

  // An offset into the header itself cannot be IFD0: it is taken at 8.
  const auto intoHeader = Read(Tiff(kIfd0, order(), 8, 4), "a.tif");
  EXPECT_EQ(DateTimeText(intoHeader), "2010:10:10 10:10:10");

  // Beyond the buffer: no tags, but the read itself succeeds.
  const auto beyond = Read(Tiff(kIfd0, order(), 8, 300000), "a.tif");
  EXPECT_EQ(ErrorText(beyond), "<none>");
  EXPECT_TRUE(beyond.tags.empty());
}

TEST_P(TiffRead, ShortFilesReadAsZeros) {
  const std::string full = Tiff(kIfd0, order());
  for (size_t cut = 2; cut < full.size(); ++cut) {
    const auto img = Read(full.substr(0, cut), "a.tif");
    EXPECT_EQ(ErrorText(img), "<none>") << cut;
    EXPECT_EQ(img.segments[0].data.substr(0, cut > 8 ? cut - 8 : 0),
              full.substr(8, cut > 8 ? cut - 8 : 0));
  }
}

TEST_P(TiffRead, ValueBeyondTheBufferIsEmpty) {
  Ifd ifd0{Ascii(0x0132, "2010:10:10 10:10:10"), RawEntry(0x010E, kAscii, 20, 256100)};
  std::string file = Tiff(ifd0, order());
  file.resize(256100, '\0');
  file += "far away text\0\0\0\0\0\0\0";
  const auto img = Read(file, "a.tif");
  EXPECT_EQ(img.TagText("ImageDescription"), "");
  EXPECT_EQ(DateTimeText(img), "2010:10:10 10:10:10");
}

INSTANTIATE_BOTH_ORDERS(TiffRead);

TEST(TiffReadHeader, WithoutByteOrderMarkIsNotExif) {
  for (const std::string& bytes : {std::string("IM*\0\x08\0\0\0", 8), std::string("I"),
                                   std::string(), JpegWithExifDate("2001:01:01 00:00:00")}) {
    const auto img = Read(bytes, "a.tif");
    EXPECT_FALSE(img.HasExif());
    EXPECT_EQ(ErrorText(img), "Not an EXIF file");
  }
}

TEST(TiffReadHeader, ReadsNoMoreThanHeaderAndBuffer) {
  const std::string file = Tiff(kIfd0, ByteOrder::Intel) + std::string(1'000'000, '\x11');
  CountingSource source(file);
  const ExifRead img = ReadExifSource(source, "big.tif", ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  EXPECT_EQ(source.bytesRead, 8u + 256000u);
}
