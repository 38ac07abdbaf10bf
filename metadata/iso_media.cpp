#include "metadata/internal/iso_media.h"

#include "metadata/internal/byte_cursor.h"
#include "metadata/xmp_date.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

namespace {

constexpr uint32_t FourCc(std::string_view code) {
  uint32_t value = 0;
  for (char c : code)
    value = (value << 8) | static_cast<uint8_t>(c);
  return value;
}

constexpr uint32_t kFtyp = FourCc("ftyp");
constexpr uint32_t kMoov = FourCc("moov");
constexpr uint32_t kMvhd = FourCc("mvhd");
constexpr uint32_t kUdta = FourCc("udta");
constexpr uint32_t kMeta = FourCc("meta");
constexpr uint32_t kKeys = FourCc("keys");
constexpr uint32_t kIlst = FourCc("ilst");
constexpr uint32_t kData = FourCc("data");
constexpr uint32_t kMdta = FourCc("mdta");
constexpr uint32_t kIinf = FourCc("iinf");
constexpr uint32_t kInfe = FourCc("infe");
constexpr uint32_t kIloc = FourCc("iloc");
constexpr uint32_t kIdat = FourCc("idat");
constexpr uint32_t kExif = FourCc("Exif");
constexpr uint32_t kMime = FourCc("mime");
constexpr std::string_view kXmpContentType = "application/rdf+xml";
constexpr uint32_t kUuid = FourCc("uuid");
constexpr uint32_t kCmt1 = FourCc("CMT1");
constexpr uint32_t kCmt2 = FourCc("CMT2");
// The user-data boxes only GoPro cameras write.
constexpr std::array<uint32_t, 3> kGoProUserData = {FourCc("GoPr"), FourCc("FIRM"), FourCc("GPMF")};

constexpr uint32_t kFirm = FourCc("FIRM");
// Nikon's tag list in a clip's user data; its entries are numbered like
// EXIF tags but laid out as tag (32 bits), type (16), count (16), value.
constexpr uint32_t kNctg = FourCc("NCTG");
constexpr uint32_t kNikonCreateDate = 0x11;
constexpr uint32_t kNikonDateTimeOriginal = 0x12;
constexpr uint16_t kNikonAsciiType = 2;
// A Nikon tag list holds some forty entries in a few KiB.
constexpr size_t kMaxNikonTagBytes = 64 * 1024;

// The bytes one value of an EXIF type takes; 0 for a type that is none.
constexpr size_t ExifTypeSize(uint16_t type) {
  switch (type) {
  case 1:
  case 2:
  case 6:
  case 7:
    return 1;
  case 3:
  case 8:
    return 2;
  case 4:
  case 9:
  case 11:
    return 4;
  case 5:
  case 10:
  case 12:
    return 8;
  default:
    return 0;
  }
}

// The boxes a file of this family may start with: ftyp, and for QuickTime
// files written before it existed their usual first boxes.
constexpr std::array<uint32_t, 7> kFileStartBoxes = {
    kFtyp, kMoov, FourCc("mdat"), FourCc("free"), FourCc("skip"), FourCc("wide"), FourCc("pnot")};

// Canon's metadata box in CR3 files, which holds the CMT boxes.
constexpr std::string_view kCanonMetadataUuid{
    "\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16};
constexpr std::string_view kCreationDateKey = "com.apple.quicktime.creationdate";
// The well-known type of a UTF-8 text value in an item list.
constexpr uint32_t kUtf8Value = 1;

// Real files hold a handful of boxes at the top (ftyp, moov, mdat, free, a
// few uuid boxes); each further one can cost a read.
constexpr int kMaxTopLevelBoxes = 64;
// Box headers read in one walk at any depth; real files need well under a
// hundred, since the walk enters only the boxes it asks. Each header may
// cost a buffer's read, so this also bounds what a hostile file makes the
// walk read (256 times 32 KiB).
constexpr int kMaxBoxesPerRead = 256;
// The deepest box the walk enters is moov/udta/meta/ilst/item/data (6).
constexpr int kMaxDepth = 8;
// Item information, item locations and the key list are read whole up to
// this size; a phone's image with a hundred items needs a few KiB.
constexpr size_t kMaxListBoxBytes = 64 * 1024;
// Entries looked at per list, extents kept per item.
constexpr uint32_t kMaxListEntries = 4096;
constexpr size_t kMaxExtents = 64;
// A date text has some 25 characters; a longer value is cut.
constexpr size_t kMaxDateValueBytes = 64;
// The end of a box whose size says "to the end of the data".
constexpr uint64_t kToTheEnd = std::numeric_limits<uint64_t>::max();

uint64_t SaturatingAdd(uint64_t a, uint64_t b) {
  return a > kToTheEnd - b ? kToTheEnd : a + b;
}

struct Box {
  uint32_t type = 0;
  uint64_t payload = 0; // the first byte behind the header
  uint64_t end = 0;     // the first byte behind the box
  std::string uuid;     // the extended type of a uuid box
};

struct Extent {
  uint64_t offset = 0;
  uint64_t length = 0; // 0: to the end of the data the extent lies in
};

bool IsValidFieldSize(size_t size) {
  return size == 0 || size == 4 || size == 8;
}

class IsoWalk {
public:
  IsoWalk(ByteStream& stream, IsoItems items) : stream_(stream), items_(items) {}

  std::optional<IsoMediaDates> Run() {
    std::optional<Box> box = ReadBox(0, kToTheEnd);
    if (!box || std::find(kFileStartBoxes.begin(), kFileStartBoxes.end(), box->type) ==
                    kFileStartBoxes.end())
      return std::nullopt;
    for (int count = 0; box && count < kMaxTopLevelBoxes; ++count) {
      if (box->type == kMoov) {
        Movie(*box, 1);
        break; // all a movie says of its time is inside moov
      }
      if (box->type == kMeta) {
        ImageMeta(*box, 1);
        if (!found_.exifBlocks.empty()) break;
      }
      if (box->end == kToTheEnd) break;
      box = ReadBox(box->end, kToTheEnd);
    }
    return found_;
  }

private:
  // The box starting at at, cut at its parent's end; nothing when the data
  // ends, the header is malformed or the walk has read its share of boxes.
  std::optional<Box> ReadBox(uint64_t at, uint64_t parentEnd) {
    if (boxesLeft_ <= 0 || at >= parentEnd) return std::nullopt;
    --boxesLeft_;
    // Size, type, 64-bit size and extended type: at most 32 bytes.
    stream_.ReadAt(at, 32, head_);
    ByteCursor header(head_);
    const uint32_t size32 = header.U32();
    Box box;
    box.type = header.U32();
    uint64_t size = size32;
    if (size32 == 1) size = header.U64();
    if (box.type == kUuid) box.uuid = header.Take(16);
    if (!header.Ok()) return std::nullopt;
    box.payload = SaturatingAdd(at, header.Position());
    // Size 0: the box reaches to the end of its parent (for a top-level box,
    // of the data). A box reaching past its parent is cut at the parent's end.
    if (size32 == 0) {
      box.end = parentEnd;
    } else {
      if (size < header.Position()) return std::nullopt;
      box.end = std::min(SaturatingAdd(at, size), parentEnd);
    }
    if (box.payload > box.end) return std::nullopt;
    return box;
  }

  template <typename Visit> void ForEachChild(uint64_t from, uint64_t end, int depth, Visit visit) {
    if (depth > kMaxDepth) return;
    for (uint64_t at = from; at < end;) {
      const std::optional<Box> box = ReadBox(at, end);
      if (!box) return;
      visit(*box);
      at = box->end;
    }
  }

  // The box's payload, at most limit bytes of it.
  std::string Payload(const Box& box, size_t limit) {
    std::string bytes;
    stream_.ReadAt(box.payload,
                   static_cast<size_t>(std::min<uint64_t>(box.end - box.payload, limit)), bytes);
    return bytes;
  }

  void Movie(const Box& moov, int depth) {
    ForEachChild(moov.payload, moov.end, depth + 1, [&](const Box& child) {
      if (child.type == kMvhd) {
        MovieHeader(child);
      } else if (child.type == kMeta) {
        QuickTimeMeta(child, depth + 1);
      } else if (child.type == kUdta) {
        ForEachChild(child.payload, child.end, depth + 2, [&](const Box& userData) {
          if (userData.type == kMeta) QuickTimeMeta(userData, depth + 2);
          if (userData.type == kFirm && found_.goProFirmware.empty())
            found_.goProFirmware = Payload(userData, kMaxFirmwareBytes);
          if (userData.type == kNctg && found_.nikonDate.empty()) NikonTags(userData);
          if (std::find(kGoProUserData.begin(), kGoProUserData.end(), userData.type) !=
              kGoProUserData.end())
            found_.goProUserData = true;
        });
      } else if (child.type == kUuid && child.uuid == kCanonMetadataUuid) {
        CanonMetadata(child, depth + 1);
      }
    });
  }

  // The CreateDate of the tag list, else its DateTimeOriginal.
  void NikonTags(const Box& nctg) {
    const std::string bytes = Payload(nctg, kMaxNikonTagBytes);
    ByteCursor entries(bytes);
    std::string original;
    while (entries.Remaining() > 0) {
      const uint32_t tag = entries.U32();
      const uint16_t type = entries.U16();
      const uint16_t count = entries.U16();
      const std::string_view value = entries.Take(ExifTypeSize(type) * count);
      if (!entries.Ok() || ExifTypeSize(type) == 0) break;
      if (type != kNikonAsciiType) continue;
      const std::string_view text = value.substr(0, std::min(value.size(), kMaxDateValueBytes));
      if (tag == kNikonCreateDate) {
        found_.nikonDate = text;
        return;
      }
      if (tag == kNikonDateTimeOriginal && original.empty()) original = text;
    }
    found_.nikonDate = original;
  }

  void MovieHeader(const Box& mvhd) {
    if (found_.movieHeaderCreation) return;
    const std::string bytes = Payload(mvhd, 12);
    ByteCursor fields(bytes);
    const uint8_t version = fields.U8();
    fields.Skip(3); // flags
    const uint64_t creation = version == 1 ? fields.U64() : fields.U32();
    if (fields.Ok()) found_.movieHeaderCreation = creation;
  }

  // A key list (keys) and the item list (ilst) whose items are numbered by it.
  void QuickTimeMeta(const Box& meta, int depth) {
    if (!found_.quickTimeCreationDate.empty()) return;
    // QuickTime writes meta as a plain box, the ISO form is a full box with
    // version and flags first; the handler box comes first either way.
    const std::string head = Payload(meta, 12);
    const std::string_view start = head;
    const bool fullBox = start.substr(std::min<size_t>(4, start.size()), 4) != "hdlr" &&
                         (start.substr(std::min<size_t>(8, start.size()), 4) == "hdlr" ||
                          start.substr(0, 4) == std::string_view("\0\0\0\0", 4));
    std::optional<Box> keys;
    std::optional<Box> items;
    ForEachChild(SaturatingAdd(meta.payload, fullBox ? 4 : 0), meta.end, depth + 1,
                 [&](const Box& child) {
                   if (child.type == kKeys && !keys) keys = child;
                   if (child.type == kIlst && !items) items = child;
                 });
    if (!keys || !items) return;
    const std::optional<uint32_t> index = CreationDateKeyIndex(*keys);
    if (!index) return;
    ForEachChild(items->payload, items->end, depth + 2, [&](const Box& item) {
      if (item.type != *index) return;
      ForEachChild(item.payload, item.end, depth + 3, [&](const Box& data) {
        if (data.type != kData || !found_.quickTimeCreationDate.empty()) return;
        const std::string value = Payload(data, 8 + kMaxDateValueBytes);
        ByteCursor fields(value);
        const uint32_t type = fields.U32();
        fields.Skip(4); // locale
        if (fields.Ok() && type == kUtf8Value)
          found_.quickTimeCreationDate = fields.Take(fields.Remaining());
      });
    });
  }

  // The 1-based number of the creation date's key, which names its item.
  std::optional<uint32_t> CreationDateKeyIndex(const Box& keys) {
    const std::string bytes = Payload(keys, kMaxListBoxBytes);
    ByteCursor list(bytes);
    list.Skip(4); // version, flags
    const uint32_t count = list.U32();
    for (uint32_t index = 1; index <= count && index <= kMaxListEntries; ++index) {
      const uint32_t size = list.U32();
      const uint32_t keyNamespace = list.U32();
      if (!list.Ok() || size < 8) return std::nullopt;
      const std::string_view name = list.Take(size - 8);
      if (!list.Ok()) return std::nullopt;
      if (keyNamespace == kMdta && name == kCreationDateKey) return index;
    }
    return std::nullopt;
  }

  // The Exif item of a HEIF or AVIF image: its number from the item
  // information (iinf), its bytes where the item locations (iloc) put them.
  void ImageMeta(const Box& meta, int depth) {
    std::optional<Box> information;
    std::optional<Box> locations;
    std::optional<Box> itemData;
    ForEachChild(SaturatingAdd(meta.payload, 4), meta.end, depth + 1, [&](const Box& child) {
      if (child.type == kIinf && !information) information = child;
      if (child.type == kIloc && !locations) locations = child;
      if (child.type == kIdat && !itemData) itemData = child;
    });
    if (!information || !locations) return;
    const ImageItems items = FindItems(*information);
    if (items.xmp && items_ == IsoItems::ExifAndXmp) {
      std::string packet = ItemBytes(*locations, *items.xmp, itemData, kMaxXmpBytes + 1);
      if (packet.size() <= kMaxXmpBytes) found_.xmpPacket = std::move(packet);
    }
    if (!items.exif) return;
    const std::string bytes = ItemBytes(*locations, *items.exif, itemData, kMaxExifBlockBytes);
    // The item starts with the offset of the TIFF header, counted from
    // behind these four bytes; an "Exif" header may stand in between.
    ByteCursor fields(bytes);
    fields.Skip(fields.U32());
    const std::string_view tiff = WithoutExifHeader(fields.Take(fields.Remaining()));
    if (fields.Ok() && !tiff.empty()) found_.exifBlocks.emplace_back(tiff);
  }

  struct ImageItems {
    std::optional<uint32_t> exif;
    std::optional<uint32_t> xmp;
  };

  // The numbers of the first Exif item and the first XMP item.
  ImageItems FindItems(const Box& information) {
    ImageItems items;
    const std::string bytes = Payload(information, kMaxListBoxBytes);
    ByteCursor list(bytes);
    const uint8_t version = list.U8();
    list.Skip(3);
    const uint32_t count = version == 0 ? list.U16() : list.U32();
    for (uint32_t i = 0; i < count && i < kMaxListEntries && list.Ok(); ++i) {
      const size_t start = list.Position();
      const uint32_t size = list.U32();
      const uint32_t type = list.U32();
      if (!list.Ok() || size < 8) return items;
      const uint64_t entryEnd = uint64_t{start} + size;
      // Only item information of version 2 and later names the item's type.
      const uint8_t entryVersion = list.U8();
      list.Skip(3);
      if (type == kInfe && entryVersion >= 2) {
        const uint32_t id = entryVersion == 2 ? list.U16() : list.U32();
        list.Skip(2); // protection index
        const uint32_t itemType = list.U32();
        if (list.Ok() && itemType == kExif && !items.exif) items.exif = id;
        if (list.Ok() && itemType == kMime && !items.xmp && entryEnd <= bytes.size() &&
            entryEnd >= list.Position() &&
            IsXmpContentType(
                std::string_view(bytes).substr(list.Position(), entryEnd - list.Position())))
          items.xmp = id;
        if (items.exif && (items.xmp || items_ == IsoItems::Exif)) return items;
      }
      list.MoveTo(entryEnd);
    }
    return items;
  }

  // A mime item's fields behind its type: its name and its content type,
  // each ended by a NUL.
  static bool IsXmpContentType(std::string_view fields) {
    const size_t nameEnd = fields.find('\0');
    if (nameEnd == std::string_view::npos) return false;
    const std::string_view type = fields.substr(nameEnd + 1);
    return type.substr(0, type.find('\0')) == kXmpContentType;
  }

  // At most limit bytes of the item.
  std::string ItemBytes(const Box& locations, uint32_t item, const std::optional<Box>& itemData,
                        size_t limit) {
    const std::string bytes = Payload(locations, kMaxListBoxBytes);
    ByteCursor list(bytes);
    const uint8_t version = list.U8();
    list.Skip(3);
    const uint8_t sizes = list.U8();
    const uint8_t moreSizes = list.U8();
    const size_t offsetSize = sizes >> 4;
    const size_t lengthSize = sizes & 0x0F;
    const size_t baseSize = moreSizes >> 4;
    const size_t indexSize = version >= 1 ? moreSizes & 0x0F : 0;
    if (!IsValidFieldSize(offsetSize) || !IsValidFieldSize(lengthSize) ||
        !IsValidFieldSize(baseSize) || !IsValidFieldSize(indexSize))
      return {};
    const uint32_t count = version < 2 ? list.U16() : list.U32();
    for (uint32_t i = 0; i < count && i < kMaxListEntries && list.Ok(); ++i) {
      const uint32_t id = version < 2 ? list.U16() : list.U32();
      const int method = version >= 1 ? list.U16() & 0x0F : 0;
      list.Skip(2); // data reference index: the file itself
      const uint64_t base = list.Number(baseSize);
      const uint16_t extentCount = list.U16();
      std::vector<Extent> extents;
      for (uint16_t e = 0; e < extentCount && list.Ok(); ++e) {
        list.Number(indexSize);
        const uint64_t offset = list.Number(offsetSize);
        const uint64_t length = list.Number(lengthSize);
        if (id == item && extents.size() < kMaxExtents) extents.push_back({offset, length});
      }
      if (list.Ok() && id == item) return ExtentBytes(method, base, extents, itemData, limit);
    }
    return {};
  }

  // Method 0 counts offsets from the start of the file, method 1 from the
  // start of the item data box; items built from other items are not read.
  std::string ExtentBytes(int method, uint64_t base, const std::vector<Extent>& extents,
                          const std::optional<Box>& itemData, size_t limit) {
    if (method != 0 && (method != 1 || !itemData)) return {};
    const uint64_t origin = method == 0 ? 0 : itemData->payload;
    const uint64_t end = method == 0 ? kToTheEnd : itemData->end;
    std::string bytes;
    std::string piece;
    for (const Extent& extent : extents) {
      const uint64_t at = SaturatingAdd(SaturatingAdd(origin, base), extent.offset);
      if (at >= end || bytes.size() >= limit) break;
      const uint64_t length = std::min({extent.length == 0 ? end - at : extent.length, end - at,
                                        uint64_t{limit - bytes.size()}});
      stream_.ReadAt(at, static_cast<size_t>(length), piece);
      bytes += piece;
    }
    return bytes;
  }

  void CanonMetadata(const Box& uuid, int depth) {
    std::string ifd0;
    std::string exif;
    ForEachChild(uuid.payload, uuid.end, depth + 1, [&](const Box& child) {
      if (child.type == kCmt1 && ifd0.empty()) ifd0 = Payload(child, kMaxExifBlockBytes);
      if (child.type == kCmt2 && exif.empty()) exif = Payload(child, kMaxExifBlockBytes);
    });
    for (std::string* block : {&exif, &ifd0})
      if (!block->empty()) found_.exifBlocks.push_back(std::move(*block));
  }

  ByteStream& stream_;
  IsoItems items_;
  int boxesLeft_ = kMaxBoxesPerRead;
  std::string head_;
  IsoMediaDates found_;
};

} // namespace

std::optional<IsoMediaDates> ReadIsoMediaDates(ByteStream& stream, IsoItems items) {
  return IsoWalk(stream, items).Run();
}
