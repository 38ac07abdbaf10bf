// Feeds arbitrary bytes to the JPEG scan or the TIFF read, and to the
// thumbnail finder (the whole file as a JPEG and as a TIFF block). The first
// byte chooses the read (bit 0) and the detail (bits 1-2); the rest is the
// file.

#include "metadata/exif_reader.h"
#include "metadata/exif_thumbnail.h"
#include "metadata/internal/rendering.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

volatile size_t sink;

void Touch(std::string_view text) {
  sink = sink + text.size();
}

void TouchEverything(const ExifRead& read) {
  sink = sink + static_cast<size_t>(read.HasMetadata()) + static_cast<size_t>(read.HasExif()) +
         read.segments.size();
  Touch(ErrorText(read));
  for (const JpegSegment& segment : read.segments)
    Touch(segment.data);
  const ExifFields& exif = read.exif;
  Touch(exif.dateTime);
  Touch(exif.make);
  Touch(exif.model);
  Touch(exif.version);
  Touch(exif.userComment);
  Touch(read.dump);
  Touch(read.makerNote.bytes);
  Touch(read.makerNote.dump);
  sink = sink + static_cast<size_t>(read.makerNote.recognised);
  sink = sink + static_cast<size_t>(exif.imageWidth) + static_cast<size_t>(exif.imageHeight);
  for (const Tag& record : read.iptc.Records())
    Touch(record.text);
  // The queries by name search the list from its start; asking for every
  // entry of a list of thousands would cost quadratic time in this harness
  // alone, so only the first entries are asked for by name.
  constexpr size_t kQueriedByName = 64;
  for (size_t i = 0; i < read.tags.size(); ++i) {
    const Tag& tag = read.tags[i];
    Touch(RenderValue(read.order, tag.rawBytes, tag.valueType, tag.valueList, tag.formatText));
    sink = sink + static_cast<size_t>(NumericValue(read.order, tag.rawBytes, tag.valueType) != 0);
    if (i >= kQueriedByName) continue;
    Touch(read.TagText(tag.name));
    sink = sink + static_cast<size_t>(read.TagInteger(tag.name));
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t selector = data[0];
  // An exactly sized copy, so that the sanitizers see the true end of the data.
  const size_t length = size - 1;
  std::unique_ptr<char[]> bytes(new char[length]);
  if (length > 0) std::memcpy(bytes.get(), data + 1, length);

  static constexpr ExifDetail kDetails[] = {ExifDetail::Everything, ExifDetail::Texts,
                                            ExifDetail::TagList, ExifDetail::Fields};
  MemorySource source(std::string_view(bytes.get(), length));
  TouchEverything(ReadExifSource(source, (selector & 1) != 0 ? "fuzz.tif" : "fuzz.jpg",
                                 kDetails[(selector >> 1) & 3]));

  const std::string_view file(bytes.get(), length);
  if (const auto thumbnail = ExifThumbnailIn(file)) Touch(*thumbnail);
  MemorySource again(file);
  if (const auto thumbnail = ReadExifThumbnail(again)) Touch(*thumbnail);
  return 0;
}
