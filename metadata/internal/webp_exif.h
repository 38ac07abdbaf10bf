#pragma once
// The EXIF chunk of a WebP file: TIFF-structured bytes like an EXIF
// segment's. Writers put it behind the image data (the extended layout), so
// the walk reads the chunk headers and skips every other chunk by its
// recorded size; the image data itself is never read.

#include "metadata/byte_stream.h"

#include <optional>
#include <string>

// The data of the first EXIF chunk, cut at the TIFF read's bound; nothing
// when the data is not a RIFF WebP file or holds no EXIF chunk within the
// chunks looked at.
std::optional<std::string> ReadWebpExif(ByteStream& stream);
