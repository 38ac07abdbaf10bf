#include "tests/kit/riff_png_builder.h"

#include "tests/kit/tiff_builder.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace testkit {

namespace {

std::string Id(std::string_view id) {
  if (id.size() != 4) throw std::invalid_argument("a chunk id has four characters");
  return std::string(id);
}

// The kit's own CRC-32, bit by bit, so that the reader's table is checked
// against an independent computation.
uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char byte : bytes) {
    crc ^= static_cast<uint8_t>(byte);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

} // namespace

std::string RiffChunk(std::string_view id, const std::string& data) {
  std::string chunk = Id(id) + U32(static_cast<uint32_t>(data.size()), ByteOrder::Intel) + data;
  if (data.size() % 2 != 0) chunk += '\0';
  return chunk;
}

std::string RiffList(std::string_view type, const std::string& chunks) {
  return RiffChunk("LIST", Id(type) + chunks);
}

std::string AviWithDateText(const std::string& dateText) {
  const std::string streamList = RiffList("strl", RiffChunk("strh", std::string(56, '\0')) +
                                                      RiffChunk("strf", std::string(40, '\0')));
  std::string header = RiffChunk("avih", std::string(56, '\0')) + streamList;
  if (!dateText.empty()) header += RiffChunk("IDIT", dateText);
  const std::string body = "AVI " + RiffList("hdrl", header) +
                           RiffChunk("JUNK", std::string(100, '\0')) +
                           RiffList("movi", RiffChunk("00dc", std::string(200, '\x77'))) +
                           RiffChunk("idx1", std::string(16, '\0'));
  return "RIFF" + U32(static_cast<uint32_t>(body.size()), ByteOrder::Intel) + body;
}

std::string PngChunk(std::string_view type, const std::string& data) {
  const std::string typeAndData = Id(type) + data;
  return U32(static_cast<uint32_t>(data.size()), ByteOrder::Motorola) + typeAndData +
         U32(Crc32(typeAndData), ByteOrder::Motorola);
}

std::string PngWithExif(const std::string& exifData, ExifPlace place, size_t imageDataBytes) {
  const std::string header = U32(8, ByteOrder::Motorola) + U32(8, ByteOrder::Motorola) +
                             std::string("\x08\x02\x00\x00\x00", 5);
  std::string imageData;
  // Image data in chunks of at most 32 bytes, some of them holding the
  // letters "eXIf", as compressed data may.
  for (size_t done = 0; done < imageDataBytes;) {
    const size_t size = std::min<size_t>(32, imageDataBytes - done);
    std::string data(size, '\x3C');
    if (size >= 8) data.replace(2, 4, "eXIf");
    imageData += PngChunk("IDAT", data);
    done += size;
  }
  const std::string exif = PngChunk("eXIf", exifData);
  return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) +
         (place == ExifPlace::BeforeImageData ? exif : std::string()) + imageData +
         (place == ExifPlace::BehindImageData ? exif : std::string()) +
         PngChunk("tEXt", std::string("Comment\0made by the test kit", 28)) + PngChunk("IEND", "");
}

std::string PngItxt(std::string_view keyword, const std::string& text, bool compressedFlag) {
  return PngChunk("iTXt", std::string(keyword) + std::string(1, '\0') +
                              std::string(1, compressedFlag ? '\1' : '\0') + std::string(3, '\0') +
                              text);
}

std::string PngWithChunks(const std::string& chunksBeforeImageData) {
  const std::string header = U32(8, ByteOrder::Motorola) + U32(8, ByteOrder::Motorola) +
                             std::string("\x08\x02\x00\x00\x00", 5);
  return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) + chunksBeforeImageData +
         PngChunk("IDAT", std::string(32, '\x3C')) + PngChunk("IEND", "");
}

} // namespace testkit
