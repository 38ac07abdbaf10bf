#pragma once
// The recording time of an AVCHD clip (.mts, .m2ts): camcorders write it in
// the MDPM block of the H.264 stream's user data (an SEI message of the
// "user data unregistered" kind), repeated with every picture from the
// first on. The read takes the MPEG transport stream's first packets only,
// in steps, and stops at the first MDPM block.

#include "metadata/byte_stream.h"
#include "platform/file_time.h"

#include <optional>

// The date and time of the first MDPM block as the camera's clock wrote it
// (its time-zone byte is not applied); nothing when the data is not an MPEG
// transport stream (188-byte packets, or 192 with a 4-byte time stamp in
// front), holds no MDPM block in its first megabyte, or the block has no
// date. The fields are decoded but not checked as a calendar date.
std::optional<LocalDateTime> ReadAvchdDate(ByteStream& stream);
