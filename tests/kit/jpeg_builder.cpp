#include "tests/kit/jpeg_builder.h"

#include "tests/kit/tiff_builder.h"

#include <stdexcept>

namespace testkit {

std::string Soi() {
  return "\xFF\xD8";
}
std::string Eoi() {
  return "\xFF\xD9";
}

std::string SegmentHead(uint8_t marker, uint16_t lengthWord) {
  return std::string(1, '\xFF') + static_cast<char>(marker) + BigU16(lengthWord);
}

std::string Segment(uint8_t marker, const std::string& body) {
  if (body.size() > 0xFFFF - 2) throw std::invalid_argument("segment body too long");
  return SegmentHead(marker, static_cast<uint16_t>(body.size() + 2)) + body;
}

std::string ExifApp1(const std::string& tiff) {
  return Segment(kApp1, std::string("Exif\0\0", 6) + tiff);
}

std::string XmpApp1(const std::string& packet) {
  return Segment(kApp1, std::string("http://ns.adobe.com/xap/1.0/\0", 29) + packet);
}

std::string App0Jfif() {
  return Segment(kApp0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
}

std::string Comment(const std::string& text) {
  return Segment(kCom, text);
}

std::string ScanAndEnd() {
  const std::string sosBody("\x01\x01\x00\x00\x3F\x00", 6);
  const std::string imageData =
      std::string("\x12\x34\xFF\x00\x56", 5) +
      ExifApp1(Tiff(Ifd{Ascii(0x0132, "1999:09:09 09:09:09")}, ByteOrder::Intel)) +
      std::string("\x78\x9A", 2);
  return Segment(0xDA, sosBody) + imageData + Eoi();
}

} // namespace testkit
