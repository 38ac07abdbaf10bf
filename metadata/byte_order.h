#pragma once
// The byte order of binary data and a bounds-checked view that reads
// numbers in it. Offsets are 0-based, as ByteCursor's; every read outside
// the bytes gives 0, because offsets come straight from the file.

#include <cstdint>
#include <string_view>

enum class Endianness { Little, Big };

// Folds a short byte string into a number in that order, keeping the four
// least significant bytes; an empty string gives 0.
int32_t FoldBytes(std::string_view bytes, Endianness order);

class ByteOrderView {
public:
  ByteOrderView() = default;
  ByteOrderView(std::string_view bytes, Endianness order) : bytes_(bytes), order_(order) {}

  std::string_view Bytes() const { return bytes_; }
  Endianness Order() const { return order_; }

  // The byte at offset; 0 for every offset outside the bytes.
  uint8_t ByteAt(int64_t offset) const;
  // The 16- and 32-bit values at offset in this order; missing bytes read as 0.
  uint16_t U16At(int64_t offset) const;
  uint32_t U32At(int64_t offset) const;

private:
  std::string_view bytes_;
  Endianness order_ = Endianness::Little;
};
