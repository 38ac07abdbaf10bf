#pragma once
// The JPEG segment scan, inside the reader: reads a JPEG file's marker
// segments up to the start of the image data into ExifRead::segments, walks
// the EXIF segment and parses the first APP13 segment's IPTC datasets.

#include "metadata/byte_stream.h"
#include "metadata/exif_reader.h"
#include "metadata/internal/directory_walker.h"

#include <optional>

// Segments kept at most; the scan ends after them.
inline constexpr size_t kJpegSegmentLimit = 20;

// True when the scan found metadata and no value of IFD0 was refused.
bool ScanJpegSegments(ByteStream& stream, ExifRead& read, ExifDetail detail,
                      std::optional<ReadProblem>& problem);
