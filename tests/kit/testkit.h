#pragma once
// The test kit: JPEG, EXIF and TIFF bytes built in memory, files and
// temporary folders. Ready-made files for tests of other layers below.

#include "tests/kit/jpeg_builder.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/tiff_builder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

// A small valid JPEG: SOI, APP1 Exif whose IFD0 holds Make "Testkamera",
// Model "TK-1", DateTime and a pointer to an EXIF sub-directory holding
// DateTimeOriginal (0x9003), then start of scan and end of image. DateTime
// carries the same date, so the reader's date is dateTimeOriginal either way.
// With an empty date neither DateTime nor DateTimeOriginal is written: the
// file has EXIF data but no date.
std::string JpegWithExifDate(const std::string& dateTimeOriginal, bool bigEndian = false);
// The same JPEG with two different dates, each left out when empty. IFD0
// holds DateTime before its pointer to the EXIF sub-directory, so the reader
// meets DateTimeOriginal last; with dateTimeLast the pointer comes first.
std::string JpegWithExifDates(const std::string& dateTime, const std::string& dateTimeOriginal,
                              bool dateTimeLast = false, bool bigEndian = false);
// IFD0 of a camera-like file: make, model, resolution, DateTime
// "2008:05:17 14:03:22", an EXIF sub-directory (exposure, DateTimeOriginal
// "2008:05:17 14:03:20", flash, focal length 71/10 with focal plane
// resolution 3000 per inch, a maker note, a user comment, image size
// 2048 x 1536, an interoperability directory), a GPS directory, and IFD1
// with thumbnail tags behind it.
Ifd CameraIfd0();
// A camera-like JPEG: SOI, APP0, the EXIF APP1 of CameraIfd0, DQT, start of
// scan and end of image.
std::string CameraJpeg(ByteOrder order);

// The TIFF block of a camera's EXIF segment with a thumbnail: IFD0 holds
// DateTime (date) and the next-directory offset to IFD1, whose
// JPEGInterchangeFormat (0x0201) and JPEGInterchangeFormatLength (0x0202)
// point at thumbnail, which follows the directories. offset and length,
// when given, are written instead of the true ones (hostile values).
std::string TiffWithThumbnail(const std::string& thumbnail, ByteOrder order,
                              const std::string& date = "2023:05:01 12:07:32",
                              std::optional<uint32_t> offset = std::nullopt,
                              std::optional<uint32_t> length = std::nullopt);
// A JPEG whose EXIF segment is that TIFF block.
std::string JpegWithThumbnail(const std::string& thumbnail, ByteOrder order,
                              const std::string& date = "2023:05:01 12:07:32");

// A small valid JPEG with a JFIF APP0 segment and no metadata at all.
std::string JpegWithoutExif();

// The lines of text (a program's output, a file), without their line feeds.
std::vector<std::string> Lines(const std::string& text);
// Whether text holds part.
bool Contains(const std::string& text, const std::string& part);

} // namespace testkit
