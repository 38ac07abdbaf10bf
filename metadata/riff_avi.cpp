#include "metadata/internal/riff_avi.h"

#include "metadata/internal/byte_cursor.h"

#include <algorithm>
#include <string_view>

namespace {

// Chunks looked at in one read and lists entered one inside the other: a
// camera's file has some dozen chunks before the media, two lists deep.
// Each chunk header may cost a read of the stream's buffer.
constexpr int kMaxChunksPerRead = 256;
constexpr int kMaxListDepth = 4;
// A date text has some 26 characters; a longer chunk is cut.
constexpr size_t kMaxDateTextBytes = 64;
// "RIFF", its size, "AVI ".
constexpr uint64_t kFileHeaderSize = 12;

class RiffWalk {
public:
  explicit RiffWalk(ByteStream& stream) : stream_(stream) {}

  std::optional<std::string> Run() {
    stream_.ReadAt(0, kFileHeaderSize, bytes_);
    ByteCursor header(bytes_, Endianness::Little);
    const std::string_view riff = header.Take(4);
    const uint64_t size = header.U32();
    const std::string_view form = header.Take(4);
    if (!header.Ok() || riff != "RIFF" || form != "AVI ") return std::nullopt;
    // A file larger than 4 GiB goes on in further RIFF chunks; the header
    // list is in the first.
    Walk(kFileHeaderSize, 8 + size, 0);
    return date_;
  }

private:
  void Walk(uint64_t from, uint64_t end, int depth) {
    for (uint64_t at = from; at < end && !date_ && chunksLeft_ > 0; --chunksLeft_) {
      stream_.ReadAt(at, 12, bytes_);
      ByteCursor header(bytes_, Endianness::Little);
      const std::string_view id = header.Take(4);
      const uint64_t size = header.U32();
      if (!header.Ok()) return;
      const uint64_t data = at + 8;
      const uint64_t chunkEnd = std::min(data + size, end);
      if (id == "IDIT") {
        stream_.ReadAt(data, static_cast<size_t>(std::min<uint64_t>(size, kMaxDateTextBytes)),
                       bytes_);
        date_ = bytes_;
      } else if (id == "LIST" && depth < kMaxListDepth) {
        const std::string_view type = header.Take(4);
        // The media list holds only media; everything else may hold the date.
        if (header.Ok() && type != "movi" && type != "rec ") Walk(data + 4, chunkEnd, depth + 1);
      }
      // Chunks are padded to an even size.
      at = data + size + (size & 1);
    }
  }

  ByteStream& stream_;
  std::string bytes_;
  int chunksLeft_ = kMaxChunksPerRead;
  std::optional<std::string> date_;
};

} // namespace

std::optional<std::string> ReadAviDateChunk(ByteStream& stream) {
  return RiffWalk(stream).Run();
}
