#include "metadata/rendering.h"
#include "metadata/tagtables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TagTablesTest, TablesHaveTheirSizesAndAscendingNumbers) {
  EXPECT_EQ(MainTableSize(), 250);
  EXPECT_EQ(GpsTableSize(), 31);
  EXPECT_TRUE(TagNumbersAscending(MainTagRows()));
  EXPECT_TRUE(TagNumbersAscending(GpsTagRows()));
  EXPECT_EQ(MainTableRow(0).TagNumber, 0x0001);
  EXPECT_EQ(MainTableRow(249).Name, "ImageUniqueID");
  for (int i = 0; i < GpsTableSize(); ++i)
    EXPECT_EQ(GpsTableRow(i).TagNumber, i);
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
    EXPECT_EQ(row.TagNumber, c.tag);
    EXPECT_EQ(row.Name, c.name);
    EXPECT_TRUE(row.Text.empty() && row.RawBytes.empty() && row.ValueType == 0);
  }
}

TEST(TagTablesTest, MissingTagsAndOtherKindsGiveTheUnknownRow) {
  for (const Tag& row :
       {LookupTag(0x9999, MainTagTable), LookupTag(0x001E, MainTagTable),
        LookupTag(0x0132, GpsTagTable), LookupTag(0x0132, static_cast<TagTableKind>(3)),
        LookupTag(0, MainTagTable), MainTableRow(-1), MainTableRow(250), GpsTableRow(31)}) {
    EXPECT_EQ(row.TagNumber, 0);
    EXPECT_EQ(row.Name, "Unknown");
  }
}

TEST(TagTablesTest, RowsCarryListsFormatsAndRenderers) {
  EXPECT_EQ(LookupTag(0x0103, MainTagTable).ValueList, "6:Jpeg,3:Uncompressed,1:TIFF");
  EXPECT_EQ(LookupTag(0x0106, MainTagTable).ValueList, "1:Monochrome,2:RGB,6:YCbCr");
  EXPECT_EQ(LookupTag(0x920A, MainTagTable).FormatText, "%5.2f mm");
  EXPECT_EQ(LookupTag(0x829A, MainTagTable).FormatText, "%s sec");
  EXPECT_EQ(LookupTag(0x0005, GpsTagTable).ValueList, "0:Sealevel");
  EXPECT_EQ(LookupTag(0x9209, MainTagTable).Renderer, &RenderFlash);
  EXPECT_EQ(LookupTag(0x9C9F, MainTagTable).Renderer, &RenderWideText);
  EXPECT_EQ(LookupTag(0x0016, GpsTagTable).Renderer, &RenderDegrees);
  EXPECT_EQ(LookupTag(0x0007, GpsTagTable).Renderer, &RenderTimeStamp);
  // The date rows stay plain so the date text reaches the reader untouched.
  for (uint16_t tag : {0x0132, 0x9003}) {
    const Tag row = LookupTag(tag, MainTagTable);
    EXPECT_TRUE(row.ValueList.empty() && row.FormatText.empty() && row.Renderer == nullptr);
  }
}

TEST(TagTablesTest, NameLookupIgnoresCaseAndFindsTheFirstOfTwins) {
  auto tagOf = [](const char* name) { return MainTableRow(TableIndexByName(name)).TagNumber; };
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
  EXPECT_EQ(LookupTag(0x9003, MainTagTable).Description, "Date Time Original");
  EXPECT_EQ(LookupTag(0x829D, MainTagTable).Description, "FNumber");
  EXPECT_EQ(LookupTag(0x83BB, MainTagTable).Description, "IPTC/NAA");
  EXPECT_EQ(LookupTag(0xA216, MainTagTable).Description, "TIFF/EPStandardID");
  EXPECT_EQ(LookupTag(0x9216, MainTagTable).Description, "TIFF/ EPStandard ID");
  EXPECT_EQ(LookupTag(0xA405, MainTagTable).Description, "Focal Length in 35mm Film");
  EXPECT_EQ(LookupTag(0x0012, GpsTagTable).Description, "GPSMap Datum");
  EXPECT_EQ(LookupTag(0x4242, MainTagTable).Description, "Unknown");
  for (int i = 0; i < MainTableSize(); ++i)
    EXPECT_FALSE(MainTableRow(i).Description.empty());
}

} // namespace
