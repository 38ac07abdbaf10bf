#include "metadata/exif_reader.h"

#include "metadata/tagtables.h"

#include <algorithm>

bool ExifReader::ReadTiff(ByteStream& stream, size_t window) {
  std::string header;
  stream.ReadAppend(header, 8);
  const bool bigEndian = header.starts_with("MM");
  if (!bigEndian && !header.starts_with("II")) return false;
  header.resize(8, '\0');

  JpegSegment& slot = Section(1);
  slot.Data.clear();
  window = std::min(window, kTiffBufferSize);
  slot.Data.reserve(window);
  stream.ReadAppend(slot.Data, window);
  // A shorter file leaves zeros in the rest of the buffer.
  slot.Data.resize(window, '\0');
  slot.Marker = 0;
  slot.Size = static_cast<int32_t>(window);
  SectionCount = 1;
  ExifSection = &slot;

  CreateExif();
  Exif->TiffSource = true;
  Exif->DumpText.clear();
  BigEndian = bigEndian;
  Exif->BigEndian = BigEndian;
  Exif->Buffer = slot.Data;
  Buffer = slot.Data;

  // The buffer starts at file offset 8, so file offset x lies at position
  // x - 7. IFD0 is taken where the header says; an offset that points into
  // the header cannot be one and IFD0 is taken right behind it.
  ByteOrderBuffer order;
  order.BigEndian = BigEndian;
  order.Buffer = header;
  const int64_t first = static_cast<uint32_t>(order.ReadU32(5));
  // A value of IFD0 that a renderer refuses ends the read.
  if (Exif->WalkDirectory(first < 8 ? 1 : first - 7, -7, MainTagTable,
                          static_cast<int64_t>(window)) == WalkOutcome::Refused)
    return false;
  Exif->DeriveFocalLength35();
  return true;
}
