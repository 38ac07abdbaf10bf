#include "metadata/iptc.h"

#include "metadata/iptc_table.h"
#include "platform/ascii_case.h"

#include <algorithm>
#include <utility>

IptcData::IptcData(ExifReader* owner) : Owner(owner) {}

int32_t IptcData::FindName(std::string_view name) const {
  for (int32_t i = 0; i < count_; ++i)
    if (EqualIgnoringAsciiCase(records_[static_cast<size_t>(i)].Name, name)) return i;
  return kNoEntry;
}

void IptcData::DeleteName(std::string_view name) {
  const int32_t i = FindName(name);
  if (i == kNoEntry) return;
  const auto first = records_.begin() + i;
  const auto end = records_.begin() + count_;
  std::move(first + 1, end, first);
  --count_;
  records_[static_cast<size_t>(count_)] = Tag{};
}

int32_t IptcData::PutValue(std::string_view name, std::string_view value) {
  const int32_t i = FindName(name);
  if (i != kNoEntry) {
    if (!value.empty()) records_[static_cast<size_t>(i)].Text = value;
    return i;
  }
  const int32_t row = DefinitionIndex(name);
  if (row == kNoEntry) return kNoEntry;
  Tag entry = ToIptcEntry(IptcDatasetTable[static_cast<size_t>(row)]);
  entry.Text = value;
  return InsertRecord(entry);
}

int32_t IptcData::AddValue(std::string_view name, std::string_view value) {
  const int32_t i = FindName(name);
  if (i == kNoEntry) return PutValue(name, value);
  if (!value.empty()) {
    std::string& text = records_[static_cast<size_t>(i)].Text;
    text += ',';
    text += value;
  }
  return i;
}

// The decision follows the definition of the name: a repeatable dataset of
// record 2 collects its values as a parse does, any other replaces its value.
int32_t IptcData::StoreValue(std::string_view name, std::string_view value) {
  const int32_t row = DefinitionIndex(name);
  if (row == kNoEntry) return kNoEntry;
  const IptcDefinition& definition = IptcDatasetTable[static_cast<size_t>(row)];
  if (definition.Record == 2 && IsRepeatableDataset(definition.Dataset))
    return AddValue(name, value);
  return PutValue(name, value);
}

std::string IptcData::ValueOf(std::string_view name, std::string_view fallback) const {
  const int32_t i = FindName(name);
  return std::string(i == kNoEntry ? fallback : records_[static_cast<size_t>(i)].Text);
}

void IptcData::SetCount(int32_t count) {
  const int32_t kept = std::clamp(count, 0, Capacity());
  for (int32_t i = kept; i < count_; ++i)
    records_[static_cast<size_t>(i)] = Tag{};
  count_ = kept;
}

Tag IptcData::RecordAt(int32_t index) const {
  if (index < 0 || index >= count_) return Tag{};
  return records_[static_cast<size_t>(index)];
}

void IptcData::Clear() {
  std::fill(records_.begin(), records_.end(), Tag{});
  count_ = 0;
}

int32_t IptcData::DefinitionIndex(std::string_view name) {
  for (size_t row = 0; row < IptcDatasetTable.size(); ++row)
    if (EqualIgnoringAsciiCase(IptcDatasetTable[row].Name, name)) return static_cast<int32_t>(row);
  return kNoEntry;
}

int32_t IptcData::InsertRecord(const Tag& entry) {
  if (entry.TagNumber == 0) return kNoEntry;
  // Grows one slot early: with 24 of 25 slots in use the next entry makes 50.
  if (count_ >= Capacity() - 1) records_.resize(records_.size() + kGrowthStep);
  records_[static_cast<size_t>(count_)] = entry;
  return count_++;
}
