#pragma once
// Builds TIFF-structured bytes (directories, values inline and by offset,
// sub-directories) in either byte order, for EXIF segments and TIFF files.

#include "metadata/field_type.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

enum class ByteOrder { Intel, Motorola };

// The reader's own names of the field types, so tests say testkit::kShort
// or kShort alike.
using ::FieldType;
using enum ::FieldType;

std::string U16(uint16_t value, ByteOrder order);
std::string U32(uint32_t value, ByteOrder order);
// 16-bit big-endian, as JPEG length words are written.
std::string BigU16(uint16_t value);

class Ifd;

// One directory entry. Its value bytes are produced for the byte order at
// layout time; values of more than four bytes go behind the directory and the
// entry holds their offset, unless rawField fixes the 4-byte field.
struct Entry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  std::vector<uint32_t> numbers;  // SHORT/LONG/... elements, written in order
  std::string bytes;              // for BYTE/ASCII/UNDEFINED: written as they stand
  std::shared_ptr<const Ifd> sub; // a LONG pointer to this directory
  std::optional<uint32_t> rawField;
};

Entry Ascii(uint16_t tag, const std::string& text);             // with its terminating zero
Entry AsciiUnterminated(uint16_t tag, const std::string& text); // count = text length
Entry Undefined(uint16_t tag, const std::string& bytes);
Entry Bytes(uint16_t tag, const std::string& bytes);
Entry Short(uint16_t tag, std::vector<uint32_t> values);
Entry Long(uint16_t tag, std::vector<uint32_t> values);
Entry SLong(uint16_t tag, std::vector<uint32_t> values);
// Each pair is numerator, denominator.
Entry Rational(uint16_t tag, std::vector<std::pair<uint32_t, uint32_t>> values);
Entry SRational(uint16_t tag, std::vector<std::pair<int32_t, int32_t>> values);
Entry Pointer(uint16_t tag, const Ifd& sub);
// An entry whose 4-byte value field is exactly field (an offset, say) and whose
// count and type are as given: for hostile and odd inputs.
Entry RawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t field);

class Ifd {
public:
  Ifd() = default;
  Ifd(std::initializer_list<Entry> entries) : entries_(entries) {}
  Ifd& Add(Entry entry) {
    entries_.push_back(std::move(entry));
    return *this;
  }
  // The directory that the next-directory offset points to (IFD1, say).
  Ifd& Next(const Ifd& next) {
    next_ = std::make_shared<Ifd>(next);
    return *this;
  }
  // Writes this count instead of the number of entries (oversized directories).
  Ifd& CountWord(uint16_t count) {
    countWord_ = count;
    return *this;
  }
  // Bytes put between the directory and its out-of-line values, as cameras do.
  Ifd& Padding(size_t bytes) {
    padding_ = bytes;
    return *this;
  }

  const std::vector<Entry>& entries() const { return entries_; }
  const std::shared_ptr<const Ifd>& next() const { return next_; }
  std::optional<uint16_t> countWord() const { return countWord_; }
  size_t padding() const { return padding_; }

private:
  std::vector<Entry> entries_;
  std::shared_ptr<const Ifd> next_;
  std::optional<uint16_t> countWord_;
  size_t padding_ = 0;
};

// TIFF header ("II"/"MM", 42, offset of IFD0) and the directories. IFD0 lies
// at firstIfdOffset (8 normally); the bytes between header and IFD0 are zero.
// headerOffsetWord, when given, is written into the header instead of the
// true offset of IFD0.
std::string Tiff(const Ifd& ifd0, ByteOrder order, uint32_t firstIfdOffset = 8,
                 std::optional<uint32_t> headerOffsetWord = std::nullopt);

} // namespace testkit
