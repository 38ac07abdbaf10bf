#include "metadata/internal/jpeg_segments.h"

#include "metadata/internal/exif_segment.h"

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
constexpr size_t kGiveUpSegment = 5;
// An APP1 segment after this one is never the EXIF segment.
constexpr size_t kLastExifSegment = 5;

// Reads one segment's length word and body into segment. False when the
// scan must end: the data ended before the length word, or the length word
// is 0 or 1 and cannot even count itself, so the next marker cannot be found.
bool ReadJpegSegment(ByteStream& stream, uint8_t marker, JpegSegment& segment) {
  const std::optional<uint8_t> hi = stream.ReadByte();
  const std::optional<uint8_t> lo = hi ? stream.ReadByte() : std::nullopt;
  if (!lo) return false;
  const int32_t length = *hi * 256 + *lo;
  if (length < 2) return false;
  segment.marker = marker;
  segment.size = length;
  segment.data.clear();
  segment.data += static_cast<char>(*hi);
  segment.data += static_cast<char>(*lo);
  // A body cut short by the end of the data keeps the bytes that exist and
  // zeros for the rest, so Data still holds Size bytes; the scan then ends
  // at the next marker, which the data no longer holds.
  stream.ReadAppend(segment.data, static_cast<size_t>(length - 2));
  segment.data.resize(static_cast<size_t>(length), '\0');
  return true;
}

// An APP1 segment that holds an XMP packet begins with this namespace.
constexpr std::string_view kXmpHeader("http://ns.adobe.com/xap/1.0/\0", 29);

// Keeps the packet of the first XMP segment; a segment about to be dropped
// gives its bytes up instead of a copy.
void TakeXmpPacket(ExifRead& read, JpegSegment& segment, bool dropped) {
  constexpr size_t kLengthWord = 2;
  if (!read.xmpPacket.empty()) return;
  const std::string_view body = std::string_view(segment.data).substr(kLengthWord);
  if (!body.starts_with(kXmpHeader)) return;
  if (dropped) {
    read.xmpPacket = std::move(segment.data);
    read.xmpPacket.erase(0, kLengthWord + kXmpHeader.size());
  } else {
    read.xmpPacket = body.substr(kXmpHeader.size());
  }
}

} // namespace

bool ScanJpegSegments(ByteStream& stream, ExifRead& read, ExifDetail detail,
                      std::optional<ReadProblem>& problem) {
  const std::optional<uint8_t> first = stream.ReadByte();
  const std::optional<uint8_t> second = first ? stream.ReadByte() : std::nullopt;
  if (!second || *first != 0xFF || *second != MarkerStartOfImage) return false;
  std::vector<JpegSegment>& segments = read.segments;
  segments.reserve(kJpegSegmentLimit);
  while (segments.size() < kJpegSegmentLimit) {
    std::optional<uint8_t> marker;
    do {
      marker = stream.ReadByte();
    } while (marker && *marker == 0xFF);
    if (!marker) break; // the data ended: what was found so far counts

    JpegSegment segment;
    if (!ReadJpegSegment(stream, *marker, segment)) break;
    const size_t index = segments.size();
    const size_t n = index + 1; // the segment's number
    segments.push_back(std::move(segment));
    if (n == kGiveUpSegment && !read.HasMetadata()) break;

    switch (*marker) {
    case MarkerEndOfImage:
    case MarkerStartOfScan:
      return read.HasMetadata(); // the image data is never read
    case MarkerApp0:
      read.headerSegment = index;
      break;
    case MarkerApp1:
      TakeXmpPacket(read, segments[index], n > kLastExifSegment || read.HasExif());
      if (n > kLastExifSegment || read.HasExif())
        segments.pop_back(); // dropped; the next segment takes its place
      else if (WalkExifSegment(read, index, detail, problem) == ExifSegmentResult::Refused)
        return false; // a value of IFD0 was refused: the read ends
      break;
    case MarkerApp13:
      if (!read.iptcSegment) {
        read.iptcSegment = index;
        read.iptc.ParseSegment(segments[index].data);
      }
      break;
    case MarkerComment:
      read.commentSegment = index;
      break;
    default:
      break;
    }
  }
  return read.HasMetadata();
}
