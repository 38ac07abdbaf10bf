// The thumbnail finder on JPEGs built by the test kit: it finds IFD1's
// picture in both byte orders, and an offset, length or directory that
// points anywhere else gives no thumbnail instead of a read out of bounds.

#include "metadata/exif_thumbnail.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

namespace {

using namespace testkit;

// Stands in for a thumbnail: what the finder checks is the JPEG start.
const std::string kThumbnail = std::string("\xFF\xD8\xFF\xDB", 4) + std::string(40, 'x');

std::optional<std::string> Found(const std::string& jpeg) {
  MemorySource source(jpeg);
  return ReadExifThumbnail(source);
}

TEST(ExifThumbnailTest, FindsTheThumbnailOfIfd1InBothByteOrders) {
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    SCOPED_TRACE(order == ByteOrder::Intel ? "II" : "MM");
    EXPECT_EQ(Found(JpegWithThumbnail(kThumbnail, order)), kThumbnail);
    // Behind an XMP segment (another APP1) and a comment.
    const std::string later = Soi() + Segment(kApp1, "http://ns.adobe.com/xap/1.0/") +
                              Comment("c") + ExifApp1(TiffWithThumbnail(kThumbnail, order)) +
                              ScanAndEnd();
    EXPECT_EQ(Found(later), kThumbnail);
  }
}

TEST(ExifThumbnailTest, NoThumbnailWhereNoneIsOrItPointsAstray) {
  const uint32_t huge = 0xFFFFFFF0;
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    const std::string tiff = TiffWithThumbnail(kThumbnail, order);
    const uint32_t at = static_cast<uint32_t>(tiff.size() - kThumbnail.size());
    const uint32_t size = static_cast<uint32_t>(kThumbnail.size());
    const struct {
      const char* what;
      std::string jpeg;
    } cases[] = {
        {"no EXIF", JpegWithoutExif()},
        {"no IFD1", JpegWithExifDate("2023:05:01 12:07:32", order == ByteOrder::Motorola)},
        {"IFD1 without a picture", CameraJpeg(order)},
        {"offset past the end",
         Soi() + ExifApp1(TiffWithThumbnail(kThumbnail, order, "x", at + 1)) + ScanAndEnd()},
        {"offset wraps around",
         Soi() + ExifApp1(TiffWithThumbnail(kThumbnail, order, "x", huge)) + ScanAndEnd()},
        {"length past the end",
         Soi() + ExifApp1(TiffWithThumbnail(kThumbnail, order, "x", at, size + 1)) + ScanAndEnd()},
        {"length wraps around",
         Soi() + ExifApp1(TiffWithThumbnail(kThumbnail, order, "x", at, huge)) + ScanAndEnd()},
        {"not a JPEG",
         Soi() + ExifApp1(TiffWithThumbnail(std::string(20, 'x'), order)) + ScanAndEnd()},
        {"cut short", JpegWithThumbnail(kThumbnail, order).substr(0, 60)},
        {"EXIF behind the image data",
         Soi() + ScanAndEnd() + ExifApp1(TiffWithThumbnail(kThumbnail, order))},
        {"no JPEG", TiffWithThumbnail(kThumbnail, order)},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      EXPECT_EQ(Found(c.jpeg), std::nullopt);
    }
  }
}

TEST(ExifThumbnailTest, HostileDirectoriesEndTheSearch) {
  for (ByteOrder order : {ByteOrder::Intel, ByteOrder::Motorola}) {
    // IFD1 whose count runs far beyond the data; IFD1 at IFD0's own place;
    // IFD0 beyond the data.
    const std::string cases[] = {
        Tiff(Ifd{Short(0x0201, {8})}.Next(Ifd{}.CountWord(0xFFFF)), order),
        Tiff(Ifd{Long(0x0202, {8})}, order).substr(0, 22) + U32(8, order),
        Tiff(Ifd{}, order, 8, 0xFFFFFFFF),
        std::string("II*\0", 4),
    };
    for (const std::string& tiff : cases)
      EXPECT_EQ(ExifThumbnailIn(tiff), std::nullopt);
  }
}

} // namespace
