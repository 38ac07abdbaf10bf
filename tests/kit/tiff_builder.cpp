#include "tests/kit/tiff_builder.h"

#include <stdexcept>

namespace testkit {

std::string U16(uint16_t value, ByteOrder order) {
  std::string out(2, '\0');
  const char hi = static_cast<char>(value >> 8);
  const char lo = static_cast<char>(value & 0xFF);
  out[0] = order == ByteOrder::Motorola ? hi : lo;
  out[1] = order == ByteOrder::Motorola ? lo : hi;
  return out;
}

std::string U32(uint32_t value, ByteOrder order) {
  const std::string hi = U16(static_cast<uint16_t>(value >> 16), order);
  const std::string lo = U16(static_cast<uint16_t>(value & 0xFFFF), order);
  return order == ByteOrder::Motorola ? hi + lo : lo + hi;
}

std::string BigU16(uint16_t value) {
  return U16(value, ByteOrder::Motorola);
}

namespace {

Entry Numbers(uint16_t tag, uint16_t type, std::vector<uint32_t> values, uint32_t count) {
  Entry e;
  e.tag = tag;
  e.type = type;
  e.count = count;
  e.numbers = std::move(values);
  return e;
}

Entry Text(uint16_t tag, uint16_t type, const std::string& bytes) {
  Entry e;
  e.tag = tag;
  e.type = type;
  e.count = static_cast<uint32_t>(bytes.size());
  e.bytes = bytes;
  return e;
}

size_t ElementSize(uint16_t type) {
  switch (type) {
  case kShort:
  case kSShort:
    return 2;
  case kLong:
  case kSLong:
  case kRational:
  case kSRational:
  case kFloat:
    return 4;
  default:
    return 1;
  }
}

std::string EncodeValue(const Entry& e, ByteOrder order) {
  if (e.numbers.empty()) return e.bytes;
  std::string out;
  for (uint32_t n : e.numbers) {
    switch (ElementSize(e.type)) {
    case 2:
      out += U16(static_cast<uint16_t>(n), order);
      break;
    case 4:
      out += U32(n, order);
      break;
    default:
      out += static_cast<char>(n & 0xFF);
    }
  }
  return out;
}

class Layout {
public:
  explicit Layout(ByteOrder order) : order_(order) {}
  std::string& bytes() { return out_; }

  // Appends the directory, its values and the directories it points to;
  // returns its offset from the start of the bytes.
  uint32_t Place(const Ifd& ifd, bool alignStart = true) {
    if (alignStart) Align();
    const auto start = Offset();
    const auto& entries = ifd.entries();
    out_ += U16(ifd.countWord().value_or(static_cast<uint16_t>(entries.size())), order_);
    const size_t table = out_.size();
    out_.append(12 * entries.size() + 4, '\0');
    out_.append(ifd.padding(), '\0');
    for (size_t i = 0; i < entries.size(); ++i) {
      const Entry& e = entries[i];
      std::string field;
      if (e.rawField) {
        field = U32(*e.rawField, order_);
      } else if (e.sub) {
        field = U32(Place(*e.sub), order_);
      } else {
        std::string value = EncodeValue(e, order_);
        if (value.size() <= 4) {
          field = value + std::string(4 - value.size(), '\0');
        } else {
          Align();
          field = U32(Offset(), order_);
          out_ += value;
        }
      }
      const std::string head = U16(e.tag, order_) + U16(e.type, order_) + U32(e.count, order_);
      out_.replace(table + 12 * i, 12, head + field);
    }
    if (ifd.next()) {
      const std::string next = U32(Place(*ifd.next()), order_);
      out_.replace(table + 12 * entries.size(), 4, next);
    }
    return start;
  }

private:
  uint32_t Offset() const { return static_cast<uint32_t>(out_.size()); }
  void Align() {
    if (out_.size() % 2 != 0) out_ += '\0';
  }

  ByteOrder order_;
  std::string out_;
};

} // namespace

Entry Ascii(uint16_t tag, const std::string& text) {
  return Text(tag, kAscii, text + std::string(1, '\0'));
}
Entry AsciiUnterminated(uint16_t tag, const std::string& text) {
  return Text(tag, kAscii, text);
}
Entry Undefined(uint16_t tag, const std::string& bytes) {
  return Text(tag, kUndefined, bytes);
}
Entry Bytes(uint16_t tag, const std::string& bytes) {
  return Text(tag, kByte, bytes);
}

Entry Short(uint16_t tag, std::vector<uint32_t> values) {
  const auto count = static_cast<uint32_t>(values.size());
  return Numbers(tag, kShort, std::move(values), count);
}
Entry Long(uint16_t tag, std::vector<uint32_t> values) {
  const auto count = static_cast<uint32_t>(values.size());
  return Numbers(tag, kLong, std::move(values), count);
}
Entry SLong(uint16_t tag, std::vector<uint32_t> values) {
  const auto count = static_cast<uint32_t>(values.size());
  return Numbers(tag, kSLong, std::move(values), count);
}

Entry Rational(uint16_t tag, std::vector<std::pair<uint32_t, uint32_t>> values) {
  std::vector<uint32_t> flat;
  for (auto [n, d] : values) {
    flat.push_back(n);
    flat.push_back(d);
  }
  return Numbers(tag, kRational, std::move(flat), static_cast<uint32_t>(values.size()));
}

Entry SRational(uint16_t tag, std::vector<std::pair<int32_t, int32_t>> values) {
  std::vector<uint32_t> flat;
  for (auto [n, d] : values) {
    flat.push_back(static_cast<uint32_t>(n));
    flat.push_back(static_cast<uint32_t>(d));
  }
  return Numbers(tag, kSRational, std::move(flat), static_cast<uint32_t>(values.size()));
}

Entry Pointer(uint16_t tag, const Ifd& sub) {
  Entry e;
  e.tag = tag;
  e.type = kLong;
  e.count = 1;
  e.sub = std::make_shared<Ifd>(sub);
  return e;
}

Entry RawEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t field) {
  Entry e;
  e.tag = tag;
  e.type = type;
  e.count = count;
  e.rawField = field;
  return e;
}

std::string Tiff(const Ifd& ifd0, ByteOrder order, uint32_t firstIfdOffset,
                 std::optional<uint32_t> headerOffsetWord) {
  if (firstIfdOffset < 8) throw std::invalid_argument("IFD0 cannot overlap the TIFF header");
  Layout layout(order);
  std::string& out = layout.bytes();
  out = (order == ByteOrder::Motorola ? "MM" : "II") + U16(42, order) +
        U32(headerOffsetWord.value_or(firstIfdOffset), order);
  out.append(firstIfdOffset - 8, '\0');
  layout.Place(ifd0, false);
  return out;
}

} // namespace testkit
