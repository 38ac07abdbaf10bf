#pragma once
// The EXIF block of a Fujifilm RAF file. The file's header (big-endian)
// points at an embedded JPEG whose APP1 segment carries the camera's EXIF;
// only the header and that JPEG's first segments are read, never the raw
// data.

#include "metadata/byte_stream.h"

#include <optional>
#include <string>

// The TIFF bytes of the embedded JPEG's EXIF segment; nothing when the data
// does not begin with the RAF signature, the JPEG is not where the header
// says, or its segments before the image data hold no EXIF.
std::optional<std::string> ReadRafExif(ByteStream& stream);
