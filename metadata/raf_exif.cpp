#include "metadata/raf_exif.h"

#include "metadata/byte_cursor.h"

#include <string_view>

namespace {

constexpr std::string_view kSignature = "FUJIFILMCCD-RAW ";
// Signature, format version, camera id, camera name and directory version
// (16 + 4 + 8 + 32 + 4) and 20 unknown bytes stand before the offset and
// length of the embedded JPEG.
constexpr uint64_t kJpegPointerAt = 84;
constexpr std::string_view kStartOfImage{"\xFF\xD8", 2};
constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr std::string_view kExifHeader{"Exif\0\0", 6};
// Marker and length word in front of a segment's body.
constexpr uint64_t kSegmentHeadSize = 4;
// The EXIF segment is the first or second in a camera's JPEG; a few more
// are looked at, each costing at most a buffer's read.
constexpr int kMaxSegments = 16;

} // namespace

std::optional<std::string> ReadRafExif(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kJpegPointerAt + 8, bytes);
  ByteCursor header(bytes);
  const std::string_view signature = header.Take(kSignature.size());
  header.MoveTo(kJpegPointerAt);
  const uint64_t jpegAt = header.U32();
  const uint64_t jpegLength = header.U32();
  if (!header.Ok() || signature != kSignature) return std::nullopt;
  stream.ReadAt(jpegAt, kStartOfImage.size(), bytes);
  if (bytes != kStartOfImage) return std::nullopt;
  const uint64_t jpegEnd = jpegAt + jpegLength;
  uint64_t at = jpegAt + kStartOfImage.size();
  for (int count = 0; count < kMaxSegments && at < jpegEnd; ++count) {
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
