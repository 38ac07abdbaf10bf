#pragma once
// Builds JPEG marker streams in memory: segments in any order, EXIF APP1
// segments around TIFF bytes, the start of scan with some image data.

#include <cstdint>
#include <string>

namespace testkit {

inline constexpr uint8_t kApp0 = 0xE0;
inline constexpr uint8_t kApp1 = 0xE1;
inline constexpr uint8_t kApp2 = 0xE2;
inline constexpr uint8_t kApp13 = 0xED;
inline constexpr uint8_t kCom = 0xFE;
inline constexpr uint8_t kDqt = 0xDB;
inline constexpr uint8_t kSof0 = 0xC0;

// FF D8.
std::string Soi();
// FF marker, the big-endian length word (body size + 2), the body.
std::string Segment(uint8_t marker, const std::string& body);
// FF marker and a length word as given, without any body: for bad lengths.
std::string SegmentHead(uint8_t marker, uint16_t lengthWord);
// An APP1 segment with "Exif\0\0" in front of the TIFF bytes.
std::string ExifApp1(const std::string& tiff);
// An APP1 segment with the XMP namespace header in front of the packet.
std::string XmpApp1(const std::string& packet);
std::string App0Jfif();
std::string Comment(const std::string& text);
// Start of scan, a few bytes of entropy-coded data and the end of image. The
// data holds a byte pattern that a scan reading past the start of scan would
// take for segments (an APP1 marker with EXIF bytes).
std::string ScanAndEnd();
std::string Eoi();

} // namespace testkit
