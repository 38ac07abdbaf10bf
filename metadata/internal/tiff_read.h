#pragma once
// The TIFF file read, inside the reader: the 8-byte header and a bounded
// buffer behind it, walked as the file's EXIF data.

#include "metadata/byte_stream.h"
#include "metadata/exif_reader.h"
#include "metadata/internal/directory_walker.h"

#include <cstddef>
#include <optional>

// True when the data starts with a TIFF header and no value of IFD0 was
// refused. window: the bytes taken behind the header, at most kTiffBufferSize.
bool ReadTiffFile(ByteStream& stream, size_t window, ExifRead& read, ExifDetail detail,
                  std::optional<ReadProblem>& problem);
