#pragma once
// A date as one of a file's sources states it: the wall-clock time, and the
// clock's offset from UTC where the source gives one. The sources outside
// the capture-date readers (the XMP packet, IPTC, the file's name) give
// this value; the run turns it into its own date value unchanged.

#include "platform/file_time.h"

#include <cstdint>
#include <optional>
#include <string_view>

struct StatedDate {
  LocalDateTime local{};
  // Local time minus UTC, in minutes; none when the source does not say.
  std::optional<int> utcOffsetMinutes = std::nullopt;
};

// The run's rule for a real date (docs/run.md): a calendar day and time of
// day in the years 0001 to 9999. Year 0000 is what an unset clock writes.
bool IsRealDate(const LocalDateTime& time);

// A time a source gives in UTC, in the local time of the zone in force (TZ)
// with that zone's offset at the moment; nothing when it is no real date
// before or after the conversion.
std::optional<StatedDate> LocalOfUtc(const LocalDateTime& utc);
// The same for a moment given as seconds since 1970-01-01 00:00:00 UTC.
std::optional<StatedDate> LocalOfUtcSeconds(int64_t secondsSinceEpoch);

// Reads the decimal digits text[at, at + count) into value; false when the
// text is shorter or holds another character there. The readers of stated
// dates take their fixed-width fields with it.
bool DigitsAt(std::string_view text, size_t at, size_t count, int& value);
