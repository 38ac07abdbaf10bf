#include "metadata/iptc.h"
#include "tests/kit/iptc_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using testkit::IptcDataset;

struct Shown {
  std::string name;
  std::string text;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& shown, std::ostream* out) {
    *out << shown.name << '=' << testing::PrintToString(shown.text);
  }
};

// Parses from an exactly sized heap copy, so a read past the end is caught by
// the sanitizer build, and lists the entries.
std::vector<Shown> Parse(const std::string& bytes, IptcData& store) {
  const auto exact = std::make_unique<char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), exact.get());
  store.ParseSegment(std::string_view(exact.get(), bytes.size()));
  std::vector<Shown> shown;
  for (int32_t i = 0; i < store.Count(); ++i)
    shown.push_back({store.RecordAt(i).name, store.RecordAt(i).text});
  return shown;
}

std::vector<Shown> Parse(const std::string& bytes) {
  IptcData store;
  return Parse(bytes, store);
}

TEST(IptcParseTest, DatasetsOfAPhotoshopBlockComeOutInFileOrder) {
  const std::string datasets =
      IptcDataset(2, 0, std::string("\0\x04", 2)) + IptcDataset(2, 120, "Am Hafen") +
      IptcDataset(2, 25, "Boot") + IptcDataset(2, 90, "Hamburg") + IptcDataset(2, 25, "Wasser") +
      IptcDataset(2, 20, "Reise") + IptcDataset(2, 25, "Abend") + IptcDataset(2, 20, "Sommer") +
      IptcDataset(2, 55, "20230501") + IptcDataset(2, 5, std::string("A\0\xE4", 3)) +
      IptcDataset(2, 90, "Altona");
  IptcData store;
  const std::vector<Shown> expected = {{"ImageCaption", "Am Hafen"},
                                       {"Keywords", "Boot,Wasser,Abend"},
                                       {"City", "Hamburg"},
                                       {"SuppCategory", "Reise,Sommer"},
                                       {"DateCreated", "20230501"},
                                       {"ObjectName", std::string("A\0\xE4", 3)},
                                       {"City", "Altona"}};
  EXPECT_EQ(Parse(testkit::App13(testkit::PhotoshopIptcBlock(datasets)), store), expected);
  const Tag city = store.RecordAt(2);
  EXPECT_EQ(city.description, "City");
  EXPECT_EQ(city.iptcRecord, 2);
  EXPECT_EQ(city.tagNumber, 90);
  EXPECT_EQ(city.byteCount, 32);
  // Only keywords and supplemental categories are merged; lookups see the
  // first of two cities.
  EXPECT_EQ(store.FindName("city"), 2);
  EXPECT_EQ(store.ValueOf("CITY", "-"), "Hamburg");
  // A second parse starts afresh.
  EXPECT_EQ(Parse(IptcDataset(2, 90, "Kiel"), store), (std::vector<Shown>{}));
  EXPECT_EQ(Parse(std::string(12, 'x') + IptcDataset(2, 90, "Kiel"), store),
            (std::vector<Shown>{{"City", "Kiel"}}));
}

TEST(IptcParseTest, SearchStartsBehindTheSignatureOrAtTheThirteenthByte) {
  const std::string city = IptcDataset(2, 90, "Ulm");
  const std::string state = IptcDataset(2, 95, "BW");
  // Without the signature a tag marker at the 12th byte is not looked at; the
  // search then finds the next dataset.
  EXPECT_EQ(Parse(std::string(11, 'x') + city + state), (std::vector<Shown>{{"State", "BW"}}));
  EXPECT_EQ(Parse(std::string(12, 'x') + city + state),
            (std::vector<Shown>{{"City", "Ulm"}, {"State", "BW"}}));
  EXPECT_EQ(Parse(city + "Photoshop 3.0" + state), (std::vector<Shown>{{"State", "BW"}}));
}

TEST(IptcParseTest, SegmentsWithoutDatasetsGiveAnEmptyStore) {
  const std::string pad(12, 'x');
  for (const std::string& text :
       {std::string(), std::string("Photoshop 3.0"), pad + "\x1C\x01\x5A", pad + "\x1C",
        pad + "\x1C\x02", pad + "\x1C\x02\x5A\x00", IptcDataset(1, 90, "Envelope")}) {
    IptcData store;
    Parse(text, store);
    EXPECT_FALSE(store.HasRecords()) << testing::PrintToString(text);
  }
}

// Record 1 before the first dataset of record 2 is never looked at; later it
// is read over like the record version and other records, leaving no entry.
TEST(IptcParseTest, UnknownDatasetsBecomeCustomEntriesExceptRepeatableNumbers) {
  const std::string envelope = IptcDataset(1, 90, "\x1B%G");
  IptcData store;
  const std::vector<Shown> shown =
      Parse(std::string(12, 'x') + envelope + IptcDataset(2, 0, std::string("\0\x02", 2)) +
                IptcDataset(2, 200, "eigen") + envelope + IptcDataset(8, 30, "acht") +
                IptcDataset(8, 25, "verloren") + IptcDataset(8, 20, "auch") +
                IptcDataset(8, 10, "\x01") + IptcDataset(8, 0, "null") + IptcDataset(3, 5, "?"),
            store);
  EXPECT_EQ(shown, (std::vector<Shown>{
                       {"Custom_200", "eigen"}, {"Custom_30", "acht"}, {"Subfile", "\x01"}}));
  const Tag custom = store.RecordAt(1);
  EXPECT_EQ(custom.description, "Custom_30");
  EXPECT_EQ(custom.iptcRecord, 8);
  EXPECT_EQ(custom.tagNumber, 30);
  EXPECT_EQ(custom.byteCount, 64);
}

TEST(IptcParseTest, ZeroAndOverlongLengthsStayInsideTheText) {
  const std::string pad(12, 'x');
  EXPECT_EQ(Parse(pad + IptcDataset(2, 5, "") + IptcDataset(2, 90, "Jena")),
            (std::vector<Shown>{{"ObjectName", ""}, {"City", "Jena"}}));
  EXPECT_EQ(Parse(pad + IptcDataset(2, 90, "Gera") +
                  testkit::IptcDatasetWithLength(2, 120, 0xFFFF, "kurz")),
            (std::vector<Shown>{{"City", "Gera"}, {"ImageCaption", "kurz"}}));
  // A dataset header cut after its first length byte is not read.
  EXPECT_EQ(Parse(pad + IptcDataset(2, 90, "Suhl") + std::string("\x1C\x02\x78\x00", 4)),
            (std::vector<Shown>{{"City", "Suhl"}}));
  // The extended length form is read as a plain 16-bit number.
  const std::string extended = std::string("\0\0\0\x02", 4) + "ab";
  EXPECT_EQ(Parse(pad + testkit::IptcDatasetWithLength(2, 120, 0x8004, extended)),
            (std::vector<Shown>{{"ImageCaption", extended}}));
}

} // namespace
