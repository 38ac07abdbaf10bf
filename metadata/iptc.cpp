#include "metadata/iptc.h"

#include "metadata/internal/iptc_table.h"
#include "platform/ascii_case.h"

#include <algorithm>
#include <utility>

int32_t IptcData::FindName(std::string_view name) const {
  for (size_t i = 0; i < records_.size(); ++i)
    if (EqualIgnoringAsciiCase(records_[i].name, name)) return static_cast<int32_t>(i);
  return kNoEntry;
}

void IptcData::DeleteName(std::string_view name) {
  const int32_t i = FindName(name);
  if (i == kNoEntry) return;
  records_.erase(records_.begin() + i);
}

int32_t IptcData::PutValue(std::string_view name, std::string_view value) {
  const int32_t i = FindName(name);
  if (i != kNoEntry) {
    if (!value.empty()) records_[static_cast<size_t>(i)].text = value;
    return i;
  }
  const int32_t row = DefinitionIndex(name);
  if (row == kNoEntry) return kNoEntry;
  Tag entry = ToIptcEntry(IptcDatasetTable[static_cast<size_t>(row)]);
  entry.text = value;
  return InsertRecord(entry);
}

int32_t IptcData::AddValue(std::string_view name, std::string_view value) {
  const int32_t i = FindName(name);
  if (i == kNoEntry) return PutValue(name, value);
  if (!value.empty()) {
    std::string& text = records_[static_cast<size_t>(i)].text;
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
  if (definition.record == 2 && IsRepeatableDataset(definition.dataset))
    return AddValue(name, value);
  return PutValue(name, value);
}

std::string IptcData::ValueOf(std::string_view name, std::string_view fallback) const {
  const int32_t i = FindName(name);
  return std::string(i == kNoEntry ? fallback : records_[static_cast<size_t>(i)].text);
}

Tag IptcData::RecordAt(int32_t index) const {
  if (index < 0 || index >= Count()) return Tag{};
  return records_[static_cast<size_t>(index)];
}

int32_t IptcData::DefinitionIndex(std::string_view name) {
  for (size_t row = 0; row < IptcDatasetTable.size(); ++row)
    if (EqualIgnoringAsciiCase(IptcDatasetTable[row].name, name)) return static_cast<int32_t>(row);
  return kNoEntry;
}

int32_t IptcData::InsertRecord(const Tag& entry) {
  if (entry.tagNumber == 0) return kNoEntry;
  records_.push_back(entry);
  return Count() - 1;
}
