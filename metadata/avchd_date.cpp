#include "metadata/internal/avchd_date.h"

#include "metadata/internal/byte_cursor.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// The camera writes the block into the first picture; a megabyte holds the
// first pictures of any AVCHD clip, and reading further only costs time on
// clips that have none.
constexpr uint64_t kMaxScanBytes = 1 << 20;
// Bytes asked of the stream at a time, rounded down to whole packets.
constexpr size_t kStepBytes = 64 * 1024;
constexpr uint8_t kSyncByte = 0x47;
// The user-data identifier of the MDPM block, then its name.
constexpr std::string_view kMdpmMark{"\x17\xEE\x8C\x60\xF8\x4D\x11\xD9\x8C\xD6\x08\x00\x20\x0C\x9A"
                                     "\x66MDPM",
                                     20};
// The block: a count byte and up to 255 tags of five bytes, plus the
// stream's escape bytes; the date tags come first in real files.
constexpr size_t kMdpmBytes = 1 + 255 * 5;
constexpr uint8_t kTagZoneYearMonth = 0x18; // zone byte, year (two BCD bytes), month
constexpr uint8_t kTagDayTime = 0x19;       // day, hour, minute, second in BCD

struct PacketLayout {
  size_t size = 0;   // 188, or 192 with the time stamp of Blu-ray and AVCHD files
  size_t syncAt = 0; // where the sync byte stands in a packet
};

std::optional<PacketLayout> LayoutOf(std::string_view head) {
  for (const PacketLayout layout : {PacketLayout{188, 0}, PacketLayout{192, 4}}) {
    const size_t second = layout.size + layout.syncAt;
    if (head.size() > second && static_cast<uint8_t>(head[layout.syncAt]) == kSyncByte &&
        static_cast<uint8_t>(head[second]) == kSyncByte)
      return layout;
  }
  return std::nullopt;
}

// The bytes of an H.264 unit without the escape bytes the stream inserts
// after two zero bytes (00 00 03), up to limit bytes.
std::string WithoutEscapes(std::string_view bytes, size_t limit) {
  std::string plain;
  int zeros = 0;
  for (size_t i = 0; i < bytes.size() && plain.size() < limit; ++i) {
    const char c = bytes[i];
    if (zeros >= 2 && c == '\x03') {
      zeros = 0;
      continue;
    }
    zeros = c == '\0' ? zeros + 1 : 0;
    plain += c;
  }
  return plain;
}

// Two BCD digits; nothing when a digit is not one.
std::optional<int> Bcd(uint8_t byte) {
  if ((byte >> 4) > 9 || (byte & 0x0F) > 9) return std::nullopt;
  return (byte >> 4) * 10 + (byte & 0x0F);
}

std::optional<LocalDateTime> MdpmDate(std::string_view escaped) {
  const std::string block = WithoutEscapes(escaped, kMdpmBytes);
  ByteCursor tags(block);
  const uint8_t count = tags.U8();
  std::string_view yearMonth;
  std::string_view dayTime;
  for (int i = 0; i < count && tags.Ok(); ++i) {
    const uint8_t tag = tags.U8();
    const std::string_view data = tags.Take(4);
    if (tag == kTagZoneYearMonth && yearMonth.empty()) yearMonth = data;
    if (tag == kTagDayTime && dayTime.empty()) dayTime = data;
  }
  if (yearMonth.size() != 4 || dayTime.size() != 4) return std::nullopt;
  int fields[7];
  const std::string digits = std::string(yearMonth.substr(1)) + std::string(dayTime);
  for (size_t i = 0; i < digits.size(); ++i) {
    const std::optional<int> value = Bcd(static_cast<uint8_t>(digits[i]));
    if (!value) return std::nullopt;
    fields[i] = *value;
  }
  return LocalDateTime{
      fields[0] * 100 + fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

// Collects the payload of the video stream's packets until the MDPM block
// and the bytes behind it are in.
class VideoScan {
public:
  // False once the block is complete or the packets lose their sync.
  bool Packet(std::string_view packet, size_t syncAt) {
    ByteCursor fields(packet);
    fields.Skip(syncAt);
    const uint8_t sync = fields.U8();
    const uint8_t flags = fields.U8();
    const uint16_t pid = static_cast<uint16_t>(((flags & 0x1F) << 8) | fields.U8());
    const uint8_t control = fields.U8();
    if (!fields.Ok() || sync != kSyncByte) return false; // not a transport stream (any more)
    if ((control & 0x20) != 0) fields.Skip(fields.U8()); // adaptation field
    if ((control & 0x10) == 0 || !fields.Ok()) return true;
    const std::string_view payload = fields.Take(fields.Remaining());
    // The video stream is the first whose packet starts a PES packet of a
    // video stream id (E0 to EF).
    const bool startsPes = (flags & 0x40) != 0;
    if (!videoPid_ && startsPes && payload.size() >= 4 && payload.starts_with("\0\0\1") &&
        (static_cast<uint8_t>(payload[3]) & 0xF0) == 0xE0)
      videoPid_ = pid;
    if (videoPid_ != pid) return true;
    const size_t searchFrom = video_.size() - std::min(video_.size(), kMdpmMark.size() - 1);
    video_ += payload;
    if (!blockAt_) {
      const size_t found = video_.find(kMdpmMark, searchFrom);
      if (found != std::string::npos) blockAt_ = found + kMdpmMark.size();
    }
    // Twice the block's size leaves room for its escape bytes.
    return !blockAt_ || video_.size() - *blockAt_ < 2 * kMdpmBytes;
  }
  std::optional<LocalDateTime> Date() const {
    if (!blockAt_) return std::nullopt;
    return MdpmDate(std::string_view(video_).substr(*blockAt_));
  }

private:
  std::optional<uint16_t> videoPid_;
  std::string video_;
  std::optional<size_t> blockAt_;
};

} // namespace

std::optional<LocalDateTime> ReadAvchdDate(ByteStream& stream) {
  std::string bytes;
  stream.ReadAt(0, kStepBytes, bytes);
  const std::optional<PacketLayout> layout = LayoutOf(bytes);
  if (!layout) return std::nullopt;
  const size_t step = kStepBytes / layout->size * layout->size;
  VideoScan scan;
  for (uint64_t at = 0; at < kMaxScanBytes; at += step) {
    stream.ReadAt(at, static_cast<size_t>(std::min<uint64_t>(step, kMaxScanBytes - at)), bytes);
    for (size_t packet = 0; packet + layout->size <= bytes.size(); packet += layout->size)
      if (!scan.Packet(std::string_view(bytes).substr(packet, layout->size), layout->syncAt))
        return scan.Date();
    if (bytes.size() < step) break;
  }
  return scan.Date();
}
