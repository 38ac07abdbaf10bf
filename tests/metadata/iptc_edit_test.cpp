#include "metadata/iptc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TTagEntry Entry(uint16_t dataset, const std::string& name) {
  TTagEntry entry;
  entry.IptcRecord = 2;
  entry.TagNumber = dataset;
  entry.Name = name;
  return entry;
}

TEST(IptcEditTest, PutValueAddsFromTheTableOrReplaces) {
  TIPTCdata store(nullptr);
  EXPECT_EQ(store.PutValue("keywords", "Berg"), 0);
  const TTagEntry added = store.RecordAt(0);
  EXPECT_EQ(added.Name, "Keywords");
  EXPECT_EQ(added.Text, "Berg");
  EXPECT_EQ(added.TagNumber, 25);
  EXPECT_EQ(added.ByteCount, 64);
  EXPECT_EQ(store.PutValue("City", "Graz"), 1);
  EXPECT_EQ(store.PutValue("CITY", "Linz"), 1);
  EXPECT_EQ(store.PutValue("city", ""), 1);
  EXPECT_EQ(store.ValueOf("City", "-"), "Linz");
  EXPECT_EQ(store.PutValue("Weather", "Sonne"), TIPTCdata::kNoEntry);
  EXPECT_EQ(store.Count(), 2);
}

TEST(IptcEditTest, AddValueJoinsWithACommaOrActsAsPutValue) {
  TIPTCdata store(nullptr);
  EXPECT_EQ(store.AddValue("Keywords", "Berg"), 0);
  EXPECT_EQ(store.AddValue("KEYWORDS", "See"), 0);
  EXPECT_EQ(store.AddValue("keywords", ""), 0);
  EXPECT_EQ(store.ValueOf("Keywords", "-"), "Berg,See");
  EXPECT_EQ(store.AddValue("Weather", "Regen"), TIPTCdata::kNoEntry);
  EXPECT_EQ(store.ValueOf("Weather", "keins"), "keins");
}

TEST(IptcEditTest, StoreValueCollectsKeywordsAndReplacesOtherDatasets) {
  TIPTCdata store(nullptr);
  store.StoreValue("Keywords", "Berg");
  store.StoreValue("SuppCategory", "Natur");
  store.StoreValue("City", "Graz");
  EXPECT_EQ(store.StoreValue("Keywords", "Tal"), 0);
  EXPECT_EQ(store.StoreValue("SuppCategory", "Alpen"), 1);
  EXPECT_EQ(store.StoreValue("City", "Wien"), 2);
  EXPECT_EQ(store.ValueOf("Keywords", ""), "Berg,Tal");
  EXPECT_EQ(store.ValueOf("SuppCategory", ""), "Natur,Alpen");
  EXPECT_EQ(store.ValueOf("City", ""), "Wien");
  EXPECT_EQ(store.StoreValue("Weather", "Nebel"), TIPTCdata::kNoEntry);
}

TEST(IptcEditTest, NothingStoredForTheRecordVersionReportsNoEntry) {
  TIPTCdata store(nullptr);
  store.PutValue("City", "Graz");
  EXPECT_EQ(store.DefinitionIndex("skip"), 0);
  EXPECT_EQ(store.PutValue("SKIP", "4"), TIPTCdata::kNoEntry);
  EXPECT_EQ(store.InsertRecord(Entry(0, "Custom_0")), TIPTCdata::kNoEntry);
  EXPECT_EQ(store.Count(), 1);
}

TEST(IptcEditTest, DeleteNameRemovesTheFirstMatchAndKeepsTheOrder) {
  TIPTCdata store(nullptr);
  for (const char* name : {"City", "State", "City", "Source"})
    store.InsertRecord(Entry(90, name));
  store.DeleteName("city");
  store.DeleteName("Contact");
  ASSERT_EQ(store.Count(), 3);
  EXPECT_EQ(store.RecordAt(0).Name, "State");
  EXPECT_EQ(store.RecordAt(1).Name, "City");
  store.DeleteName("Source");
  EXPECT_EQ(store.Count(), 2);
  EXPECT_EQ(store.RecordAt(1).Name, "City");
  // The freed slot holds nothing a larger Count could bring back.
  store.SetCount(3);
  EXPECT_EQ(store.RecordAt(2).Name, "");
}

TEST(IptcEditTest, SlotsGrowInStepsOfTwentyFiveAndKeepEveryEntry) {
  TIPTCdata store(nullptr);
  std::vector<int32_t> capacityAfter;
  for (int i = 1; i <= 60; ++i) {
    EXPECT_EQ(store.InsertRecord(Entry(static_cast<uint16_t>(i), std::to_string(i))), i - 1);
    capacityAfter.push_back(store.Capacity());
  }
  EXPECT_EQ(capacityAfter[0], 25);
  EXPECT_EQ(capacityAfter[23], 25);
  EXPECT_EQ(capacityAfter[24], 50);
  EXPECT_EQ(capacityAfter[48], 50);
  EXPECT_EQ(capacityAfter[49], 75);
  for (int i = 1; i <= 60; ++i)
    EXPECT_EQ(store.FindName(std::to_string(i)), i - 1);
  store.Clear();
  EXPECT_FALSE(store.HasRecords());
  EXPECT_EQ(store.Capacity(), 75);
  EXPECT_EQ(store.FindName("1"), TIPTCdata::kNoEntry);
}

TEST(IptcEditTest, CountStaysWithinTheSlots) {
  TIPTCdata store(nullptr);
  store.SetCount(5);
  EXPECT_EQ(store.Count(), 0);
  store.PutValue("City", "Graz");
  store.PutValue("State", "Steiermark");
  store.SetCount(1);
  EXPECT_EQ(store.FindName("State"), TIPTCdata::kNoEntry);
  store.SetCount(1000);
  EXPECT_EQ(store.Count(), 25);
  EXPECT_EQ(store.RecordAt(1).Name, "");
  EXPECT_EQ(store.RecordAt(-1).Name, "");
  EXPECT_EQ(store.RecordAt(25).Name, "");
}

} // namespace
