#pragma once
// Reads numbers and byte runs from bytes held in memory, front to back. A
// read that would pass the end yields zero or nothing and marks the cursor
// failed; a failed cursor stays failed. A parser reads a record's fields and
// asks Ok() once, and never indexes the bytes itself.

#include "metadata/byte_order.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

class ByteCursor {
public:
  explicit ByteCursor(std::string_view bytes, Endianness order = Endianness::Big)
      : bytes_(bytes), order_(order) {}

  // An unsigned number of width bytes (0 to 8; 0 reads nothing and gives 0);
  // 0 when the bytes are missing or the width is larger.
  uint64_t Number(size_t width) {
    if (width > 8) failed_ = true;
    const std::string_view field = Take(width);
    uint64_t value = 0;
    for (size_t i = 0; i < field.size(); ++i) {
      const size_t index = order_ == Endianness::Big ? i : field.size() - 1 - i;
      value = (value << 8) | static_cast<uint8_t>(field[index]);
    }
    return value;
  }
  uint8_t U8() { return static_cast<uint8_t>(Number(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Number(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Number(4)); }
  uint64_t U64() { return Number(8); }

  // The next n bytes; empty when fewer are left.
  std::string_view Take(size_t n) {
    if (failed_ || n > bytes_.size() - position_) {
      failed_ = true;
      return {};
    }
    const std::string_view run = bytes_.substr(position_, n);
    position_ += n;
    return run;
  }
  void Skip(size_t n) { Take(n); }
  // Moves to byte offset from the start; past the end fails.
  void MoveTo(uint64_t offset) {
    if (failed_ || offset > bytes_.size())
      failed_ = true;
    else
      position_ = static_cast<size_t>(offset);
  }

  bool Ok() const { return !failed_; }
  size_t Position() const { return position_; }
  size_t Remaining() const { return failed_ ? 0 : bytes_.size() - position_; }

private:
  std::string_view bytes_;
  Endianness order_;
  size_t position_ = 0;
  bool failed_ = false;
};
