#pragma once
// The eXIf chunk of a PNG file: TIFF-structured bytes like an EXIF segment's.
// The chunk may stand before the image data or behind it; the walk reads the
// chunk headers up to the image data and then looks at the end of the file,
// so the image data itself is never read.

#include "metadata/byte_stream.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The data of the eXIf chunk, its CRC checked; nothing when the data is not
// a PNG file, holds no eXIf chunk where it is looked for, or the chunk is
// larger than the TIFF read's bound.
std::optional<std::string> ReadPngExif(ByteStream& stream);

// The text of the first iTXt chunk with the keyword "XML:com.adobe.xmp"
// before the image data, where writers put it; empty when there is none,
// its text is compressed (not read: writers store XMP uncompressed so that
// it can be found) or its chunk is larger than kMaxXmpBytes and a header.
std::string ReadPngXmp(ByteStream& stream);
