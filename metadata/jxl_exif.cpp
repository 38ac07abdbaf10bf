#include "metadata/internal/jxl_exif.h"

#include "metadata/exif_reader.h"
#include "metadata/internal/byte_cursor.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace {

// The signature box every JPEG XL container starts with.
constexpr std::string_view kSignatureBox{"\0\0\0\x0CJXL \x0D\x0A\x87\x0A", 12};
// Size, type and 64-bit size.
constexpr size_t kMaxBoxHeadBytes = 16;
// A container has the signature, ftyp, a few metadata boxes and the code
// stream (or its parts); each further box header may cost a buffer's read.
constexpr int kMaxBoxes = 64;
// The offset word in front of the TIFF bytes, and the TIFF read's bound.
constexpr uint64_t kOffsetWordBytes = 4;
constexpr uint64_t kMaxExifBytes = kTiffBufferSize;
constexpr uint64_t kToTheEnd = std::numeric_limits<uint64_t>::max();

} // namespace

std::optional<std::string> ReadJxlExif(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kSignatureBox.size(), bytes);
  if (bytes != kSignatureBox) return std::nullopt;
  uint64_t at = kSignatureBox.size();
  for (int count = 0; count < kMaxBoxes; ++count) {
    stream.ReadAt(at, kMaxBoxHeadBytes, bytes);
    ByteCursor header(bytes);
    const uint64_t size32 = header.U32();
    const std::string_view type = header.Take(4);
    const uint64_t size = size32 == 1 ? header.U64() : size32;
    if (!header.Ok()) return std::nullopt;
    const uint64_t payload = at + header.Position();
    // Size 0 reaches to the end of the file: only the last box has it.
    if (size32 != 0 && (size < header.Position() || size > kToTheEnd - at)) return std::nullopt;
    const uint64_t end = size32 == 0 ? kToTheEnd : at + size;
    if (type == "Exif") {
      if (end - payload < kOffsetWordBytes) return std::nullopt;
      stream.ReadAt(payload, kOffsetWordBytes, bytes);
      ByteCursor offsetWord(bytes);
      const uint64_t tiffAt = payload + kOffsetWordBytes + offsetWord.U32();
      if (!offsetWord.Ok() || tiffAt >= end) return std::nullopt;
      stream.ReadAt(tiffAt, static_cast<size_t>(std::min(end - tiffAt, kMaxExifBytes)), bytes);
      return std::string(WithoutExifHeader(bytes));
    }
    if (size32 == 0) return std::nullopt;
    at = end;
  }
  return std::nullopt;
}
