#include "metadata/internal/rendering.h"
#include "metadata/internal/tagtables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TagTablesTest, TablesHaveTheirSizesAndAscendingNumbers) {
  EXPECT_EQ(MainTableSize(), 250);
  EXPECT_EQ(GpsTableSize(), 31);
  EXPECT_TRUE(TagNumbersAscending(MainTagRows()));
  EXPECT_TRUE(TagNumbersAscending(GpsTagRows()));
  EXPECT_EQ(MainTableRow(0).tagNumber, 0x0001);
  EXPECT_EQ(MainTableRow(249).name, "ImageUniqueID");
  for (int i = 0; i < GpsTableSize(); ++i)
    EXPECT_EQ(GpsTableRow(i).tagNumber, i);
}

TEST(TagTablesTest, LookupFindsRowsByNumberWithTheirSpelling) {
  struct Case {
    uint16_t tag;
    TagTableKind kind;
    const char* name;
  };
  const Case cases[] = {
      {0x0132, MainTagTable, "DateTime"},
      {0x9003, MainTagTable, "DateTimeOriginal"},
      {0x0122, MainTagTable, "GrayReponseUnit"},
      {0x83BB, MainTagTable, "IPTC/NAA"},
      {0xA405, MainTagTable, "FocalLengthin35mmFilm"},
      {0x502C, MainTagTable, "ThumbnailStripBytesCount"},
      {0x0017, GpsTagTable, "GPSDestBearingkRef"},
      {0x001E, GpsTagTable, "GPSDifferential"},
      {0x0000, GpsTagTable, "GPSVersionID"},
  };
  for (const Case& c : cases) {
    const Tag row = LookupTag(c.tag, c.kind);
    EXPECT_EQ(row.tagNumber, c.tag);
    EXPECT_EQ(row.name, c.name);
    EXPECT_TRUE(row.text.empty() && row.rawBytes.empty() && row.valueType == 0);
  }
}

TEST(TagTablesTest, MissingTagsAndOtherKindsGiveTheUnknownRow) {
  for (const Tag& row :
       {LookupTag(0x9999, MainTagTable), LookupTag(0x001E, MainTagTable),
        LookupTag(0x0132, GpsTagTable), LookupTag(0x0132, static_cast<TagTableKind>(3)),
        LookupTag(0, MainTagTable), MainTableRow(-1), MainTableRow(250), GpsTableRow(31)}) {
    EXPECT_EQ(row.tagNumber, 0);
    EXPECT_EQ(row.name, "Unknown");
  }
}

TEST(TagTablesTest, RowsCarryListsFormatsAndRenderers) {
  EXPECT_EQ(LookupTag(0x0103, MainTagTable).valueList, "6:Jpeg,3:Uncompressed,1:TIFF");
  EXPECT_EQ(LookupTag(0x0106, MainTagTable).valueList, "1:Monochrome,2:RGB,6:YCbCr");
  EXPECT_EQ(LookupTag(0x920A, MainTagTable).formatText, "%5.2f mm");
  EXPECT_EQ(LookupTag(0x829A, MainTagTable).formatText, "%s sec");
  EXPECT_EQ(LookupTag(0x0005, GpsTagTable).valueList, "0:Sealevel");
  EXPECT_EQ(LookupTag(0x9209, MainTagTable).renderer, &RenderFlash);
  EXPECT_EQ(LookupTag(0x9C9F, MainTagTable).renderer, &RenderWideText);
  EXPECT_EQ(LookupTag(0x0016, GpsTagTable).renderer, &RenderDegrees);
  EXPECT_EQ(LookupTag(0x0007, GpsTagTable).renderer, &RenderTimeStamp);
  // The date rows stay plain so the date text reaches the reader untouched.
  for (uint16_t tag : {0x0132, 0x9003}) {
    const Tag row = LookupTag(tag, MainTagTable);
    EXPECT_TRUE(row.valueList.empty() && row.formatText.empty() && row.renderer == nullptr);
  }
}

TEST(TagTablesTest, NameLookupIgnoresCaseAndFindsTheFirstOfTwins) {
  auto tagOf = [](const char* name) { return MainTableRow(TableIndexByName(name)).tagNumber; };
  EXPECT_EQ(tagOf("FocalPlaneResolutionUnit"), 0x9210);
  EXPECT_EQ(tagOf("TIFF/EPStandardID"), 0x9216);
  EXPECT_EQ(tagOf("CFAPattern"), 0x828E);
  EXPECT_EQ(tagOf("FocalLengthIn35mmFilm"), 0xA405);
  EXPECT_EQ(tagOf("datetimeoriginal"), 0x9003);
  EXPECT_EQ(TableIndexByName("InteroperabilityIndex"), 0);
  EXPECT_EQ(TableIndexByName("GPSLatitude"), -1);
  EXPECT_EQ(TableIndexByName(""), -1);
  EXPECT_EQ(TableIndexByName("DateTim"), -1);
}

TEST(TagTablesTest, DescriptionsAreMadeFromNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"ExposureTime", "Exposure Time"},
      {"ISOSpeedRatings", "ISOSpeed Ratings"},
      {"YCbCrPositioning", "YCb Cr Positioning"},
      {"T4Options", "T4 Options"},
      {"GPSLatitude", "GPSLatitude"},
      {"XResolution", "XResolution"},
      {"lowerStart", "lower Start"},
      {"", ""},
  };
  for (const auto& [name, description] : cases)
    EXPECT_EQ(DescriptionFromName(name), description);
}

TEST(TagTablesTest, LookupGivesEveryRowADescriptionAndKeepsTheGivenOnes) {
  EXPECT_EQ(LookupTag(0x9003, MainTagTable).description, "Date Time Original");
  EXPECT_EQ(LookupTag(0x829D, MainTagTable).description, "FNumber");
  EXPECT_EQ(LookupTag(0x83BB, MainTagTable).description, "IPTC/NAA");
  EXPECT_EQ(LookupTag(0xA216, MainTagTable).description, "TIFF/EPStandardID");
  EXPECT_EQ(LookupTag(0x9216, MainTagTable).description, "TIFF/ EPStandard ID");
  EXPECT_EQ(LookupTag(0xA405, MainTagTable).description, "Focal Length in 35mm Film");
  EXPECT_EQ(LookupTag(0x0012, GpsTagTable).description, "GPSMap Datum");
  EXPECT_EQ(LookupTag(0x4242, MainTagTable).description, "Unknown");
  for (int i = 0; i < MainTableSize(); ++i)
    EXPECT_FALSE(MainTableRow(i).description.empty());
}

} // namespace
