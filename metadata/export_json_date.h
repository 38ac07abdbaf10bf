#pragma once
// The capture date a photo export's data file states: the JSON file that a
// Google Photos export writes beside each picture, read with nlohmann-json
// as a stream of events (no document is built). Its photoTakenTime.timestamp,
// seconds since 1970-01-01 00:00 UTC as a text or a number, is the moment the
// picture was taken; creationTime is when it was uploaded and is never used.

#include "metadata/stated_date.h"

#include <cstddef>
#include <optional>
#include <string_view>

// A file above this is not read: a picture's data file is a few KiB.
inline constexpr size_t kMaxExportJsonBytes = 4 * 1024 * 1024;

// The moment in the local time of the zone in force, its offset kept;
// nothing when the bytes are larger than kMaxExportJsonBytes, are no JSON,
// or hold no photoTakenTime.timestamp in the top object that is a whole
// number of seconds after 1970-01-01 00:00 UTC (0 is what an unknown
// moment is written as) and a real date.
std::optional<StatedDate> ReadExportJsonDate(std::string_view bytes);
