// What the order of date sources takes from TIFF, PNG and HEIF files besides
// their capture date: the XMP packet and IPTC datasets, read only when no
// DateTimeOriginal is there and only inside the file and their bounds.

#include "metadata/capture_date.h"
#include "metadata/iptc_date.h"
#include "metadata/xmp_date.h"
#include "tests/kit/iptc_builder.h"
#include "tests/kit/iso_builder.h"
#include "tests/kit/raw_builder.h"
#include "tests/kit/riff_png_builder.h"
#include "tests/kit/testkit.h"
#include "tests/kit/tiff_builder.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

const std::string kOriginal = "2015:06:07 08:09:10";
const std::string kScanned = "2026:01:02 03:04:05";
const std::string kPacket = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"/>";

std::string Text(const std::optional<CaptureDate>& date) {
  return date ? CaptureDateText(date->time) : "-";
}

// "own | packet bytes | IPTC day | DateTime".
std::string Summary(const CaptureDates& dates) {
  const std::optional<StatedDate> created = IptcCreationDate(dates.iptc);
  return Text(dates.own) + " | " + std::to_string(dates.xmpPacket.size()) + " | " +
         (created ? CaptureDateText(created->local) : "-") + " | " + Text(dates.dateTime);
}

std::string ScanTiff(Entry extra, size_t padding = 0, const std::string& original = "") {
  Ifd ifd0 = DatedIfd0(original, kScanned);
  ifd0.Add(std::move(extra));
  return Tiff(ifd0.Padding(padding), ByteOrder::Intel);
}

} // namespace

TEST(InnerDates, PacketAndDatasetsAreReadWithinTheirBounds) {
  const std::string iptc =
      IptcDataset(2, 0, std::string("\x00\x04", 2)) + IptcDataset(2, 55, "19870605");
  const std::string packetSize = std::to_string(kPacket.size());
  const std::string none = "- | 0 | - | " + kScanned;
  const struct {
    const char* what;
    std::string name, bytes, expected;
  } cases[] = {
      {"XMP as UNDEFINED", "a.tif", ScanTiff(Undefined(700, kPacket)),
       "- | " + packetSize + " | - | " + kScanned},
      {"XMP as BYTE, behind the window", "a.dng", ScanTiff(Bytes(700, kPacket), 100000),
       "- | " + packetSize + " | - | " + kScanned},
      {"IPTC as UNDEFINED", "a.tif", ScanTiff(Undefined(33723, iptc)),
       "- | 0 | 1987:06:05 00:00:00 | " + kScanned},
      {"IPTC as LONG, counted in fours", "a.tif",
       ScanTiff(Entry{33723, static_cast<uint16_t>(kLong), 5, {}, iptc.substr(0, 20), {}, {}}),
       "- | 0 | 1987:06:05 00:00:00 | " + kScanned},
      {"DateTimeOriginal makes the rest needless", "a.nef",
       ScanTiff(Undefined(700, kPacket), 0, kOriginal), kOriginal + " | 0 | - | " + kScanned},
      {"a packet past the end of the file", "a.tif", ScanTiff(RawEntry(700, 7, 4096, 64)), none},
      {"a packet above the bound is not read", "a.tif",
       ScanTiff(RawEntry(700, 7, kMaxXmpBytes + 1, 64)), none},
      {"a type that is no byte", "a.tif", ScanTiff(RawEntry(700, 3, 4096, 64)), none},
      {"PNG iTXt", "a.png",
       PngWithChunks(PngChunk("eXIf", Tiff(DatedIfd0("", kScanned), ByteOrder::Intel)) +
                     PngItxt("XML:com.adobe.xmp", kPacket)),
       "- | " + packetSize + " | - | " + kScanned},
      {"PNG iTXt of another keyword", "a.png", PngWithChunks(PngItxt("Comment", kPacket)),
       "- | 0 | - | -"},
      {"PNG iTXt compressed", "a.png", PngWithChunks(PngItxt("XML:com.adobe.xmp", kPacket, true)),
       "- | 0 | - | -"},
      {"PNG iTXt cut by the end of the file", "a.png",
       PngWithChunks(PngItxt("XML:com.adobe.xmp", kPacket)).substr(0, 60), "- | 0 | - | -"},
      {"HEIF XMP item", "a.heic",
       HeifWithXmp(Tiff(DatedIfd0("", kScanned), ByteOrder::Intel), kPacket),
       "- | " + packetSize + " | - | " + kScanned},
      {"HEIF XMP item without Exif", "a.heic", HeifWithXmp("", kPacket),
       "- | " + packetSize + " | - | -"},
      {"HEIF with DateTimeOriginal", "a.heic",
       HeifWithXmp(Tiff(DatedIfd0(kOriginal, ""), ByteOrder::Intel), kPacket),
       kOriginal + " | 0 | - | -"},
  };
  for (const auto& c : cases) {
    MemorySource source(c.bytes);
    EXPECT_EQ(Summary(ReadCaptureDates(source, c.name)), c.expected) << c.what;
  }
}

TEST(InnerDates, EveryTruncationEndsCleanly) {
  const std::string files[] = {
      ScanTiff(Undefined(700, kPacket)),
      PngWithChunks(PngItxt("XML:com.adobe.xmp", kPacket)),
      HeifWithXmp("", kPacket),
  };
  const char* names[] = {"a.tif", "a.png", "a.heic"};
  for (size_t i = 0; i < std::size(files); ++i)
    for (size_t length = 0; length <= files[i].size(); ++length) {
      MemorySource source(std::string_view(files[i]).substr(0, length));
      const CaptureDates dates = ReadCaptureDates(source, names[i]);
      EXPECT_LE(dates.xmpPacket.size(), kPacket.size());
    }
}
