#pragma once
// IptcData: the IPTC datasets of one image as a list of named text entries.
// A read fills it from a JPEG file's first APP13 segment (ParseSegment).
// Entries can be looked up and edited by name; the store never writes IPTC
// bytes. Names compare ignoring case.

#include "metadata/tag.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IptcData {
public:
  // What the index-returning operations give when no entry was found or stored.
  static constexpr int32_t kNoEntry = -1;

  // Index of the first entry with that name, or kNoEntry.
  int32_t FindName(std::string_view name) const;
  // Removes the first entry with that name; nothing happens when there is none.
  void DeleteName(std::string_view name);
  // Replaces the value of the entry with that name (an empty value changes
  // nothing), or adds an entry from the definition table. Index or kNoEntry.
  int32_t PutValue(std::string_view name, std::string_view value);
  // Appends ",value" to the entry with that name, or acts as PutValue when
  // there is none. Index or kNoEntry.
  int32_t AddValue(std::string_view name, std::string_view value);
  // Stores a value the way a parse would: appended for keywords and
  // supplemental categories, replaced for every other defined dataset.
  // kNoEntry for a name without a definition.
  int32_t StoreValue(std::string_view name, std::string_view value);
  // The Text of the entry with that name, or fallback.
  std::string ValueOf(std::string_view name, std::string_view fallback) const;

  int32_t Count() const { return static_cast<int32_t>(records_.size()); }
  const std::vector<Tag>& Records() const { return records_; }
  // A copy of entry index; an empty entry for an index outside 0..Count-1.
  Tag RecordAt(int32_t index) const;
  void Clear() { records_.clear(); }
  bool HasRecords() const { return !records_.empty(); }

  // Fills the store from the text of an APP13 segment (with or without its
  // length word). Malformed data gives fewer or odd entries, never a read
  // outside the text. No copy of the text is kept, so stores may parse
  // independently of each other.
  void ParseSegment(std::string_view text);
  // The same from bare datasets, as a TIFF file's IPTC tag (33723) holds
  // them: the search for the first one starts at the first byte.
  void ParseDatasets(std::string_view datasets);
  // Row of the dataset definition table with that name, or kNoEntry.
  static int32_t DefinitionIndex(std::string_view name);
  // Appends a copy of entry; returns its index. An entry with dataset number 0
  // (the record version, or a record other than 2 and 8) is not stored and
  // gives kNoEntry.
  int32_t InsertRecord(const Tag& entry);

private:
  // The datasets from the record-number byte at first on; none without it.
  void ParseFrom(std::string_view text, std::optional<size_t> first);
  std::vector<Tag> records_;
};
