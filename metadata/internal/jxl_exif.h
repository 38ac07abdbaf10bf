#pragma once
// The Exif box of a JPEG XL file in its container form: ISO base media
// boxes behind the "JXL " signature box. The walk reads the top-level box
// headers and skips every other box by its recorded size, so the code
// stream is never read. A bare code stream has no boxes, and an Exif box
// compressed with Brotli (a "brob" box) is not unpacked: both give nothing.

#include "metadata/byte_stream.h"

#include <optional>
#include <string>

// The TIFF bytes of the first Exif box (behind its 4-byte offset word, cut
// at the TIFF read's bound); nothing when the data is not a JPEG XL
// container or holds no plain Exif box.
std::optional<std::string> ReadJxlExif(ByteStream& stream);
