// Feeds arbitrary bytes to the JPEG scan or the TIFF read, and to the
// thumbnail finder (the whole file as a JPEG and as a TIFF block). The first
// byte chooses the read (bit 0) and the reader option (bits 1-2); the rest is
// the file.

#include "metadata/exif.h"
#include "metadata/exif_thumbnail.h"

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

void TouchEverything(const TimgData& img) {
  sink = sink + static_cast<size_t>(img.HasMetadata()) + static_cast<size_t>(img.HasExif()) +
         static_cast<size_t>(img.SectionCount);
  Touch(img.ErrorText);
  for (int n = 1; n <= img.SectionCount; ++n)
    Touch(img.Sections[static_cast<size_t>(n - 1)].Data);
  if (!img.Exif) return;
  const TImageInfo& exif = *img.Exif;
  Touch(exif.DateTimeText);
  Touch(exif.MakeText);
  Touch(exif.ModelText);
  Touch(exif.ExifVersionText);
  Touch(exif.UserCommentText);
  Touch(exif.DumpText);
  Touch(exif.MakerNoteBytes);
  Touch(exif.MakerNoteDumpText);
  sink = sink + static_cast<size_t>(exif.MakerNoteResult);
  sink = sink + static_cast<size_t>(exif.ImageWidth) + static_cast<size_t>(exif.ImageHeight);
  // The queries by name search the list from its start; asking for every
  // entry of a list of thousands would cost quadratic time in this harness
  // alone, so only the first entries are asked for by name.
  constexpr size_t kQueriedByName = 64;
  for (size_t i = 0; i < exif.TagList.size(); ++i) {
    const TTagEntry& tag = exif.TagList[i];
    Touch(exif.RenderValue(tag.RawBytes, tag.ValueType, tag.ValueList, tag.FormatText));
    sink = sink + static_cast<size_t>(exif.NumericValue(tag.RawBytes, tag.ValueType) != 0);
    if (i >= kQueriedByName) continue;
    Touch(exif.TagText(tag.Name));
    sink = sink + static_cast<size_t>(exif.TagInteger(tag.Name));
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

  static constexpr int32_t kOptions[] = {ReaderEverything, ReaderTextsOnly, ReaderTagListOnly,
                                         ReaderEverything};
  TimgData img(kOptions[(selector >> 1) & 3]);
  MemorySource source(std::string_view(bytes.get(), length));
  img.ReadFromStream(source, (selector & 1) != 0 ? "fuzz.tif" : "fuzz.jpg");
  TouchEverything(img);

  const std::string_view file(bytes.get(), length);
  if (const auto thumbnail = ExifThumbnailIn(file)) Touch(*thumbnail);
  MemorySource again(file);
  if (const auto thumbnail = ReadExifThumbnail(again)) Touch(*thumbnail);
  return 0;
}
