#include "metadata/internal/jpeg_exif_block.h"

#include "metadata/internal/byte_cursor.h"

#include <string_view>

namespace {

constexpr std::string_view kStartOfImage{"\xFF\xD8", 2};
constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr std::string_view kExifHeader{"Exif\0\0", 6};
// Marker and length word in front of a segment's body.
constexpr uint64_t kSegmentHeadSize = 4;

} // namespace

std::optional<std::string> ReadJpegExifBlock(ByteStream& stream, uint64_t jpegAt, uint64_t jpegEnd,
                                             int maxSegments) {
  std::string bytes;
  stream.ReadAt(jpegAt, kStartOfImage.size(), bytes);
  if (bytes != kStartOfImage) return std::nullopt;
  uint64_t at = jpegAt + kStartOfImage.size();
  for (int count = 0; count < maxSegments && at < jpegEnd; ++count) {
    stream.ReadAt(at, kSegmentHeadSize, bytes);
    ByteCursor segment(bytes);
    const uint8_t prefix = segment.U8();
    const uint8_t marker = segment.U8();
    const uint16_t length = segment.U16(); // counts its own two bytes
    if (!segment.Ok() || prefix != 0xFF || marker == kStartOfScan || length < 2)
      return std::nullopt;
    if (marker == kApp1) {
      stream.ReadAt(at + kSegmentHeadSize, length - 2u, bytes);
      if (bytes.starts_with(kExifHeader)) return bytes.substr(kExifHeader.size());
    }
    at += 2 + length;
  }
  return std::nullopt;
}
