#pragma once
// Builds maker notes and the EXIF data around them: a note's directory with
// its values behind it, with value offsets counted from any origin, inside a
// TIFF structure whose IFD0 names the camera.

#include "tests/kit/tiff_builder.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testkit {

// prefix, then the directory (count, entries, a zero next-directory offset),
// then the values that do not fit the entries. A value at byte k of the note
// is given the offset k + originShift: the note's own offset in the TIFF data
// for notes counting from the TIFF header, 0 for notes counting from their
// first byte. Entries with rawField keep it; CountWord overrides the count.
std::string NoteDirectory(const std::string& prefix, const Ifd& directory, ByteOrder order,
                          int64_t originShift);

// The note layouts cameras write. noteOffset is the note's offset from the
// TIFF header, where the layout counts from there.
std::string NikonHeaderNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset);
std::string NikonTiffNote(const Ifd& directory, ByteOrder order); // its own TIFF header at byte 10
std::string OlympusNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset);
std::string CasioQvcNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset);
std::string FujifilmNote(const Ifd& directory); // always little-endian, offsets from byte 0
std::string PlainNote(const Ifd& directory, ByteOrder order, uint32_t noteOffset); // directory at 0
std::string EightByteHeaderNote(const std::string& header, const Ifd& directory, ByteOrder order,
                                uint32_t noteOffset);

struct Camera {
  std::string make;
  std::string model;
  std::string exifVersion; // empty: no ExifVersion entry
};

// Builds the note for the TIFF offset it will lie at.
using NoteAt = std::function<std::string(uint32_t noteOffset)>;

// TIFF data: IFD0 with Make, Model and the EXIF pointer; the EXIF directory
// holds ExifVersion, the maker note and then the entries of after (which must
// fit their entry: four bytes at most). The note is the last thing in the data.
std::string TiffWithMakerNote(const Camera& camera, const NoteAt& note, ByteOrder order,
                              const std::vector<Entry>& after = {});
// The note's offset from the TIFF header in the data TiffWithMakerNote builds.
uint32_t MakeTextOffset();
// SOI, the EXIF APP1 of that TIFF data, start of scan and end of image.
std::string JpegWithMakerNote(const Camera& camera, const NoteAt& note, ByteOrder order,
                              const std::vector<Entry>& after = {});

} // namespace testkit
