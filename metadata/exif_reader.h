#pragma once
// ExifReader: the file-level entry of the metadata reader. It scans a JPEG
// file's marker segments (or reads the start of a TIFF file), keeps the
// segments it met, and hands the EXIF bytes to DirectoryWalker.

#include "metadata/byte_order.h"
#include "metadata/byte_stream.h"
#include "metadata/directory_walker.h"
#include "metadata/iptc.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Outcome texts left in ErrorText.
inline constexpr std::string_view kErrorNotExif = "Not an EXIF file";
inline constexpr std::string_view kErrorNone = "<none>";
inline constexpr std::string_view kErrorIllegalConstruction = "Illegal Exif construction";
inline constexpr std::string_view kErrorIncorrectHeader = "Incorrect Exif header";
inline constexpr std::string_view kErrorInvalidAlignment = "Invalid Exif alignment marker";
inline constexpr std::string_view kErrorIllegalDirectorySize = "Illegally sized directory";

// TIFF bytes kept outside a JPEG (a HEIF item, a PNG chunk) without the
// "Exif" header some writers copy from the JPEG segment.
inline std::string_view WithoutExifHeader(std::string_view bytes) {
  constexpr std::string_view kHeader("Exif\0\0", 6);
  return bytes.starts_with(kHeader) ? bytes.substr(kHeader.size()) : bytes;
}

// One stored JPEG segment.
struct JpegSegment {
  ByteString Data;    // the two length bytes, then the body; Size bytes
  int32_t Marker = 0; // the byte after FF (0xE1 for APP1, ...)
  int32_t Size = 0;   // the length word, which counts its own two bytes
};

// Which read a file name's extension selects.
enum class FileFormat { Jpeg, Tiff, Unsupported };
FileFormat FormatFromExtension(std::string_view fileName);

// How ProcessExifSegment ended. Refused: a renderer refused a value of IFD0,
// which ends the read (docs/metadata-reader.md).
enum class ExifSegmentResult { Walked, IncorrectHeader, InvalidAlignment, Refused };

class ExifReader : public ByteOrderBuffer {
public:
  static constexpr int kSlotCount = 21;
  static constexpr int kJpegSegmentLimit = 20;
  static constexpr size_t kTiffBufferSize = 256000;

  explicit ExifReader(int32_t option);
  ~ExifReader() = default;
  ExifReader(const ExifReader&) = delete;
  ExifReader& operator=(const ExifReader&) = delete;

  std::array<JpegSegment, kSlotCount> Sections; // slot n is Sections[n - 1]
  bool TiffSource = false;
  int32_t ReaderOption = 0;
  int32_t SectionCount = 0;
  JpegSegment* ExifSection = nullptr;
  JpegSegment* IptcSection = nullptr;
  JpegSegment* CommentSection = nullptr;
  JpegSegment* HeaderSection = nullptr;
  std::string FileName;
  double FileDate = 0; // local time, days since 1899-12-30 and fraction
  int64_t FileSize = 0;
  std::string ErrorText;
  std::unique_ptr<DirectoryWalker> Exif;
  std::unique_ptr<IptcData> Iptc;

  // Reads one file; the extension chooses the JPEG scan or the TIFF read.
  bool ReadFile(const std::string& fileName);
  // The same read from any byte source; fileName only supplies the extension
  // and FileName (no file-system access).
  bool ReadFromStream(ByteSource& source, std::string_view fileName);
  // The read the format names, whatever the name's extension, from the
  // stream's current position on (the start of the data). The TIFF read
  // takes tiffWindow bytes behind the header instead of kTiffBufferSize
  // when a caller needs only the directories near the start.
  bool ReadFromStream(ByteStream& stream, FileFormat format, std::string_view fileName,
                      size_t tiffWindow = kTiffBufferSize);
  // Walks TIFF-structured bytes held in memory (an Exif item of an image
  // container, say) as an EXIF segment holding them, kept in slot 1.
  ExifSegmentResult ReadExifBlock(std::string_view tiff);

  bool ScanJpeg(ByteStream& stream);
  bool ReadTiff(ByteStream& stream, size_t window = kTiffBufferSize);
  ExifSegmentResult ProcessExifSegment(JpegSegment& section);

  bool HasMetadata() const;
  bool HasExif() const;
  void Reset();

  // Slot n, 1-based.
  JpegSegment& Section(int n) { return Sections[static_cast<size_t>(n - 1)]; }

private:
  bool ReadSelected(FileFormat format, ByteStream& stream, size_t tiffWindow);
  bool ReadJpegSegment(ByteStream& stream, uint8_t marker, JpegSegment& slot);
  ExifSegmentResult TakeExifSegment(JpegSegment& slot);
  void CreateExif();
};
