#include "metadata/internal/exif_segment.h"

#include "metadata/internal/tagtables.h"

namespace {

// In an APP1 segment the TIFF header follows the length word and "Exif\0\0";
// in a TIFF file's buffer, which starts behind the header, it lies before it.
constexpr int64_t kSegmentTiffHeader = 8;
constexpr int64_t kBufferTiffHeader = -8;

} // namespace

ExifSegmentResult WalkExifSegment(ExifRead& read, size_t index, ExifDetail detail,
                                  std::optional<ReadProblem>& problem) {
  const JpegSegment& segment = read.segments[index];
  const std::string_view data = segment.data;
  // The header and the byte-order mark are compared with the bytes the
  // segment holds; a segment that ends before them simply does not match.
  const auto bytesAt = [data](size_t offset, size_t count) {
    return offset < data.size() ? data.substr(offset, count) : std::string_view();
  };
  if (bytesAt(2, 5) != std::string_view("Exif\0", 5)) {
    problem = ReadProblem{ExifStatus::IncorrectHeader, {}};
    return ExifSegmentResult::IncorrectHeader;
  }
  read.exifSegment = index;
  const std::string_view mark = bytesAt(kSegmentTiffHeader, 2);
  if (mark != "II" && mark != "MM") {
    problem = ReadProblem{ExifStatus::InvalidAlignment, {}};
    return ExifSegmentResult::InvalidAlignment;
  }
  read.order = mark == "MM" ? Endianness::Big : Endianness::Little;
  const ByteOrderView view(data, read.order);
  DirectoryWalker walker(read, detail, view, ExifContainer::JpegSegment, problem);
  const int64_t first = view.U32At(kSegmentTiffHeader + 4);
  // The rules count the bytes after the base from the "Exif" header's end.
  if (walker.WalkDirectory(first == 0 ? kSegmentTiffHeader + 8 : first + kSegmentTiffHeader,
                           kSegmentTiffHeader, MainTagTable,
                           int64_t{segment.size} - 6) == WalkOutcome::Refused)
    return ExifSegmentResult::Refused;
  walker.DeriveFocalLength35();
  return ExifSegmentResult::Walked;
}

bool WalkTiffBuffer(ExifRead& read, size_t index, Endianness order, int64_t firstOffset,
                    ExifDetail detail, std::optional<ReadProblem>& problem) {
  const JpegSegment& segment = read.segments[index];
  read.exifSegment = index;
  read.order = order;
  DirectoryWalker walker(read, detail, ByteOrderView(segment.data, order), ExifContainer::TiffFile,
                         problem);
  // IFD0 is taken where the header says; an offset that points into the
  // header cannot be one and IFD0 is taken right behind it.
  const int64_t start = firstOffset < -kBufferTiffHeader ? 0 : firstOffset + kBufferTiffHeader;
  if (walker.WalkDirectory(start, kBufferTiffHeader, MainTagTable,
                           static_cast<int64_t>(segment.data.size())) == WalkOutcome::Refused)
    return false;
  walker.DeriveFocalLength35();
  return true;
}
