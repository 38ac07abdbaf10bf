#include "metadata/exif_reader.h"
#include "tests/kit/iptc_builder.h"
#include "tests/kit/jpeg_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testkit::IptcDataset;

class IptcFileTest : public ::testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_.File(name);
    testkit::WriteFile(path, bytes);
    return path;
  }

  testkit::TempDir dir_;
};

TEST_F(IptcFileTest, TheReadParsesTheFirstApp13Only) {
  const std::string file = Write(
      "zwei.jpg", testkit::Soi() +
                      testkit::App13(testkit::PhotoshopIptcBlock(IptcDataset(2, 90, "Erste"))) +
                      testkit::App13(testkit::PhotoshopIptcBlock(IptcDataset(2, 90, "Zweite"))) +
                      testkit::ScanAndEnd());
  const ExifRead img = ReadExifFile(file, ExifDetail::Everything);
  ASSERT_TRUE(img.Succeeded());
  EXPECT_EQ(img.iptc.ValueOf("City", "-"), "Erste");
  EXPECT_EQ(img.iptc.Count(), 1);
}

TEST_F(IptcFileTest, EachReadHoldsItsOwnFilesDatasets) {
  const std::string keywords = Write(
      "b.JPG", testkit::JpegWithIptc(IptcDataset(2, 25, "Meer") + IptcDataset(2, 25, "Strand")));
  const std::string plain = Write("c.jpg", testkit::JpegWithExifDate("2020:02:02 02:02:02"));
  const ExifRead withKeywords = ReadExifFile(keywords, ExifDetail::Everything);
  EXPECT_EQ(withKeywords.iptc.ValueOf("Keywords", "-"), "Meer,Strand");
  EXPECT_EQ(withKeywords.iptc.FindName("City"), IptcData::kNoEntry);

  // A file without APP13, or no file at all, gives an empty store.
  const ExifRead withoutIptc = ReadExifFile(plain, ExifDetail::Everything);
  EXPECT_FALSE(withoutIptc.iptc.HasRecords());
  EXPECT_TRUE(withoutIptc.HasExif());
  EXPECT_FALSE(ReadExifFile(dir_.File("fehlt.jpg"), ExifDetail::Everything).iptc.HasRecords());
}

} // namespace
