#include "tests/kit/raw_builder.h"

namespace testkit {

std::string RawTiff(RawKind kind, const Ifd& ifd0, ByteOrder order) {
  switch (kind) {
  case RawKind::Cr2: {
    // IFD0 at 16; "CR", major and minor version at 8.
    std::string file = Tiff(ifd0, ByteOrder::Intel, 16);
    return file.replace(8, 4, std::string("CR\x02\x00", 4));
  }
  case RawKind::Rw2: {
    // Magic 0x55 instead of 42, IFD0 at 0x18.
    std::string file = Tiff(ifd0, ByteOrder::Intel, 0x18);
    return file.replace(2, 2, std::string("U\0", 2));
  }
  case RawKind::Orf: {
    // Magic "RO" in the file's byte order instead of 42.
    std::string file = Tiff(ifd0, order);
    return file.replace(2, 2, order == ByteOrder::Intel ? "RO" : "OR");
  }
  case RawKind::Dng:
  case RawKind::Nef:
  case RawKind::Arw:
  case RawKind::Pef:
    break;
  }
  return Tiff(ifd0, order);
}

Ifd DatedIfd0(const std::string& dateTimeOriginal, const std::string& dateTime) {
  Ifd exif{Undefined(0x9000, "0230")};
  if (!dateTimeOriginal.empty()) exif.Add(Ascii(0x9003, dateTimeOriginal));
  Ifd ifd0{Ascii(0x010F, "Testkamera")};
  if (!dateTime.empty()) ifd0.Add(Ascii(0x0132, dateTime));
  ifd0.Add(Pointer(0x8769, exif));
  return ifd0;
}

} // namespace testkit
