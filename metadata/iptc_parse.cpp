// Reading IPTC datasets out of an APP13 segment.

#include "metadata/internal/iptc_table.h"
#include "metadata/iptc.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr std::string_view kPhotoshopSignature = "Photoshop 3.0";
// Without the signature the search starts at the 13th byte (index 12), as
// though the signature had been found one byte before the text.
constexpr size_t kStartWithoutSignature = kPhotoshopSignature.size() - 1;
// Maximum size recorded for a dataset that has no definition.
constexpr int32_t kCustomMaxSize = 64;
constexpr char kTagMarker = 0x1C;

bool IsKnownRecord(uint8_t record) {
  return record == 2 || record == 8;
}

uint8_t ByteAt(std::string_view text, size_t index) {
  return static_cast<uint8_t>(text[index]);
}

// 0-based index of the first record-number byte: the byte behind the first
// tag marker that is followed by record 2 or 8. The image resource blocks
// behind the signature are not walked; this is a plain byte search.
size_t SearchStart(std::string_view text) {
  const size_t signature = text.find(kPhotoshopSignature);
  return signature == std::string_view::npos ? kStartWithoutSignature
                                             : signature + kPhotoshopSignature.size();
}

std::optional<size_t> FirstDataset(std::string_view text, size_t at) {
  for (; at + 1 < text.size(); ++at)
    if (text[at] == kTagMarker && IsKnownRecord(ByteAt(text, at + 1))) return at + 1;
  return std::nullopt;
}

// Reads the dataset whose record-number byte is at cursor (0-based; the caller
// keeps cursor + 3 inside the text) and moves cursor to the next dataset's
// record-number byte, stepping over its tag marker unchecked. Lengths are
// plain 16-bit numbers (the extended form is not recognised); data that runs
// past the end of the text is cut there.
Tag ReadDataset(std::string_view text, size_t& cursor) {
  const uint8_t record = ByteAt(text, cursor);
  const uint8_t dataset = ByteAt(text, cursor + 1);
  const size_t length = ByteAt(text, cursor + 2) * size_t{256} + ByteAt(text, cursor + 3);
  const size_t dataStart = cursor + 4;
  cursor = dataStart + length + 1;

  Tag entry;
  if (!IsKnownRecord(record)) return entry;
  const IptcDefinition* definition = FindDefinition(record, dataset);
  if (definition != nullptr && definition->name != kIptcSkipName) {
    entry = ToIptcEntry(*definition);
  } else {
    entry.name = "Custom_" + std::to_string(dataset);
    entry.description = entry.name;
    entry.tagNumber = dataset;
    entry.iptcRecord = record;
    entry.byteCount = kCustomMaxSize;
  }
  entry.text = text.substr(dataStart, length);
  return entry;
}

} // namespace

void IptcData::ParseSegment(std::string_view text) {
  ParseFrom(text, FirstDataset(text, SearchStart(text)));
}

void IptcData::ParseDatasets(std::string_view datasets) {
  ParseFrom(datasets, FirstDataset(datasets, 0));
}

void IptcData::ParseFrom(std::string_view text, std::optional<size_t> first) {
  Clear();
  if (!first) return;
  // Each round needs the record, dataset and both length bytes.
  for (size_t cursor = *first; cursor + 3 < text.size();) {
    const Tag entry = ReadDataset(text, cursor);
    if (IsRepeatableDataset(entry.tagNumber))
      AddValue(entry.name, entry.text);
    else
      InsertRecord(entry);
  }
}
