#include "metadata/iptc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Edit = int32_t (IptcData::*)(std::string_view, std::string_view);

Tag Entry(uint16_t dataset, const std::string& name) {
  Tag entry;
  entry.iptcRecord = 2;
  entry.tagNumber = dataset;
  entry.name = name;
  return entry;
}

TEST(IptcEditTest, EditsByNameReplaceAppendOrAddFromTheTable) {
  struct Step {
    Edit edit;
    const char* name;
    const char* value;
    int32_t index;
  };
  const Step steps[] = {
      {&IptcData::PutValue, "keywords", "Berg", 0},
      {&IptcData::AddValue, "KEYWORDS", "See", 0},
      {&IptcData::AddValue, "keywords", "", 0},
      {&IptcData::StoreValue, "Keywords", "Tal", 0},
      {&IptcData::AddValue, "City", "Graz", 1},
      {&IptcData::PutValue, "CITY", "Linz", 1},
      {&IptcData::PutValue, "city", "", 1},
      {&IptcData::StoreValue, "City", "Wien", 1},
      {&IptcData::StoreValue, "SuppCategory", "Natur", 2},
      {&IptcData::StoreValue, "suppcategory", "Alpen", 2},
      {&IptcData::PutValue, "Weather", "Sonne", IptcData::kNoEntry},
      {&IptcData::AddValue, "Weather", "Regen", IptcData::kNoEntry},
      {&IptcData::StoreValue, "Weather", "Nebel", IptcData::kNoEntry},
      // The record version has a definition but is never stored.
      {&IptcData::PutValue, "SKIP", "4", IptcData::kNoEntry},
  };
  IptcData store;
  for (const Step& step : steps)
    EXPECT_EQ((store.*step.edit)(step.name, step.value), step.index)
        << step.name << " " << step.value;
  EXPECT_EQ(store.Count(), 3);
  EXPECT_EQ(store.ValueOf("Keywords", "-"), "Berg,See,Tal");
  EXPECT_EQ(store.ValueOf("City", "-"), "Wien");
  EXPECT_EQ(store.ValueOf("SuppCategory", "-"), "Natur,Alpen");
  EXPECT_EQ(store.ValueOf("Weather", "keins"), "keins");
  const Tag added = store.RecordAt(0);
  EXPECT_EQ(added.name, "Keywords");
  EXPECT_EQ(added.tagNumber, 25);
  EXPECT_EQ(added.byteCount, 64);
  EXPECT_EQ(store.InsertRecord(Entry(0, "Custom_0")), IptcData::kNoEntry);
}

TEST(IptcEditTest, DeleteNameRemovesTheFirstMatchAndKeepsTheOrder) {
  IptcData store;
  for (const char* name : {"City", "State", "City", "Source"})
    store.InsertRecord(Entry(90, name));
  store.DeleteName("city");
  store.DeleteName("Contact");
  ASSERT_EQ(store.Count(), 3);
  EXPECT_EQ(store.RecordAt(0).name, "State");
  EXPECT_EQ(store.RecordAt(1).name, "City");
  store.DeleteName("Source");
  EXPECT_EQ(store.Count(), 2);
  EXPECT_EQ(store.RecordAt(2).name, "");
  EXPECT_EQ(store.RecordAt(-1).name, "");
}

TEST(IptcEditTest, KeepsEveryEntryUntilCleared) {
  IptcData store;
  constexpr int kEntries = 50;
  for (int i = 0; i < kEntries; ++i)
    store.InsertRecord(Entry(static_cast<uint16_t>(i + 1), std::to_string(i)));
  for (int i = 0; i < kEntries; ++i)
    EXPECT_EQ(store.FindName(std::to_string(i)), i);
  store.Clear();
  EXPECT_FALSE(store.HasRecords());
  EXPECT_EQ(store.FindName("0"), IptcData::kNoEntry);
}

} // namespace
