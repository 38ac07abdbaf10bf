#include "metadata/byte_order.h"

uint8_t ByteOrderBuffer::ByteAt(int64_t p) const {
  // Positions come straight from file offsets, so any value must be safe:
  // compare in 64 bits before indexing, never form an out-of-range pointer.
  if (p < 1 || p > static_cast<int64_t>(Buffer.size())) return 0;
  return static_cast<uint8_t>(Buffer[static_cast<size_t>(p - 1)]);
}

uint16_t ByteOrderBuffer::ReadU16(int64_t p) const {
  // p + 1 cannot overflow for the largest int64: the byte is simply missing.
  const uint32_t first = ByteAt(p);
  const uint32_t second = p == INT64_MAX ? 0 : ByteAt(p + 1);
  const uint32_t value = BigEndian ? (first << 8) | second : (second << 8) | first;
  return static_cast<uint16_t>(value);
}

int32_t ByteOrderBuffer::ReadU32(int64_t p) const {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const uint32_t byte = p > INT64_MAX - i ? 0 : ByteAt(p + i);
    value |= BigEndian ? byte << (8 * (3 - i)) : byte << (8 * i);
  }
  return static_cast<int32_t>(value);
}

int32_t ByteOrderBuffer::BytesToInt(std::string_view s) const {
  // Shifting out of an unsigned 32-bit accumulator keeps exactly the four
  // least significant bytes, whatever the length.
  uint32_t value = 0;
  const size_t n = s.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t index = BigEndian ? i : n - 1 - i;
    value = (value << 8) | static_cast<uint8_t>(s[index]);
  }
  return static_cast<int32_t>(value);
}
