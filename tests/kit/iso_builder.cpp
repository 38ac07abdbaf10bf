#include "tests/kit/iso_builder.h"

#include "tests/kit/tiff_builder.h"

#include <chrono>
#include <stdexcept>

namespace testkit {

namespace {

std::string Big32(uint32_t value) {
  return U32(value, ByteOrder::Motorola);
}

std::string Big64(uint64_t value) {
  return Big32(static_cast<uint32_t>(value >> 32)) + Big32(static_cast<uint32_t>(value));
}

std::string Type(std::string_view type) {
  if (type.size() != 4) throw std::invalid_argument("a box type has four characters");
  return std::string(type);
}

constexpr std::string_view kCanonMetadataUuid{
    "\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16};

} // namespace

std::string IsoBoxHeader(std::string_view type, uint64_t payloadSize, bool large) {
  if (large) return Big32(1) + Type(type) + Big64(payloadSize + 16);
  if (payloadSize + 8 > UINT32_MAX) throw std::invalid_argument("box too large for 32 bits");
  return Big32(static_cast<uint32_t>(payloadSize + 8)) + Type(type);
}

std::string IsoBox(std::string_view type, const std::string& payload) {
  return IsoBoxHeader(type, payload.size(), false) + payload;
}

std::string IsoLargeBox(std::string_view type, const std::string& payload) {
  return IsoBoxHeader(type, payload.size(), true) + payload;
}

std::string IsoBoxToTheEnd(std::string_view type, const std::string& payload) {
  return Big32(0) + Type(type) + payload;
}

std::string IsoFullBox(std::string_view type, uint8_t version, const std::string& payload) {
  return IsoBox(type, std::string(1, static_cast<char>(version)) + std::string(3, '\0') + payload);
}

std::string Ftyp(std::string_view brand) {
  return IsoBox("ftyp", Type(brand) + Big32(0) + Type(brand));
}

uint64_t MovieSeconds(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const sys_days epoch{std::chrono::year{1904} / January / 1};
  return static_cast<uint64_t>((date - epoch).count()) * 86400 +
         static_cast<uint64_t>(hour * 3600 + minute * 60 + second);
}

std::string NikonTagBox(const std::vector<NikonTag>& tags) {
  std::string payload;
  for (const NikonTag& entry : tags) {
    const size_t unit = entry.type == 3 ? 2 : entry.type == 4 ? 4 : 1;
    payload += Big32(entry.tag) + U16(entry.type, ByteOrder::Motorola) +
               U16(static_cast<uint16_t>(entry.value.size() / unit), ByteOrder::Motorola) +
               entry.value;
  }
  return IsoBox("NCTG", payload);
}

std::string Mvhd(uint64_t creation, uint8_t version) {
  // Creation and modification time, time scale, duration; rate, volume and
  // the rest of the header as zeros.
  const std::string times = version == 1 ? Big64(creation) + Big64(creation) + Big32(600) + Big64(0)
                                         : Big32(static_cast<uint32_t>(creation)) +
                                               Big32(static_cast<uint32_t>(creation)) + Big32(600) +
                                               Big32(0);
  return IsoFullBox("mvhd", version, times + std::string(80, '\0'));
}

std::string KeyedMeta(const std::vector<std::pair<std::string, std::string>>& values,
                      MetaForm form) {
  std::string keys = Big32(static_cast<uint32_t>(values.size()));
  std::string items;
  uint32_t index = 0;
  for (const auto& [key, value] : values) {
    keys += Big32(static_cast<uint32_t>(key.size() + 8)) + "mdta" + key;
    const std::string data = IsoBox("data", Big32(1) + Big32(0) + value);
    items += Big32(static_cast<uint32_t>(data.size() + 8)) + Big32(++index) + data;
  }
  const std::string handler =
      IsoFullBox("hdlr", 0, Big32(0) + "mdta" + std::string(12, '\0') + std::string(1, '\0'));
  const std::string children = handler + IsoFullBox("keys", 0, keys) + IsoBox("ilst", items);
  return form == MetaForm::Iso ? IsoFullBox("meta", 0, children) : IsoBox("meta", children);
}

std::string MovieFile(const std::string& moovChildren, std::string_view brand) {
  return Ftyp(brand) + IsoBox("mdat", std::string(64, '\x5A')) + IsoBox("moov", moovChildren);
}

std::string HeifWithExif(const std::string& tiff, ItemPlace place, std::string_view brand) {
  const std::string exifItem = Big32(6) + std::string("Exif\0\0", 6) + tiff;
  const std::string image(32, '\x11');
  const auto infe = [](uint16_t id, std::string_view type) {
    return IsoFullBox("infe", 2,
                      U16(id, ByteOrder::Motorola) + U16(0, ByteOrder::Motorola) + Type(type) +
                          std::string(1, '\0'));
  };
  const std::string information =
      IsoFullBox("iinf", 0, U16(2, ByteOrder::Motorola) + infe(1, "hvc1") + infe(2, "Exif"));
  const std::string handler = IsoFullBox("hdlr", 0, Big32(0) + "pict" + std::string(13, '\0'));
  const std::string itemData = IsoBox("idat", exifItem);
  // iloc version 1: offsets and lengths of 4 bytes, no base offset; item
  // entries of id, construction method, data reference, base, extents.
  const auto locations = [&](uint32_t imageOffset, uint32_t exifOffset) {
    const uint16_t exifMethod = place == ItemPlace::ItemData ? 1 : 0;
    std::string body = std::string("\x44\x00", 2) + U16(2, ByteOrder::Motorola);
    body += U16(1, ByteOrder::Motorola) + U16(0, ByteOrder::Motorola) +
            U16(0, ByteOrder::Motorola) + U16(1, ByteOrder::Motorola) + Big32(imageOffset) +
            Big32(static_cast<uint32_t>(image.size()));
    body += U16(2, ByteOrder::Motorola) + U16(exifMethod, ByteOrder::Motorola) +
            U16(0, ByteOrder::Motorola) + U16(1, ByteOrder::Motorola) + Big32(exifOffset) +
            Big32(static_cast<uint32_t>(exifItem.size()));
    return IsoFullBox("iloc", 1, body);
  };
  // The offsets depend on the meta box's size, which does not depend on them.
  const auto meta = [&](uint32_t imageOffset, uint32_t exifOffset) {
    return IsoFullBox("meta", 0,
                      handler + information + locations(imageOffset, exifOffset) + itemData);
  };
  const std::string head = Ftyp(brand);
  const uint32_t mediaStart = static_cast<uint32_t>(head.size() + meta(0, 0).size() + 8);
  const uint32_t exifOffset =
      place == ItemPlace::ItemData ? 0 : mediaStart + static_cast<uint32_t>(image.size());
  return head + meta(mediaStart, exifOffset) +
         IsoBox("mdat", image + (place == ItemPlace::MediaData ? exifItem : std::string()));
}

std::string HeifWithXmp(const std::string& tiff, const std::string& xmp) {
  const std::string exifItem = Big32(6) + std::string("Exif\0\0", 6) + tiff;
  const std::string image(32, '\x11');
  const auto infe = [](uint16_t id, std::string_view type, const std::string& fields) {
    return IsoFullBox("infe", 2,
                      U16(id, ByteOrder::Motorola) + U16(0, ByteOrder::Motorola) + Type(type) +
                          std::string(1, '\0') + fields);
  };
  const bool withExif = !tiff.empty();
  std::string entries = infe(1, "hvc1", "");
  if (withExif) entries += infe(2, "Exif", "");
  entries += infe(3, "mime", std::string("application/rdf+xml\0", 20));
  const std::string information =
      IsoFullBox("iinf", 0, U16(withExif ? 3 : 2, ByteOrder::Motorola) + entries);
  const std::string handler = IsoFullBox("hdlr", 0, Big32(0) + "pict" + std::string(13, '\0'));
  const auto location = [](uint16_t id, uint16_t method, uint32_t offset, size_t length) {
    return U16(id, ByteOrder::Motorola) + U16(method, ByteOrder::Motorola) +
           U16(0, ByteOrder::Motorola) + U16(1, ByteOrder::Motorola) + Big32(offset) +
           Big32(static_cast<uint32_t>(length));
  };
  const auto meta = [&](uint32_t imageOffset) {
    std::string body = std::string("\x44\x00", 2) + U16(withExif ? 3 : 2, ByteOrder::Motorola) +
                       location(1, 0, imageOffset, image.size());
    if (withExif) body += location(2, 1, 0, exifItem.size());
    body += location(3, 0, imageOffset + static_cast<uint32_t>(image.size()), xmp.size());
    return IsoFullBox("meta", 0,
                      handler + information + IsoFullBox("iloc", 1, body) +
                          (withExif ? IsoBox("idat", exifItem) : std::string()));
  };
  const std::string head = Ftyp("heic");
  const uint32_t mediaStart = static_cast<uint32_t>(head.size() + meta(0).size() + 8);
  return head + meta(mediaStart) + IsoBox("mdat", image + xmp);
}

std::string Cr3File(const std::string& ifd0Tiff, const std::string& exifTiff) {
  const std::string canon = IsoBox("CNCV", "CanonCR3_001/00.09.00/00.00.00") +
                            IsoBox("CMT1", ifd0Tiff) + IsoBox("CMT2", exifTiff) +
                            IsoBox("CMT3", std::string(16, '\0'));
  const std::string moov = IsoBox("uuid", std::string(kCanonMetadataUuid) + canon) + Mvhd(0);
  return Ftyp("crx ") + IsoBox("moov", moov) + IsoBox("mdat", std::string(64, '\x33'));
}

} // namespace testkit
