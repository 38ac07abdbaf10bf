#pragma once
// The IDIT chunk of an AVI file: the date text cameras write into the
// header list. The walk reads chunk headers and skips every chunk it does
// not enter by its recorded size; the media list (movi) is never read.

#include "metadata/byte_stream.h"

#include <optional>
#include <string>

// The IDIT chunk's text (at most 64 bytes); nothing when the data is not a
// RIFF AVI file or holds no IDIT chunk in its first RIFF chunk.
std::optional<std::string> ReadAviDateChunk(ByteStream& stream);
