#include "metadata/exif_reader.h"

#include "metadata/internal/exif_segment.h"
#include "metadata/internal/file_facts.h"
#include "metadata/internal/jpeg_segments.h"
#include "metadata/internal/rendering.h"
#include "metadata/internal/tiff_read.h"
#include "platform/ascii_case.h"
#include "platform/path_text.h"

#include <algorithm>
#include <stdexcept>

namespace {

// How far a read came; with the last problem it decides the status.
enum class ReadEnd { NoFile, CannotOpen, Failed, Succeeded };

// The one place the status is decided: a successful read reports None,
// whatever went wrong on the way; otherwise the read's last problem, else
// what stopped it.
void DecideStatus(ExifRead& read, ReadEnd end, std::optional<ReadProblem> problem) {
  switch (end) {
  case ReadEnd::NoFile:
    read.status = ExifStatus::NoFile;
    return;
  case ReadEnd::CannotOpen:
    read.status = ExifStatus::IllegalConstruction;
    return;
  case ReadEnd::Succeeded:
    read.status = ExifStatus::None;
    return;
  case ReadEnd::Failed:
    break;
  }
  if (!problem) problem = ReadProblem{ExifStatus::NotExif, {}};
  read.status = problem->status;
  read.statusDetail = std::move(problem->detail);
}

// Reads the format's way and decides the status.
void ReadSelected(ExifRead& read, FileFormat format, ByteStream& stream, ExifDetail detail,
                  size_t tiffWindow) {
  std::optional<ReadProblem> problem;
  bool succeeded = false;
  // The reader's one catch: a source that cannot deliver its bytes ends the
  // read as failed, and the status is what it would have been had the data
  // ended there. Every other way a read ends early is a result of the scan,
  // the TIFF read or the walk.
  try {
    if (format == FileFormat::Jpeg)
      succeeded = ScanJpegSegments(stream, read, detail, problem);
    else if (format == FileFormat::Tiff)
      succeeded = ReadTiffFile(stream, tiffWindow, read, detail, problem);
  } catch (const std::runtime_error&) {
    succeeded = false;
  }
  DecideStatus(read, succeeded ? ReadEnd::Succeeded : ReadEnd::Failed, std::move(problem));
}

} // namespace

FileFormat FormatFromExtension(std::string_view fileName) {
  const std::string extension = LoweredExtension(fileName);
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe" || extension == ".insp")
    return FileFormat::Jpeg;
  if (extension == ".tif" || extension == ".tiff" || extension == ".nef") return FileFormat::Tiff;
  return FileFormat::Unsupported;
}

std::string ErrorText(const ExifRead& read) {
  return std::string(ExifStatusText(read.status)) + read.statusDetail;
}

ExifRead ReadExifFile(const std::string& path, ExifDetail detail) {
  ExifRead read;
  const FileFormat format = FormatFromExtension(path);
  std::optional<FileSource> source =
      format == FileFormat::Unsupported ? std::nullopt : FileSource::Open(path);
  // One look at the file (this runs for every JPEG of a run): the open
  // file's own, else one by its name.
  const std::optional<FileFacts> facts = source ? FactsOf(source->SizeAndTime()) : LookUpFile(path);
  if (!facts) {
    DecideStatus(read, ReadEnd::NoFile, std::nullopt);
    return read;
  }
  read.fileName = path;
  read.fileDate = facts->localDate;
  read.fileSize = facts->size;
  if (!source) {
    DecideStatus(read, format == FileFormat::Unsupported ? ReadEnd::Failed : ReadEnd::CannotOpen,
                 std::nullopt);
    return read;
  }
  ByteStream stream(*source);
  ReadSelected(read, format, stream, detail, kTiffBufferSize);
  return read;
}

ExifRead ReadExifSource(ByteSource& source, std::string_view fileName, ExifDetail detail) {
  ByteStream stream(source);
  ExifRead read = ReadExifStream(stream, FormatFromExtension(fileName), detail);
  read.fileName = fileName;
  return read;
}

ExifRead ReadExifStream(ByteStream& stream, FileFormat format, ExifDetail detail,
                        size_t tiffWindow) {
  ExifRead read;
  ReadSelected(read, format, stream, detail, tiffWindow);
  return read;
}

ExifRead ReadExifBlock(std::string_view tiff, ExifDetail detail) {
  ExifRead read;
  // The form of an APP1 segment: a length word (not consulted) and the
  // "Exif" header in front of the TIFF bytes, so the segment's positions
  // and bounds apply unchanged.
  JpegSegment& segment = read.segments.emplace_back();
  segment.data.assign("\0\0Exif\0\0", 8);
  segment.data.append(tiff);
  segment.size = static_cast<int32_t>(std::min<size_t>(segment.data.size(), INT32_MAX));
  std::optional<ReadProblem> problem;
  const ExifSegmentResult result = WalkExifSegment(read, 0, detail, problem);
  DecideStatus(read, result == ExifSegmentResult::Walked ? ReadEnd::Succeeded : ReadEnd::Failed,
               std::move(problem));
  return read;
}

const Tag* ExifRead::FindTag(std::string_view name) const {
  const auto found = std::find_if(tags.begin(), tags.end(), [name](const Tag& tag) {
    return EqualIgnoringAsciiCase(tag.name, name);
  });
  return found == tags.end() ? nullptr : &*found;
}

std::string ExifRead::TagText(std::string_view name) const {
  const Tag* tag = FindTag(name);
  return tag == nullptr ? std::string() : tag->text;
}

double ExifRead::TagValue(std::string_view name) const {
  const Tag* tag = FindTag(name);
  return tag == nullptr ? 0 : NumericValue(order, tag->rawBytes, tag->valueType);
}

int32_t ExifRead::TagInteger(std::string_view name) const {
  return RoundToInt32(TagValue(name));
}
