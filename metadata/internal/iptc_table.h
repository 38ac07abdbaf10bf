#pragma once
// The IPTC dataset definitions the store knows by name, and the datasets whose
// repeats are merged into one entry.

#include "metadata/tag.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>

// One dataset definition; MaxSize is kept in an entry's ByteCount.
struct IptcDefinition {
  uint16_t record = 0;
  uint16_t dataset = 0;
  std::string_view name;
  std::string_view description;
  int32_t maxSize = 0;
};

inline constexpr size_t kIptcDefinitionCount = 50;

// Searched in row order. Row 0 ("SKIP", 2:0) marks the record version, which
// the store never keeps.
extern const std::array<IptcDefinition, kIptcDefinitionCount> IptcDatasetTable;

inline constexpr std::string_view kIptcSkipName = "SKIP";

// Dataset numbers whose repeats are joined into one entry: supplemental
// category (20) and keywords (25). A number above 255 is never a member.
inline constexpr std::bitset<256> kRepeatableDatasets{(1ULL << 20) | (1ULL << 25)};
bool IsRepeatableDataset(uint32_t dataset);

// The row with that record and dataset number, or nullptr.
const IptcDefinition* FindDefinition(uint16_t record, uint16_t dataset);

// The row as a store entry with an empty Text.
Tag ToIptcEntry(const IptcDefinition& row);
