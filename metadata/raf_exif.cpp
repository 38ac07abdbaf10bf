#include "metadata/internal/raf_exif.h"

#include "metadata/internal/byte_cursor.h"
#include "metadata/internal/jpeg_exif_block.h"

#include <string_view>

namespace {

constexpr std::string_view kSignature = "FUJIFILMCCD-RAW ";
// Signature, format version, camera id, camera name and directory version
// (16 + 4 + 8 + 32 + 4) and 20 unknown bytes stand before the offset and
// length of the embedded JPEG.
constexpr uint64_t kJpegPointerAt = 84;
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
  return ReadJpegExifBlock(stream, jpegAt, jpegAt + jpegLength, kMaxSegments);
}
