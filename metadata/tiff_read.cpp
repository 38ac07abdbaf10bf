#include "metadata/internal/tiff_read.h"

#include "metadata/internal/exif_segment.h"

#include <algorithm>

bool ReadTiffFile(ByteStream& stream, size_t window, ExifRead& read, ExifDetail detail,
                  std::optional<ReadProblem>& problem) {
  std::string header;
  stream.ReadAppend(header, 8);
  const bool bigEndian = header.starts_with("MM");
  if (!bigEndian && !header.starts_with("II")) return false;
  header.resize(8, '\0');
  const Endianness order = bigEndian ? Endianness::Big : Endianness::Little;

  JpegSegment& buffer = read.segments.emplace_back();
  window = std::min(window, kTiffBufferSize);
  buffer.data.reserve(window);
  stream.ReadAppend(buffer.data, window);
  // A shorter file leaves zeros in the rest of the buffer.
  buffer.data.resize(window, '\0');
  buffer.size = static_cast<int32_t>(window);
  // A value of IFD0 that a renderer refuses ends the read.
  return WalkTiffBuffer(read, read.segments.size() - 1, order,
                        ByteOrderView(header, order).U32At(4), detail, problem);
}
