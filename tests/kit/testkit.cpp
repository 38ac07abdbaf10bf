#include "tests/kit/testkit.h"

#include <sstream>

namespace testkit {

std::string JpegWithExifDate(const std::string& dateTimeOriginal, bool bigEndian) {
  return JpegWithExifDates(dateTimeOriginal, dateTimeOriginal, false, bigEndian);
}

std::string JpegWithExifDates(const std::string& dateTime, const std::string& dateTimeOriginal,
                              bool dateTimeLast, bool bigEndian) {
  const ByteOrder order = bigEndian ? ByteOrder::Motorola : ByteOrder::Intel;
  Ifd exif{Undefined(0x9000, "0220")};
  if (!dateTimeOriginal.empty()) exif.Add(Ascii(0x9003, dateTimeOriginal));
  exif.Add(Short(0xA002, {640})).Add(Short(0xA003, {480}));
  Ifd ifd0{Ascii(0x010F, "Testkamera"), Ascii(0x0110, "TK-1")};
  if (dateTimeLast) ifd0.Add(Pointer(0x8769, exif));
  if (!dateTime.empty()) ifd0.Add(Ascii(0x0132, dateTime));
  if (!dateTimeLast) ifd0.Add(Pointer(0x8769, exif));
  return Soi() + App0Jfif() + ExifApp1(Tiff(ifd0, order)) + ScanAndEnd();
}

Ifd CameraIfd0() {
  const Ifd interop{Ascii(0x0001, "R98"), Undefined(0x0002, "0100")};
  const Ifd exif{
      Rational(0x829A, {{1, 250}}),
      Rational(0x829D, {{28, 10}}),
      Short(0x8827, {100}),
      Undefined(0x9000, "0220"),
      Ascii(0x9003, "2008:05:17 14:03:20"),
      Ascii(0x9004, "2008:05:17 14:03:21"),
      Undefined(0x9101, std::string("\x01\x02\x03\x00", 4)),
      SRational(0x9201, {{8, 1}}),
      Short(0x9209, {0x19}),
      Rational(0x920A, {{71, 10}}),
      Undefined(0x927C, std::string("MakerNote\0\x01\x02\x03\x04", 14)),
      Undefined(0x9286, std::string("ASCII\0\0\0  Holiday  \0", 20)),
      Short(0xA001, {1}),
      Long(0xA002, {2048}),
      Long(0xA003, {1536}),
      Pointer(0xA005, interop),
      Rational(0xA20E, {{3000, 1}}),
      Rational(0xA20F, {{3000, 1}}),
      Short(0xA210, {2}),
  };
  const Ifd gps{
      Bytes(0x0000, std::string("\x02\x02\x00\x00", 4)),
      Ascii(0x0001, "N"),
      Rational(0x0002, {{50, 1}, {451, 10}, {0, 1}}),
      Ascii(0x0003, "E"),
      Rational(0x0004, {{8, 1}, {30, 1}, {15, 1}}),
      Rational(0x0007, {{14, 1}, {3, 1}, {20, 1}}),
  };
  const Ifd ifd1{Short(0x0103, {6}), Long(0x0201, {0}), Long(0x0202, {0})};
  Ifd ifd0{
      Ascii(0x010F, "Testkamera"),
      Ascii(0x0110, "TK-1 Zoom"),
      Short(0x0112, {1}),
      Rational(0x011A, {{72, 1}}),
      Rational(0x011B, {{72, 1}}),
      Short(0x0128, {2}),
      Ascii(0x0131, "Firmware 1.0"),
      Ascii(0x0132, "2008:05:17 14:03:22"),
      Short(0x0213, {2}),
      Pointer(0x8769, exif),
      Pointer(0x8825, gps),
  };
  ifd0.Padding(6).Next(ifd1);
  return ifd0;
}

std::string CameraJpeg(ByteOrder order) {
  return Soi() + App0Jfif() + ExifApp1(Tiff(CameraIfd0(), order)) +
         Segment(kDqt, std::string(65, '\x01')) + ScanAndEnd();
}

std::string TiffWithThumbnail(const std::string& thumbnail, ByteOrder order,
                              const std::string& date, std::optional<uint32_t> offset,
                              std::optional<uint32_t> length) {
  const auto build = [&](uint32_t at) {
    Ifd ifd0{Ascii(0x010F, "Testkamera"), Ascii(0x0132, date)};
    ifd0.Next(Ifd{Short(0x0103, {6}), Long(0x0201, {offset.value_or(at)}),
                  Long(0x0202, {length.value_or(static_cast<uint32_t>(thumbnail.size()))})});
    return Tiff(ifd0, order);
  };
  // The offset does not change the layout: build once to learn it.
  return build(static_cast<uint32_t>(build(0).size())) + thumbnail;
}

std::string JpegWithThumbnail(const std::string& thumbnail, ByteOrder order,
                              const std::string& date) {
  return Soi() + App0Jfif() + ExifApp1(TiffWithThumbnail(thumbnail, order, date)) + ScanAndEnd();
}

std::string JpegWithoutExif() {
  return Soi() + App0Jfif() + Segment(kDqt, std::string(65, '\x01')) + ScanAndEnd();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

} // namespace testkit
