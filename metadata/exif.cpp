#include "metadata/exif.h"

#include "metadata/file_facts.h"
#include "platform/ascii_case.h"

#include <algorithm>
#include <exception>

FileFormat FormatFromExtension(std::string_view fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t separator = fileName.find_last_of("/\\");
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
    return FileFormat::Unsupported;
  const std::string extension = AsciiLowered(fileName.substr(dot));
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe") return FileFormat::Jpeg;
  if (extension == ".tif" || extension == ".tiff" || extension == ".nef") return FileFormat::Tiff;
  return FileFormat::Unsupported;
}

TimgData::TimgData(int32_t option) : ReaderOption(option) {
  Reset();
}

void TimgData::Reset() {
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

bool TimgData::HasMetadata() const {
  return ExifSection != nullptr || CommentSection != nullptr || IptcSection != nullptr;
}

bool TimgData::HasExif() const {
  return ExifSection != nullptr;
}

void TimgData::CreateExif() {
  Exif = std::make_unique<TImageInfo>(this, ReaderOption);
}

bool TimgData::ReadFile(const std::string& fileName) {
  Reset();
  const std::optional<FileFacts> facts = LookUpFile(fileName);
  if (!facts) return false;
  FileName = fileName;
  FileDate = facts->LocalDate;
  FileSize = facts->Size;
  ErrorText = kErrorNotExif;
  const FileFormat format = FormatFromExtension(fileName);
  if (format == FileFormat::Unsupported) return false;
  try {
    FileSource source(fileName);
    return ReadSelected(format, source);
  } catch (const std::exception&) {
    ErrorText = kErrorIllegalConstruction;
    return false;
  }
}

bool TimgData::ReadFromStream(ByteSource& source, std::string_view fileName) {
  Reset();
  FileName = fileName;
  ErrorText = kErrorNotExif;
  const FileFormat format = FormatFromExtension(fileName);
  if (format == FileFormat::Unsupported) return false;
  try {
    return ReadSelected(format, source);
  } catch (const std::exception&) {
    ErrorText = kErrorIllegalConstruction;
    return false;
  }
}

bool TimgData::ReadSelected(FileFormat format, ByteSource& source) {
  ByteStream stream(source);
  bool read = false;
  // A fault inside the scan or the TIFF read (a renderer refusing a value in
  // IFD0, a read error) makes the read false; ErrorText keeps its text.
  if (format == FileFormat::Jpeg) {
    TiffSource = false;
    try {
      read = ScanJpeg(stream);
    } catch (const std::exception&) {
      read = false;
    }
  } else {
    TiffSource = true;
    try {
      read = ReadTiff(stream);
    } catch (const std::exception&) {
      read = false;
    }
    TiffSource = false;
  }
  if (read) ErrorText = kErrorNone;
  return read;
}
