#include "metadata/internal/webp_exif.h"

#include "metadata/exif_reader.h"
#include "metadata/internal/byte_cursor.h"

#include <algorithm>
#include <string_view>

namespace {

// "RIFF", its size, "WEBP".
constexpr uint64_t kFileHeaderSize = 12;
// Four-character id and 32-bit little-endian size in front of each chunk.
constexpr uint64_t kChunkHeadSize = 8;
// A still image has two to five chunks; an animation one per frame, and its
// EXIF chunk comes last. Each chunk header may cost a read of the stream's
// buffer, so this also bounds what a hostile file makes the walk read.
constexpr int kMaxChunks = 256;
// The largest EXIF chunk read: the bound of the TIFF read.
constexpr uint64_t kMaxExifBytes = kTiffBufferSize;

} // namespace

std::optional<std::string> ReadWebpExif(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kFileHeaderSize, bytes);
  ByteCursor header(bytes, Endianness::Little);
  const std::string_view riff = header.Take(4);
  const uint64_t end = kChunkHeadSize + header.U32();
  const std::string_view form = header.Take(4);
  if (!header.Ok() || riff != "RIFF" || form != "WEBP") return std::nullopt;
  uint64_t at = kFileHeaderSize;
  for (int count = 0; count < kMaxChunks && at < end; ++count) {
    stream.ReadAt(at, kChunkHeadSize, bytes);
    ByteCursor chunk(bytes, Endianness::Little);
    const std::string_view id = chunk.Take(4);
    const uint64_t size = chunk.U32();
    if (!chunk.Ok()) return std::nullopt;
    if (id == "EXIF") {
      stream.ReadAt(at + kChunkHeadSize, static_cast<size_t>(std::min(size, kMaxExifBytes)), bytes);
      return bytes;
    }
    // Chunks are padded to an even size; every step moves on by the header.
    at += kChunkHeadSize + size + (size & 1);
  }
  return std::nullopt;
}
