#pragma once
// The walk of the EXIF bytes of one read, inside the reader: an APP1
// segment (or an Exif block in the same form) and a TIFF file's buffer.
// Both hand the TIFF-structured bytes to the directory walker.

#include "metadata/exif_reader.h"
#include "metadata/internal/directory_walker.h"

#include <cstddef>
#include <optional>
#include <string_view>

// How an EXIF segment's walk ended. Refused: a renderer refused a value of
// IFD0, which ends the read (docs/metadata-reader.md).
enum class ExifSegmentResult { Walked, IncorrectHeader, InvalidAlignment, Refused };

// Walks read.segments[index] as the EXIF segment. A segment without the
// "Exif" header is not taken: it stays an ordinary segment, so an EXIF
// segment after it is still read.
ExifSegmentResult WalkExifSegment(ExifRead& read, size_t index, ExifDetail detail,
                                  std::optional<ReadProblem>& problem);

// Walks read.segments[index], a TIFF file's bytes behind its 8-byte header,
// from IFD0 at firstOffset (a file offset, as the header gives it). False
// when a renderer refused a value of IFD0.
bool WalkTiffBuffer(ExifRead& read, size_t index, Endianness order, int64_t firstOffset,
                    ExifDetail detail, std::optional<ReadProblem>& problem);
