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

TEST_F(IptcFileTest, ScanAttachesAnEmptyStoreForTheFirstApp13Only) {
  const std::string file = Write(
      "zwei.jpg", testkit::Soi() +
                      testkit::App13(testkit::PhotoshopIptcBlock(IptcDataset(2, 90, "Erste"))) +
                      testkit::App13(testkit::PhotoshopIptcBlock(IptcDataset(2, 90, "Zweite"))) +
                      testkit::ScanAndEnd());
  ExifReader img(ReaderEverything);
  ASSERT_TRUE(img.ReadFile(file));
  ASSERT_NE(img.Iptc, nullptr);
  EXPECT_FALSE(img.Iptc->HasRecords());
  EXPECT_EQ(img.Iptc->Owner, &img);
  EXPECT_TRUE(img.Iptc->LoadFromImageFile(file));
  EXPECT_EQ(img.Iptc->ValueOf("City", "-"), "Erste");
  EXPECT_EQ(img.Iptc->Count(), 1);
}

TEST_F(IptcFileTest, OwnersOwnStoreSurvivesTheOwnersReadAndStaysItsStore) {
  const std::string first = Write("a.jpg", testkit::JpegWithIptc(IptcDataset(2, 90, "Rom")));
  const std::string second = Write(
      "b.JPG", testkit::JpegWithIptc(IptcDataset(2, 25, "Meer") + IptcDataset(2, 25, "Strand")));
  const std::string plain = Write("c.jpg", testkit::JpegWithExifDate("2020:02:02 02:02:02"));
  ExifReader img(ReaderEverything);
  ASSERT_TRUE(img.ReadFile(first));
  IptcData* store = img.Iptc.get();
  ASSERT_NE(store, nullptr);

  EXPECT_TRUE(store->LoadFromImageFile(second));
  EXPECT_EQ(img.Iptc.get(), store);
  EXPECT_EQ(img.FileName, second);
  EXPECT_EQ(store->ValueOf("Keywords", "-"), "Meer,Strand");
  EXPECT_EQ(store->FindName("City"), IptcData::kNoEntry);

  // A file without APP13 leaves the store empty, still alive and the owner's.
  EXPECT_FALSE(store->LoadFromImageFile(plain));
  EXPECT_EQ(img.Iptc.get(), store);
  EXPECT_FALSE(store->HasRecords());
  EXPECT_TRUE(img.HasExif());
}

TEST_F(IptcFileTest, StoreOfItsOwnReadsThroughTheOwner) {
  const std::string file = Write("a.jpg", testkit::JpegWithIptc(IptcDataset(2, 116, "(c) Ich")));
  ExifReader img(ReaderEverything);
  IptcData store(&img);
  EXPECT_TRUE(store.LoadFromImageFile(file));
  EXPECT_EQ(store.ValueOf("copyright", "-"), "(c) Ich");
  ASSERT_NE(img.Iptc, nullptr);
  EXPECT_NE(img.Iptc.get(), &store);

  EXPECT_FALSE(store.LoadFromImageFile(dir_.File("fehlt.jpg")));
  EXPECT_FALSE(store.HasRecords());
  EXPECT_EQ(img.Iptc, nullptr);
  IptcData orphan(nullptr);
  EXPECT_FALSE(orphan.LoadFromImageFile(file));
}

} // namespace
