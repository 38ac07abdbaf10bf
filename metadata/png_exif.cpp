#include "metadata/internal/png_exif.h"

#include "metadata/exif_reader.h"
#include "metadata/internal/byte_cursor.h"
#include "metadata/xmp_date.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kSignature{"\x89PNG\r\n\x1A\n", 8};
// Length and type in front of the data, the CRC behind it.
constexpr uint64_t kChunkHeadSize = 8;
constexpr uint64_t kChunkCrcSize = 4;
// Chunks before the image data: a dozen in real files.
constexpr int kMaxChunksBeforeImageData = 256;
// An eXIf chunk behind the image data is looked for in this many bytes at
// the end of the file: it is followed only by IEND and perhaps some text.
constexpr uint64_t kTailBytes = 32 * 1024;
// The largest eXIf chunk read: the bound of the TIFF read.
constexpr uint64_t kMaxExifChunkBytes = kTiffBufferSize;

constexpr std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr uint32_t Crc(std::string_view bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (char byte : bytes)
    c = kCrcTable[(c ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

// Every PNG file ends with this chunk and CRC.
static_assert(Crc("IEND") == 0xAE426082u);

uint32_t BigEndian32(std::string_view bytes) {
  ByteCursor cursor(bytes);
  return cursor.U32();
}

// The data of a whole eXIf chunk whose type starts at typeAt in window, when
// its length fits the window and its CRC matches.
std::optional<std::string> ExifChunkAt(std::string_view window, size_t typeAt) {
  if (typeAt < 4) return std::nullopt;
  const uint64_t length = BigEndian32(window.substr(typeAt - 4, 4));
  if (length > kMaxExifChunkBytes || typeAt + 4 + length + kChunkCrcSize > window.size())
    return std::nullopt;
  const std::string_view typeAndData = window.substr(typeAt, 4 + length);
  if (Crc(typeAndData) != BigEndian32(window.substr(typeAt + 4 + length, 4))) return std::nullopt;
  return std::string(typeAndData.substr(4));
}

constexpr std::string_view kXmpKeyword = "XML:com.adobe.xmp";
// The iTXt chunk's fields in front of its text: the keyword and four more.
constexpr uint64_t kMaxItxtHeadBytes = 1024;

// The text behind a NUL-ended field, moving past it; nothing without the NUL.
std::optional<std::string_view> Field(std::string_view& rest) {
  const size_t end = rest.find('\0');
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return field;
}

// The XMP text of an iTXt chunk's data: keyword, NUL, compression flag and
// method, language tag, NUL, translated keyword, NUL, text.
std::string XmpOfText(std::string_view data) {
  if (Field(data) != kXmpKeyword || data.size() < 2 || data[0] != '\0') return {};
  data.remove_prefix(2);
  if (!Field(data) || !Field(data)) return {};
  return std::string(data);
}

} // namespace

std::string ReadPngXmp(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kSignature.size(), bytes);
  if (bytes != kSignature) return {};
  uint64_t at = kSignature.size();
  for (int count = 0; count < kMaxChunksBeforeImageData; ++count) {
    stream.ReadAt(at, kChunkHeadSize, bytes);
    if (bytes.size() < kChunkHeadSize) return {};
    const uint64_t length = BigEndian32(bytes);
    const std::string_view type = std::string_view(bytes).substr(4, 4);
    if (type == "IEND" || type == "IDAT") return {};
    if (type == "iTXt" && length <= kMaxXmpBytes + kMaxItxtHeadBytes) {
      stream.ReadAt(at + kChunkHeadSize, static_cast<size_t>(length), bytes);
      if (bytes.size() < length) return {};
      std::string text = XmpOfText(bytes);
      if (!text.empty()) return text.size() <= kMaxXmpBytes ? text : std::string();
    }
    at += kChunkHeadSize + length + kChunkCrcSize;
  }
  return {};
}

std::optional<std::string> ReadPngExif(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kSignature.size(), bytes);
  if (bytes != kSignature) return std::nullopt;
  uint64_t at = kSignature.size();
  for (int count = 0; count < kMaxChunksBeforeImageData; ++count) {
    stream.ReadAt(at, kChunkHeadSize, bytes);
    if (bytes.size() < kChunkHeadSize) return std::nullopt;
    const uint64_t length = BigEndian32(bytes);
    const std::string_view type = std::string_view(bytes).substr(4, 4);
    if (type == "IEND") return std::nullopt;
    if (type == "IDAT") break;
    if (type == "eXIf") {
      if (length > kMaxExifChunkBytes) return std::nullopt;
      stream.ReadAt(at, kChunkHeadSize + length + kChunkCrcSize, bytes);
      return ExifChunkAt(bytes, 4);
    }
    at += kChunkHeadSize + length + kChunkCrcSize;
  }
  // Behind the image data: a whole chunk of type eXIf in the last bytes of
  // the file, recognised by its CRC (image data may hold the four letters).
  const std::optional<uint64_t> size = stream.DataSize();
  if (!size || *size <= at) return std::nullopt;
  const uint64_t start = std::max(at, *size - std::min(*size, kTailBytes));
  stream.ReadAt(start, static_cast<size_t>(*size - start), bytes);
  for (size_t found = bytes.find("eXIf"); found != std::string::npos;
       found = bytes.find("eXIf", found + 1))
    if (std::optional<std::string> data = ExifChunkAt(bytes, found)) return data;
  return std::nullopt;
}
