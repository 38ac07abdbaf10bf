#include "metadata/exif_reader.h"

#include "metadata/tagtables.h"

namespace {

enum Marker : uint8_t {
  MarkerStartOfImage = 0xD8,
  MarkerEndOfImage = 0xD9,
  MarkerStartOfScan = 0xDA,
  MarkerApp0 = 0xE0,
  MarkerApp1 = 0xE1,
  MarkerApp13 = 0xED,
  MarkerComment = 0xFE,
};

// The fifth segment is not examined when the first four held nothing of interest.
constexpr int kGiveUpSegment = 5;
// An APP1 segment after this one is never the EXIF segment.
constexpr int kLastExifSegment = 5;

} // namespace

// Reads one segment's length word and body into slot. False when the scan
// must end: the data ended before the length word, or the length word is 0
// or 1 and cannot even count itself, so the next marker cannot be found.
bool ExifReader::ReadJpegSegment(ByteStream& stream, uint8_t marker, JpegSegment& slot) {
  const std::optional<uint8_t> hi = stream.ReadByte();
  const std::optional<uint8_t> lo = hi ? stream.ReadByte() : std::nullopt;
  if (!lo) return false;
  const int32_t length = *hi * 256 + *lo;
  if (length < 2) return false;
  slot.Marker = marker;
  slot.Size = length;
  slot.Data.clear();
  slot.Data += static_cast<char>(*hi);
  slot.Data += static_cast<char>(*lo);
  // A body cut short by the end of the data keeps the bytes that exist and
  // zeros for the rest, so Data still holds Size bytes; the scan then ends
  // at the next marker, which the data no longer holds.
  stream.ReadAppend(slot.Data, static_cast<size_t>(length - 2));
  slot.Data.resize(static_cast<size_t>(length), '\0');
  return true;
}

bool ExifReader::ScanJpeg(ByteStream& stream) {
  const std::optional<uint8_t> first = stream.ReadByte();
  const std::optional<uint8_t> second = first ? stream.ReadByte() : std::nullopt;
  if (!second || *first != 0xFF || *second != MarkerStartOfImage) return false;
  SectionCount = 0;
  while (SectionCount < kJpegSegmentLimit) {
    std::optional<uint8_t> marker;
    do {
      marker = stream.ReadByte();
    } while (marker && *marker == 0xFF);
    if (!marker) break; // the data ended: what was found so far counts

    const int n = SectionCount + 1;
    JpegSegment& slot = Section(n);
    if (!ReadJpegSegment(stream, *marker, slot)) break;
    SectionCount = n;
    if (n == kGiveUpSegment && !HasMetadata()) break;

    switch (*marker) {
    case MarkerEndOfImage:
    case MarkerStartOfScan:
      return HasMetadata(); // the image data is never read
    case MarkerApp0:
      HeaderSection = &slot;
      break;
    case MarkerApp1:
      if (n > kLastExifSegment || ExifSection != nullptr)
        SectionCount = n - 1; // dropped; the next segment reuses the slot
      else if (TakeExifSegment(slot) == ExifSegmentResult::Refused)
        return false; // a value of IFD0 was refused: the read ends
      break;
    case MarkerApp13:
      if (IptcSection == nullptr) {
        IptcSection = &slot;
        Iptc = std::make_unique<IptcData>(this);
      }
      break;
    case MarkerComment:
      CommentSection = &slot;
      break;
    default:
      break;
    }
  }
  return HasMetadata();
}

ExifSegmentResult ExifReader::TakeExifSegment(JpegSegment& slot) {
  ExifSection = &slot;
  CreateExif();
  Buffer = slot.Data;
  // An APP1 segment of another kind (XMP, say) is not the EXIF segment: it
  // stays an ordinary segment, so an EXIF segment after it is still read.
  const ExifSegmentResult result = ProcessExifSegment(slot);
  if (result == ExifSegmentResult::IncorrectHeader) {
    ExifSection = nullptr;
    Exif.reset();
    Buffer.clear();
  }
  return result;
}

ExifSegmentResult ExifReader::ProcessExifSegment(JpegSegment& section) {
  if (!Exif) CreateExif();
  const std::string_view data = section.Data;
  // The header and the byte-order mark are compared with the bytes the
  // segment holds; a segment that ends before them simply does not match.
  const auto bytesAt = [data](size_t position, size_t count) {
    return position < data.size() ? data.substr(position, count) : std::string_view();
  };
  if (bytesAt(2, 5) != std::string_view("Exif\0", 5)) {
    ErrorText = kErrorIncorrectHeader;
    return ExifSegmentResult::IncorrectHeader;
  }
  const std::string_view mark = bytesAt(8, 2);
  if (mark != "II" && mark != "MM") {
    ErrorText = kErrorInvalidAlignment;
    return ExifSegmentResult::InvalidAlignment;
  }
  BigEndian = mark == "MM";
  Exif->DumpText.clear();
  Exif->Buffer = section.Data;
  Exif->BigEndian = BigEndian;
  // Offsets count from the TIFF header at position 9.
  const int64_t first = static_cast<uint32_t>(Exif->ReadU32(13));
  if (Exif->WalkDirectory(first == 0 ? 17 : first + 9, 9, MainTagTable, section.Size - 6) ==
      WalkOutcome::Refused)
    return ExifSegmentResult::Refused;
  Exif->DeriveFocalLength35();
  return ExifSegmentResult::Walked;
}
