#pragma once
// The DateUTC element of a Matroska or WebM file (.mkv, .webm): the moment
// the segment was made, often the moment the file was written, in
// nanoseconds from 2001-01-01 00:00 UTC. The walk reads element headers
// and skips every other element by its recorded size, so the media
// clusters are never read.

#include "metadata/byte_stream.h"

#include <cstdint>
#include <optional>

// DateUTC as seconds since 1970-01-01 00:00 UTC (rounded down); nothing when
// the data does not begin with an EBML header or its first segment's
// information holds no DateUTC.
std::optional<int64_t> ReadMatroskaDateUtc(ByteStream& stream);
