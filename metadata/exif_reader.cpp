#include "metadata/exif_reader.h"

#include "metadata/file_facts.h"
#include "platform/path_text.h"

#include <algorithm>
#include <stdexcept>

FileFormat FormatFromExtension(std::string_view fileName) {
  const std::string extension = LoweredExtension(fileName);
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe") return FileFormat::Jpeg;
  if (extension == ".tif" || extension == ".tiff" || extension == ".nef") return FileFormat::Tiff;
  return FileFormat::Unsupported;
}

ExifReader::ExifReader(int32_t option) : ReaderOption(option) {
  Reset();
}

void ExifReader::Reset() {
  // The slots keep their bytes; the next read overwrites them.
  SectionCount = 0;
  ExifSection = nullptr;
  IptcSection = nullptr;
  CommentSection = nullptr;
  HeaderSection = nullptr;
  FileName.clear();
  FileDate = 0;
  FileSize = 0;
  ErrorText.clear();
  Exif.reset();
  Iptc.reset();
  BigEndian = false;
}

bool ExifReader::HasMetadata() const {
  return ExifSection != nullptr || CommentSection != nullptr || IptcSection != nullptr;
}

bool ExifReader::HasExif() const {
  return ExifSection != nullptr;
}

void ExifReader::CreateExif() {
  Exif = std::make_unique<DirectoryWalker>(this, ReaderOption);
}

bool ExifReader::ReadFile(const std::string& fileName) {
  Reset();
  const FileFormat format = FormatFromExtension(fileName);
  std::optional<FileSource> source =
      format == FileFormat::Unsupported ? std::nullopt : FileSource::Open(fileName);
  // One look at the file (this runs for every JPEG of a run): the open
  // file's own, else one by its name.
  const std::optional<FileFacts> facts =
      source ? FactsOf(source->SizeAndTime()) : LookUpFile(fileName);
  if (!facts) return false;
  FileName = fileName;
  FileDate = facts->LocalDate;
  FileSize = facts->Size;
  ErrorText = kErrorNotExif;
  if (format == FileFormat::Unsupported) return false;
  if (!source) {
    ErrorText = kErrorIllegalConstruction;
    return false;
  }
  ByteStream stream(*source);
  return ReadSelected(format, stream, kTiffBufferSize);
}

bool ExifReader::ReadFromStream(ByteSource& source, std::string_view fileName) {
  ByteStream stream(source);
  return ReadFromStream(stream, FormatFromExtension(fileName), fileName);
}

bool ExifReader::ReadFromStream(ByteStream& stream, FileFormat format, std::string_view fileName,
                                size_t tiffWindow) {
  Reset();
  FileName = fileName;
  ErrorText = kErrorNotExif;
  if (format == FileFormat::Unsupported) return false;
  return ReadSelected(format, stream, tiffWindow);
}

bool ExifReader::ReadSelected(FileFormat format, ByteStream& stream, size_t tiffWindow) {
  TiffSource = format == FileFormat::Tiff;
  bool read;
  // The reader's one catch: a source that cannot deliver its bytes ends the
  // read as false, and ErrorText keeps the text it had. Every other way a
  // read ends early is a result of the scan, the TIFF read or the walk.
  try {
    read = format == FileFormat::Jpeg ? ScanJpeg(stream) : ReadTiff(stream, tiffWindow);
  } catch (const std::runtime_error&) {
    read = false;
  }
  TiffSource = false;
  if (read) ErrorText = kErrorNone;
  return read;
}

ExifSegmentResult ExifReader::ReadExifBlock(std::string_view tiff) {
  Reset();
  // The form of an APP1 segment: a length word (not consulted) and the
  // "Exif" header in front of the TIFF bytes, so ProcessExifSegment's
  // positions and bounds apply unchanged.
  JpegSegment& slot = Section(1);
  slot.Data.assign("\0\0Exif\0\0", 8);
  slot.Data.append(tiff);
  slot.Size = static_cast<int32_t>(std::min<size_t>(slot.Data.size(), INT32_MAX));
  slot.Marker = 0;
  SectionCount = 1;
  return TakeExifSegment(slot);
}
