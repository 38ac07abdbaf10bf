#include "tests/kit/testkit.h"

namespace testkit {

std::string JpegWithExifDate(const std::string& dateTimeOriginal, bool bigEndian) {
  const ByteOrder order = bigEndian ? ByteOrder::Motorola : ByteOrder::Intel;
  Ifd exif{Undefined(0x9000, "0220")};
  Ifd ifd0{Ascii(0x010F, "Testkamera"), Ascii(0x0110, "TK-1")};
  if (!dateTimeOriginal.empty()) {
    exif.Add(Ascii(0x9003, dateTimeOriginal));
    ifd0.Add(Ascii(0x0132, dateTimeOriginal));
  }
  exif.Add(Short(0xA002, {640})).Add(Short(0xA003, {480}));
  ifd0.Add(Pointer(0x8769, exif));
  return Soi() + App0Jfif() + ExifApp1(Tiff(ifd0, order)) + ScanAndEnd();
}

std::string JpegWithoutExif() {
  return Soi() + App0Jfif() + Segment(kDqt, std::string(65, '\x01')) + ScanAndEnd();
}

} // namespace testkit
