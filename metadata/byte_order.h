#pragma once
// The byte order of EXIF data, a bounds-checked view that reads numbers in
// it, and the one record of a tag: tag-table rows, decoded tags, maker-note
// entries and IPTC entries. Offsets are 0-based, as ByteCursor's; every read
// outside the bytes gives 0, because offsets come straight from the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Byte strings are std::string: one char per byte.
using ByteString = std::string;

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

// What a renderer hands back besides its text: the named values it found
// (the Canon breakdowns' lines) and whether its text is a block of whole
// lines. The walk that called it lists them, so renderers keep no state.
struct RenderSink {
  struct NamedValue {
    std::string Name;
    std::string Text;
  };
  std::vector<NamedValue> NamedValues;
  bool MultiLine = false;
};

// A special renderer of a value text. It may throw std::runtime_error on a text
// it cannot read; the directory walk decides where that ends.
using TextRenderer = std::string (*)(const std::string& text, RenderSink& sink);

// Where a tag was found.
enum class TagOrigin { Exif, MakerNote };

struct Tag {
  TagOrigin Origin = TagOrigin::Exif;
  uint16_t ValueType = 0;
  uint16_t IptcRecord = 0;
  uint16_t TagNumber = 0;
  std::string Name;
  std::string Description;
  std::string ValueList;
  std::string Text;
  ByteString RawBytes;
  int32_t ValueOffset = 0; // 0-based, in the bytes the walk read
  std::string FormatText;
  int32_t ByteCount = 0;
  TextRenderer Renderer = nullptr;
};
