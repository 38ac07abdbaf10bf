#include "tests/kit/iptc_builder.h"

#include "tests/kit/jpeg_builder.h"
#include "tests/kit/tiff_builder.h"

#include <stdexcept>

namespace testkit {

std::string IptcDatasetWithLength(uint8_t record, uint8_t dataset, uint16_t lengthWord,
                                  const std::string& data) {
  return std::string(1, '\x1C') + static_cast<char>(record) + static_cast<char>(dataset) +
         BigU16(lengthWord) + data;
}

std::string IptcDataset(uint8_t record, uint8_t dataset, const std::string& data) {
  if (data.size() > 0x7FFF) throw std::invalid_argument("dataset too long for the standard form");
  return IptcDatasetWithLength(record, dataset, static_cast<uint16_t>(data.size()), data);
}

std::string PhotoshopIptcBlock(const std::string& datasets) {
  const uint32_t size = static_cast<uint32_t>(datasets.size());
  std::string block = std::string("Photoshop 3.0\0", 14) + "8BIM" + BigU16(0x0404) +
                      std::string(2, '\0') + U32(size, ByteOrder::Motorola) + datasets;
  if (size % 2 != 0) block += '\0';
  return block;
}

std::string App13(const std::string& body) {
  return Segment(kApp13, body);
}

std::string JpegWithIptc(const std::string& datasets) {
  return Soi() + App13(PhotoshopIptcBlock(datasets)) + ScanAndEnd();
}

} // namespace testkit
