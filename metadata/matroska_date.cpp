#include "metadata/internal/matroska_date.h"

#include "metadata/internal/byte_cursor.h"

#include <limits>
#include <string>

namespace {

constexpr uint32_t kEbmlHeader = 0x1A45DFA3;
constexpr uint32_t kSegment = 0x18538067;
constexpr uint32_t kInfo = 0x1549A966;
constexpr uint32_t kDateUtc = 0x4461;
// An element header: an ID of up to 4 bytes and a size of up to 8.
constexpr size_t kMaxHeadBytes = 12;
// Elements looked at in one read, at the top and inside the segment and its
// information: real files have some ten before the information. Each may
// cost a read of the stream's buffer.
constexpr int kMaxElements = 256;
// DateUTC is an 8-byte signed count of nanoseconds.
constexpr uint64_t kDateBytes = 8;
// Seconds from 1970-01-01 to 2001-01-01 00:00 UTC.
constexpr int64_t kMatroskaEpoch = 978307200;
constexpr int64_t kNanosecondsPerSecond = 1000000000;
// The end of an element whose size is "unknown" (all value bits set).
constexpr uint64_t kToTheEnd = std::numeric_limits<uint64_t>::max();

struct Element {
  uint32_t id = 0;
  uint64_t data = 0; // the first byte behind the header
  uint64_t end = 0;  // the first byte behind the element, kToTheEnd when unknown
};

// A variable-length number: the count of leading zero bits of the first
// byte gives the length (1 to maxLength); the ID keeps its marker bit, a
// size does not.
std::optional<uint64_t> VarInt(ByteCursor& cursor, size_t maxLength, bool keepMarker,
                               bool& allOnes) {
  const uint8_t first = cursor.U8();
  size_t length = 1;
  while (length <= maxLength && (first & (0x80 >> (length - 1))) == 0)
    ++length;
  if (!cursor.Ok() || length > maxLength) return std::nullopt;
  const uint8_t mask = static_cast<uint8_t>(0xFF >> length);
  uint64_t value = keepMarker ? first : first & mask;
  allOnes = (first & mask) == mask;
  for (size_t i = 1; i < length; ++i) {
    const uint8_t next = cursor.U8();
    value = (value << 8) | next;
    allOnes = allOnes && next == 0xFF;
  }
  if (!cursor.Ok()) return std::nullopt;
  return value;
}

class EbmlWalk {
public:
  explicit EbmlWalk(ByteStream& stream) : stream_(stream) {}

  std::optional<int64_t> Run() {
    const std::optional<Element> header = ReadElement(0, kToTheEnd);
    if (!header || header->id != kEbmlHeader || header->end == kToTheEnd) return std::nullopt;
    const std::optional<Element> segment = Find(header->end, kToTheEnd, kSegment);
    if (!segment) return std::nullopt;
    const std::optional<Element> info = Find(segment->data, segment->end, kInfo);
    if (!info) return std::nullopt;
    const std::optional<Element> date = Find(info->data, info->end, kDateUtc);
    if (!date || date->end - date->data != kDateBytes) return std::nullopt;
    std::string bytes;
    stream_.ReadAt(date->data, kDateBytes, bytes);
    ByteCursor value(bytes);
    const int64_t nanoseconds = static_cast<int64_t>(value.U64());
    if (!value.Ok()) return std::nullopt;
    // Rounded down, also before 2001.
    int64_t seconds = nanoseconds / kNanosecondsPerSecond;
    if (nanoseconds % kNanosecondsPerSecond < 0) --seconds;
    return kMatroskaEpoch + seconds;
  }

private:
  std::optional<Element> ReadElement(uint64_t at, uint64_t parentEnd) {
    if (elementsLeft_ <= 0 || at >= parentEnd) return std::nullopt;
    --elementsLeft_;
    stream_.ReadAt(at, kMaxHeadBytes, head_);
    ByteCursor cursor(head_);
    bool unknownSize = false;
    const std::optional<uint64_t> id = VarInt(cursor, 4, true, unknownSize);
    const std::optional<uint64_t> size = VarInt(cursor, 8, false, unknownSize);
    if (!id || !size) return std::nullopt;
    Element element{static_cast<uint32_t>(*id), at + cursor.Position(), kToTheEnd};
    // An unknown size reaches to the parent's end; a size past it is cut there.
    if (unknownSize || *size > parentEnd - element.data)
      element.end = parentEnd;
    else
      element.end = element.data + *size;
    return element;
  }

  // The first element of this ID among the children from..end; an element
  // of unknown size ends the search, since its end is not known.
  std::optional<Element> Find(uint64_t from, uint64_t end, uint32_t id) {
    for (uint64_t at = from; at < end;) {
      const std::optional<Element> element = ReadElement(at, end);
      if (!element) return std::nullopt;
      if (element->id == id) return element;
      if (element->end == kToTheEnd) return std::nullopt;
      at = element->end;
    }
    return std::nullopt;
  }

  ByteStream& stream_;
  std::string head_;
  int elementsLeft_ = kMaxElements;
};

} // namespace

std::optional<int64_t> ReadMatroskaDateUtc(ByteStream& stream) {
  return EbmlWalk(stream).Run();
}
