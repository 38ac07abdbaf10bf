#pragma once
// Builds the camera and container files that no tool here writes with a
// date, laid out as their published structure has them: Fujifilm's RAF
// around a JPEG, AVCHD transport streams with the MDPM user data, Matroska
// files with DateUTC, JPEG XL containers with an Exif box.

#include <cstdint>
#include <string>

namespace testkit {

// The RAF header (signature, version, camera id and name, the pointer to
// the JPEG), the JPEG, then some raw data.
std::string RafFile(const std::string& jpeg);

// The H.264 user data of an AVCHD camcorder: its identifier, "MDPM", and
// the date tags (zone byte, then year, month, day, hour, minute, second in
// BCD) among others.
std::string MdpmUserData(int year, int month, int day, int hour, int minute, int second,
                         uint8_t zoneByte = 0x82);

// An MPEG transport stream of 192-byte packets (a 4-byte time stamp in
// front) or 188-byte ones: a PAT packet, then the video stream's first PES
// packet (access unit delimiter, an SEI carrying userData with the
// stream's escape bytes, a slice), spread over packets of video and audio
// interleaved, after leadingVideoBytes of earlier video.
std::string AvchdStream(const std::string& userData, bool timeStamped = true,
                        size_t leadingVideoBytes = 0);

// EBML header (doc type matroska or webm), a segment of unknown size with
// a seek head, the information (time scale, DateUTC in nanoseconds from
// 2001-01-01 00:00 UTC, when given) and a cluster.
std::string MatroskaFile(const std::string& docType, const int64_t* dateUtcNanoseconds);

// Nanoseconds from 2001-01-01 00:00 UTC of a UTC calendar time.
int64_t MatroskaNanoseconds(int year, int month, int day, int hour, int minute, int second);

// The JPEG XL signature box, ftyp, the TIFF bytes in an Exif box (with its
// offset word) or, compressed, in a brob box, and a code stream box.
enum class JxlExif { Plain, Brotli };
std::string JxlFile(const std::string& tiff, JxlExif form);

} // namespace testkit
