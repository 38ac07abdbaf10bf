#pragma once
// Builds IPTC bytes: datasets, the "Photoshop 3.0" resource block that holds
// them in an APP13 segment, and JPEG files carrying them.

#include <cstdint>
#include <string>

namespace testkit {

// Tag marker 1C, record, dataset, the data's length (16-bit big-endian), data.
std::string IptcDataset(uint8_t record, uint8_t dataset, const std::string& data);
// The same with a length word as given, for lengths that do not fit the data.
std::string IptcDatasetWithLength(uint8_t record, uint8_t dataset, uint16_t lengthWord,
                                  const std::string& data);
// "Photoshop 3.0", a zero byte, then one "8BIM" resource 0x0404 (empty name)
// holding the datasets, padded to an even size.
std::string PhotoshopIptcBlock(const std::string& datasets);
// An APP13 segment (marker and length word) around body.
std::string App13(const std::string& body);
// SOI, APP13 with the datasets in a Photoshop block, start of scan, end of image.
std::string JpegWithIptc(const std::string& datasets);

} // namespace testkit
