#pragma once
// Builds ISO base media boxes in memory: movies with their header and a
// QuickTime key list, HEIF images with an Exif item, CR3 files with their
// metadata boxes, laid out as the published box structure has them.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testkit {

// A box: 32-bit size, four-character type, payload.
std::string IsoBox(std::string_view type, const std::string& payload);
// The same with the size word 1 and a 64-bit size behind the type.
std::string IsoLargeBox(std::string_view type, const std::string& payload);
// A box whose size word is 0: it reaches to the end of the data.
std::string IsoBoxToTheEnd(std::string_view type, const std::string& payload);
// Only the header of a box that holds payloadSize bytes, 64-bit when large:
// for files whose payload is written (or left sparse) separately.
std::string IsoBoxHeader(std::string_view type, uint64_t payloadSize, bool large);
// A full box: version, 24-bit flags, then payload.
std::string IsoFullBox(std::string_view type, uint8_t version, const std::string& payload);
// ftyp with a major brand and itself as the compatible brand.
std::string Ftyp(std::string_view brand);

// Seconds since 1904-01-01 00:00 UTC of a UTC calendar time, as movie
// headers count.
uint64_t MovieSeconds(int year, int month, int day, int hour, int minute, int second);
// mvhd of version 0 (32-bit times) or 1 (64-bit) with this creation time.
std::string Mvhd(uint64_t creation, uint8_t version = 0);

// How a meta box begins: QuickTime writes a plain box, ISO files a full box.
enum class MetaForm { QuickTime, Iso };
// meta holding a handler (mdta), the key list and the item list for these
// keys (namespace mdta) and UTF-8 values.
std::string KeyedMeta(const std::vector<std::pair<std::string, std::string>>& values,
                      MetaForm form);
// The key of the local creation date.
inline constexpr std::string_view kCreationDateKey = "com.apple.quicktime.creationdate";

// One entry of a Nikon NCTG tag list: tag, EXIF type, the value's bytes.
struct NikonTag {
  uint32_t tag;
  uint16_t type;
  std::string value;
};
// udta's NCTG box: each entry as tag (32 bits), type (16), count (16, in
// units of the type), value, big-endian.
std::string NikonTagBox(const std::vector<NikonTag>& tags);

// ftyp (qt), a small mdat, then moov with the given children.
std::string MovieFile(const std::string& moovChildren, std::string_view brand = "qt  ");

// Where a HEIF image keeps its Exif item: in the media data (offsets from
// the file's start) or in the meta box's item data (idat).
enum class ItemPlace { MediaData, ItemData };
// ftyp heic, meta (handler, item information with an image and the Exif
// item, item locations of version 1, item data), mdat. The Exif item holds
// the 4-byte offset of the TIFF header, "Exif\0\0" and the TIFF bytes.
std::string HeifWithExif(const std::string& tiff, ItemPlace place, std::string_view brand = "heic");

// ftyp heic, meta and mdat as HeifWithExif's (the Exif item, when tiff is
// not empty, in the item data), with an item of type mime and content type
// application/rdf+xml holding xmp behind the image in the media data.
std::string HeifWithXmp(const std::string& tiff, const std::string& xmp);

// ftyp crx, moov holding mvhd and Canon's metadata uuid box with CMT1 (the
// IFD0 TIFF bytes) and CMT2 (the EXIF directory's), then mdat.
std::string Cr3File(const std::string& ifd0Tiff, const std::string& exifTiff);

} // namespace testkit
