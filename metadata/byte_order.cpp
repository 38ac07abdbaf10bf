#include "metadata/byte_order.h"

int32_t FoldBytes(std::string_view bytes, Endianness order) {
  // Shifting out of an unsigned 32-bit accumulator keeps exactly the four
  // least significant bytes, whatever the length.
  uint32_t value = 0;
  const size_t n = bytes.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t index = order == Endianness::Big ? i : n - 1 - i;
    value = (value << 8) | static_cast<uint8_t>(bytes[index]);
  }
  return static_cast<int32_t>(value);
}

uint8_t ByteOrderView::ByteAt(int64_t offset) const {
  // Compared in 64 bits before indexing: never an out-of-range pointer.
  if (offset < 0 || offset >= static_cast<int64_t>(bytes_.size())) return 0;
  return static_cast<uint8_t>(bytes_[static_cast<size_t>(offset)]);
}

uint16_t ByteOrderView::U16At(int64_t offset) const {
  // offset + 1 cannot overflow for the largest int64: the byte is simply missing.
  const uint32_t first = ByteAt(offset);
  const uint32_t second = offset == INT64_MAX ? 0 : ByteAt(offset + 1);
  return static_cast<uint16_t>(order_ == Endianness::Big ? (first << 8) | second
                                                         : (second << 8) | first);
}

uint32_t ByteOrderView::U32At(int64_t offset) const {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const uint32_t byte = offset > INT64_MAX - i ? 0 : ByteAt(offset + i);
    value |= order_ == Endianness::Big ? byte << (8 * (3 - i)) : byte << (8 * i);
  }
  return value;
}
