#include "metadata/internal/iptc_table.h"

#include <string>

namespace {

constexpr std::array<IptcDefinition, kIptcDefinitionCount> kRows = {{
    {2, 0, kIptcSkipName, "Record Version", 64},
    {2, 3, "ObjectType", "Object Type Ref", 67},
    {2, 4, "ObjectAttr", "Object Attribute Ref", 67},
    {2, 5, "ObjectName", "Object name", 64},
    {2, 7, "EditStatus", "Edit Status", 64},
    {2, 8, "EditorialUpdate", "Editorial Update", 2},
    {2, 10, "Urgency", "Urgency", 1},
    {2, 12, "SubRef", "Subject Reference", 236},
    {2, 15, "Category", "Category", 3},
    {2, 20, "SuppCategory", "Supplemental category", 32},
    {2, 22, "FixtureID", "Fixture ID", 32},
    {2, 25, "Keywords", "Keywords", 64},
    {2, 26, "ContentLocCode", "Content Location Code", 3},
    {2, 27, "ContentLocName", "Content Location Name", 64},
    {2, 30, "ReleaseDate", "Release Date", 8},
    {2, 35, "ReleaseTime", "Release Time", 11},
    {2, 37, "ExpireDate", "Expiration Date", 8},
    {2, 38, "ExpireTime", "Expiration Time", 11},
    {2, 40, "SpecialInstru", "Special Instructions", 256},
    {2, 42, "ActionAdvised", "Action Advised", 2},
    {2, 45, "RefService", "Reference Service", 10},
    {2, 47, "RefDate", "Reference Date", 8},
    {2, 50, "RefNumber", "Reference Number", 8},
    {2, 55, "DateCreated", "Date created", 8},
    {2, 60, "TimeCreated", "Time created", 11},
    {2, 62, "DigitizeDate", "Digital Creation Date", 8},
    {2, 63, "DigitizeTime", "Digital Creation Time", 11},
    {2, 65, "OriginatingProgram", "Originating Program", 32},
    {2, 70, "ProgramVersion", "Program version", 10},
    {2, 75, "ObjectCycle", "Object Cycle", 1},
    {2, 80, "ByLine", "ByLine", 32},
    {2, 85, "ByLineTitle", "ByLine Title", 32},
    {2, 90, "City", "City", 32},
    {2, 92, "SubLocation", "Sublocation", 32},
    {2, 95, "State", "Province/State", 32},
    {2, 100, "LocationCode", "Country/Primary Location Code", 3},
    {2, 101, "LocationName", "Country/Primary Location Name", 64},
    {2, 103, "TransmissionRef", "Original Transmission Reference", 32},
    {2, 105, "ImageHeadline", "Image headline", 256},
    {2, 110, "ImageCredit", "Image credit", 32},
    {2, 115, "Source", "Source", 32},
    {2, 116, "Copyright", "Copyright Notice", 128},
    {2, 118, "Contact", "Contact", 128},
    {2, 120, "ImageCaption", "Image caption", 2000},
    {2, 122, "ImageCaptionWriter", "Image caption writer", 32},
    {2, 130, "ImageType", "Image type", 2},
    {2, 131, "Orientation", "Image Orientation", 1},
    {2, 135, "LangID", "Language ID", 3},
    {2, 216, "Velquart", "VelquartsID", 2000},
    {8, 10, "Subfile", "Subfile", 2},
}};

// Lookups take the first match; a repeated record:dataset pair would hide a row.
constexpr bool PairsAscending() {
  for (size_t i = 1; i < kRows.size(); ++i) {
    const IptcDefinition& a = kRows[i - 1];
    const IptcDefinition& b = kRows[i];
    if (a.record > b.record || (a.record == b.record && a.dataset >= b.dataset)) return false;
  }
  return true;
}
static_assert(PairsAscending());

} // namespace

constinit const std::array<IptcDefinition, kIptcDefinitionCount> IptcDatasetTable = kRows;

bool IsRepeatableDataset(uint32_t dataset) {
  return dataset < kRepeatableDatasets.size() && kRepeatableDatasets.test(dataset);
}

const IptcDefinition* FindDefinition(uint16_t record, uint16_t dataset) {
  for (const IptcDefinition& row : IptcDatasetTable)
    if (row.record == record && row.dataset == dataset) return &row;
  return nullptr;
}

Tag ToIptcEntry(const IptcDefinition& row) {
  Tag entry;
  entry.iptcRecord = row.record;
  entry.tagNumber = row.dataset;
  entry.name = std::string(row.name);
  entry.description = std::string(row.description);
  entry.byteCount = row.maxSize;
  return entry;
}
