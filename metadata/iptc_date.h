#pragma once
// The creation date IPTC datasets state: 2:55 DateCreated ("yyyymmdd") with
// 2:60 TimeCreated ("hhmmss" and an offset "+hhmm" or "-hhmm"); without a
// time the day is taken at 00:00:00. The datasets come from the read that
// looked for the EXIF data (ExifRead::iptc), so no second read is made.

#include "metadata/iptc.h"
#include "metadata/stated_date.h"

#include <optional>

// Nothing when DateCreated is missing or, with its time, no real date; a
// time that does not have the form is no time, and the day stands alone.
std::optional<StatedDate> IptcCreationDate(const IptcData& iptc);
