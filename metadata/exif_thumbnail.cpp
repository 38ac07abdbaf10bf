#include "metadata/exif_thumbnail.h"

#include "metadata/internal/byte_cursor.h"
#include "metadata/internal/jpeg_exif_block.h"

#include <cstdint>
#include <limits>

namespace {

// Cameras write the EXIF segment first or right after JFIF; one further
// back is no camera's and not worth reading the file for.
constexpr int kSegmentsLooked = 8;

constexpr uint16_t kThumbnailOffsetTag = 0x0201;
constexpr uint16_t kThumbnailLengthTag = 0x0202;
constexpr uint16_t kShortType = 3;
constexpr uint16_t kLongType = 4;
constexpr size_t kEntryBytes = 12;

// The offset of the directory after the one at offset; 0 when there is none
// or the cursor cannot reach it.
uint32_t NextDirectory(ByteCursor& cursor, uint32_t offset) {
  cursor.MoveTo(offset);
  const uint16_t count = cursor.U16();
  cursor.Skip(size_t{count} * kEntryBytes);
  const uint32_t next = cursor.U32();
  return cursor.Ok() ? next : 0;
}

// The value of a SHORT or LONG entry holding one number; the cursor stands
// at the entry's type.
std::optional<uint32_t> SingleNumber(ByteCursor& cursor) {
  const uint16_t type = cursor.U16();
  const uint32_t count = cursor.U32();
  const uint32_t value = type == kShortType ? cursor.U16() : cursor.U32();
  if (!cursor.Ok() || count != 1 || (type != kShortType && type != kLongType)) return std::nullopt;
  return value;
}

} // namespace

std::optional<std::string_view> ExifThumbnailIn(std::string_view tiff) {
  ByteCursor probe(tiff);
  const std::string_view mark = probe.Take(2);
  if (mark != "II" && mark != "MM") return std::nullopt;
  ByteCursor cursor(tiff, mark == "II" ? Endianness::Little : Endianness::Big);
  cursor.Skip(4);
  const uint32_t ifd0 = cursor.U32();
  if (!cursor.Ok() || ifd0 == 0) return std::nullopt;
  const uint32_t ifd1 = NextDirectory(cursor, ifd0);
  // IFD1 pointing back at IFD0 would read IFD0 as IFD1: harmless, as every
  // read is bounded, and IFD0 holds no thumbnail tags.
  if (ifd1 == 0) return std::nullopt;
  cursor.MoveTo(ifd1);
  const uint16_t count = cursor.U16();
  std::optional<uint32_t> offset, length;
  for (uint16_t i = 0; i < count && cursor.Ok(); ++i) {
    const size_t entry = cursor.Position();
    const uint16_t tag = cursor.U16();
    if (tag == kThumbnailOffsetTag) offset = SingleNumber(cursor);
    if (tag == kThumbnailLengthTag) length = SingleNumber(cursor);
    cursor.MoveTo(entry + kEntryBytes);
  }
  if (!offset || !length || *length < 2) return std::nullopt;
  ByteCursor thumbnail(tiff);
  thumbnail.MoveTo(*offset);
  const std::string_view bytes = thumbnail.Take(*length);
  if (!thumbnail.Ok() || bytes.substr(0, 2) != "\xFF\xD8") return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadExifThumbnail(ByteSource& source) {
  ByteStream stream(source);
  const std::optional<std::string> tiff =
      ReadJpegExifBlock(stream, 0, std::numeric_limits<uint64_t>::max(), kSegmentsLooked);
  if (!tiff) return std::nullopt;
  const std::optional<std::string_view> found = ExifThumbnailIn(*tiff);
  return found ? std::optional<std::string>(*found) : std::nullopt;
}

std::optional<std::string> ReadExifThumbnail(const std::string& path) {
  std::optional<FileSource> file = FileSource::Open(path);
  if (!file) return std::nullopt;
  try {
    return ReadExifThumbnail(*file);
  } catch (const ByteSourceError&) {
    return std::nullopt;
  }
}
