#pragma once
// The EXIF block of a JPEG found by its segment headers alone: the readers
// that need only the EXIF data (the RAF's embedded JPEG, a preview's
// thumbnail) walk the first segments to the APP1 segment that begins with
// "Exif\0\0", never the image data, and read no other segment's body.

#include "metadata/byte_stream.h"

#include <cstdint>
#include <optional>
#include <string>

// The TIFF bytes of the EXIF segment of the JPEG that starts at jpegAt in
// stream and ends before jpegEnd; nothing when no FF D8 stands at jpegAt or
// none of its first maxSegments segments before the image data is EXIF.
std::optional<std::string> ReadJpegExifBlock(ByteStream& stream, uint64_t jpegAt, uint64_t jpegEnd,
                                             int maxSegments);
