#pragma once
// The EXIF reader's one entry: a read of a JPEG or TIFF file (or of bytes
// from any source) gives one value, ExifRead, holding what the read found
// and a typed status. The read keeps no state between calls, so files may be
// read on several threads at once.

#include "metadata/byte_order.h"
#include "metadata/byte_stream.h"
#include "metadata/byte_string.h"
#include "metadata/iptc.h"
#include "metadata/tag.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a read ended, one value per text the reader reports; ExifStatusText
// gives the text. Where several apply, the read's last event decides (a
// successful read always reports None).
enum class ExifStatus {
  None,                 // the read succeeded
  NotExif,              // no metadata found, or a format the reader does not read
  IllegalConstruction,  // the file exists but cannot be opened
  IncorrectHeader,      // an APP1 segment without the "Exif" header
  InvalidAlignment,     // the EXIF data has no byte-order mark
  IllegalDirectorySize, // a directory's entry count runs past the data
  ErrorDetected,        // a maker note ended early; ExifRead::statusDetail says why
  NoFile,               // no file of that name
};

inline constexpr std::array<std::string_view, 8> kExifStatusTexts = {
    "<none>",
    "Not an EXIF file",
    "Illegal Exif construction",
    "Incorrect Exif header",
    "Invalid Exif alignment marker",
    "Illegally sized directory",
    "Error Detected = ",
    "",
};
static_assert(kExifStatusTexts.size() == static_cast<size_t>(ExifStatus::NoFile) + 1);

constexpr std::string_view ExifStatusText(ExifStatus status) {
  return kExifStatusTexts[static_cast<size_t>(status)];
}

// What a walk produces.
enum class ExifDetail {
  Texts,      // value texts, dump and named text fields
  TagList,    // the tag list without texts (width and height, being numbers, are filled)
  Everything, // both, and the maker note's entries
  Fields,     // the named text fields alone: what a run needs of every file, without
              // the dump and the list (the same values, read at a fraction of the cost)
};

// Which read a file name's extension selects.
enum class FileFormat { Jpeg, Tiff, Unsupported };
FileFormat FormatFromExtension(std::string_view fileName);

// TIFF bytes kept outside a JPEG (a HEIF item, a PNG chunk) without the
// "Exif" header some writers copy from the JPEG segment.
inline std::string_view WithoutExifHeader(std::string_view bytes) {
  constexpr std::string_view kHeader("Exif\0\0", 6);
  return bytes.starts_with(kHeader) ? bytes.substr(kHeader.size()) : bytes;
}

// One stored JPEG segment; a TIFF file's buffer is kept as one as well.
struct JpegSegment {
  ByteString data;    // the two length bytes, then the body; Size bytes
  int32_t marker = 0; // the byte after FF (0xE1 for APP1, ...); 0 for TIFF data
  int32_t size = 0;   // the length word, which counts its own two bytes
};

// The named fields the walk fills.
struct ExifFields {
  std::string version;          // at most 6 bytes
  std::string make;             // at most 32
  std::string model;            // at most 40
  std::string dateTime;         // at most 20: DateTime or DateTimeOriginal, the one met last
  std::string dateTimeOriginal; // at most 20: DateTimeOriginal (0x9003) alone
  std::string dateTimeTag;      // at most 20: DateTime (0x0132) alone
  std::string userComment;
  int32_t imageWidth = 0;
  int32_t imageHeight = 0;
};

struct MakerNoteRead {
  bool recognised = false; // the make is one of the eight known makers
  std::string dump;        // every entry of the note's directory
  ByteString bytes;
  int32_t offset = 0; // 0-based, in the EXIF bytes
};

struct ExifRead {
  ExifStatus status = ExifStatus::NoFile;
  std::string statusDetail; // behind ErrorDetected's text

  std::string fileName;
  double fileDate = 0; // local time, days since 1899-12-30 and fraction
  int64_t fileSize = 0;

  std::vector<JpegSegment> segments;
  std::optional<size_t> exifSegment; // indices into Segments
  std::optional<size_t> iptcSegment;
  std::optional<size_t> commentSegment;
  std::optional<size_t> headerSegment;

  Endianness order = Endianness::Little; // of the EXIF data
  ExifFields exif;
  std::vector<Tag> tags;
  std::string dump;
  MakerNoteRead makerNote;
  IptcData iptc; // the first APP13 segment's datasets
  // The XMP packet of a JPEG's first APP1 segment that holds one, without
  // its namespace header; empty when there is none. The scan reads the
  // segment anyway, so the dates in it cost no second read.
  std::string xmpPacket;

  bool Succeeded() const { return status == ExifStatus::None; }
  bool HasMetadata() const {
    return exifSegment.has_value() || commentSegment.has_value() || iptcSegment.has_value();
  }
  bool HasExif() const { return exifSegment.has_value(); }

  // Queries by tag name, ignoring case; the first match wins.
  const Tag* FindTag(std::string_view name) const;
  std::string TagText(std::string_view name) const;
  double TagValue(std::string_view name) const;
  int32_t TagInteger(std::string_view name) const;
};

// The status text: ExifStatusText and, for ErrorDetected, the detail.
std::string ErrorText(const ExifRead& read);

// The TIFF read takes the 8 header bytes and this many bytes behind them.
inline constexpr size_t kTiffBufferSize = 256000;

// Reads one file; the extension chooses the JPEG scan or the TIFF read.
ExifRead ReadExifFile(const std::string& path, ExifDetail detail);
// The same read from any byte source; fileName only supplies the extension
// and FileName (no file-system access).
ExifRead ReadExifSource(ByteSource& source, std::string_view fileName, ExifDetail detail);
// The read the format names from the stream's current position on. The
// TIFF read takes tiffWindow bytes behind the header instead of
// kTiffBufferSize when a caller needs only the directories near the start.
ExifRead ReadExifStream(ByteStream& stream, FileFormat format, ExifDetail detail,
                        size_t tiffWindow = kTiffBufferSize);
// Walks TIFF-structured bytes held in memory (an Exif item of an image
// container, say) as the body of an EXIF segment, kept as segment 0.
ExifRead ReadExifBlock(std::string_view tiff, ExifDetail detail);
