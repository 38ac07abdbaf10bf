#pragma once
// The byte-order buffer every part of the reader derives from, and the one
// record for tag-table rows, decoded tags, maker-note entries and IPTC entries.

#include <cstdint>
#include <string>
#include <string_view>

// Byte strings are std::string: one char per byte, positions 1-based in the API.
using ByteString = std::string;

// A special renderer of a value text. It may throw std::runtime_error on a text
// it cannot read; the directory walk decides where that ends.
using TextRenderer = std::string (*)(const std::string&);

class ByteOrderBuffer {
public:
  bool BigEndian = false;
  ByteString Buffer;

  // The byte at 1-based position p; 0 for every position outside Buffer.
  uint8_t ByteAt(int64_t p) const;
  // 16-bit value at p and p+1 in this buffer's byte order; missing bytes read as 0.
  uint16_t ReadU16(int64_t p) const;
  // 32-bit value at p..p+3, bit pattern kept as a signed value; missing bytes read as 0.
  int32_t ReadU32(int64_t p) const;
  // Folds a short byte string into a number in this byte order, keeping the
  // four least significant bytes; an empty string gives 0.
  int32_t BytesToInt(std::string_view s) const;
};

struct Tag {
  int32_t Origin = 0;
  uint16_t ValueType = 0;
  uint16_t IptcRecord = 0;
  uint16_t TagNumber = 0;
  std::string Name;
  std::string Description;
  std::string ValueList;
  std::string Text;
  ByteString RawBytes;
  int32_t ValueOffset = 0;
  std::string FormatText;
  int32_t ByteCount = 0;
  TextRenderer Renderer = nullptr;
};
