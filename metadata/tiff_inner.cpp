#include "metadata/internal/tiff_inner.h"

#include "metadata/byte_order.h"
#include "metadata/internal/byte_cursor.h"
#include "metadata/xmp_date.h"

#include <cstdint>

namespace {

constexpr uint16_t kXmpTag = 700;
constexpr uint16_t kIptcTag = 33723;
constexpr size_t kEntrySize = 12;
constexpr size_t kHeaderSize = 8;
// Real IFD0s hold a few dozen entries; a forged count costs no more than this.
constexpr uint16_t kMaxEntries = 1024;

// The bytes one value of a TIFF type takes; 0 for a type the blocks never have.
constexpr uint64_t TypeSize(uint16_t type) {
  switch (type) {
  case 1: // BYTE
  case 2: // ASCII
  case 7: // UNDEFINED
    return 1;
  case 4: // LONG, as some writers store IPTC
    return 4;
  default:
    return 0;
  }
}

// The value of one entry: inline when it fits the four bytes, else at its
// offset; empty when it lies outside the data or above limit.
std::string ValueOf(ByteStream& stream, ByteCursor& entry, Endianness order, uint64_t dataSize,
                    size_t limit) {
  const uint16_t type = entry.U16();
  const uint64_t count = entry.U32();
  const std::string_view field = entry.Take(4);
  const uint64_t length = count * TypeSize(type); // at most 2^34: no overflow
  if (!entry.Ok() || length == 0 || length > limit) return {};
  if (length <= 4) return std::string(field.substr(0, static_cast<size_t>(length)));
  ByteCursor offsetField(field, order);
  const uint64_t offset = offsetField.U32();
  if (offset > dataSize || length > dataSize - offset) return {};
  std::string bytes;
  stream.ReadAt(offset, static_cast<size_t>(length), bytes);
  return bytes;
}

} // namespace

TiffInnerBlocks ReadTiffInnerBlocks(ByteStream& stream) {
  TiffInnerBlocks blocks;
  const std::optional<uint64_t> dataSize = stream.DataSize();
  if (!dataSize) return blocks;
  std::string header;
  stream.ReadAt(0, kHeaderSize, header);
  if (header.size() < kHeaderSize) return blocks;
  const bool bigEndian = header.starts_with("MM");
  if (!bigEndian && !header.starts_with("II")) return blocks;
  const Endianness order = bigEndian ? Endianness::Big : Endianness::Little;
  ByteCursor head(header, order);
  head.Skip(4);
  const uint64_t ifd0 = head.U32();
  std::string countField;
  stream.ReadAt(ifd0, 2, countField);
  ByteCursor countCursor(countField, order);
  const uint16_t count = countCursor.U16();
  if (!countCursor.Ok() || count > kMaxEntries) return blocks;
  std::string entries;
  stream.ReadAt(ifd0 + 2, count * kEntrySize, entries);
  ByteCursor list(entries, order);
  for (uint16_t i = 0; i < count && list.Remaining() >= kEntrySize; ++i) {
    ByteCursor entry(list.Take(kEntrySize), order);
    const uint16_t tag = entry.U16();
    if (tag == kXmpTag && blocks.xmpPacket.empty())
      blocks.xmpPacket = ValueOf(stream, entry, order, *dataSize, kMaxXmpBytes);
    if (tag == kIptcTag && blocks.iptc.empty())
      blocks.iptc = ValueOf(stream, entry, order, *dataSize, kMaxTiffIptcBytes);
  }
  return blocks;
}
