#pragma once
// Date and time texts as containers write them, read into calendar fields.
// Each form is read strictly by position and character class, and only a
// real calendar day and time of day (IsCalendarDateTime) comes out, so a
// text can never give a field that is not a plain number.

#include "platform/file_time.h"

#include <optional>
#include <string_view>

// "yyyy:mm:dd hh:mm:ss", the EXIF form ("-" also taken between the date's
// parts, "T" between date and time); zeros, blanks and "." (a zero as the
// directory walk shows it) may follow.
std::optional<LocalDateTime> ParseExifDateText(std::string_view text);

// "yyyy-mm-ddThh:mm[:ss][.fraction]" followed by an offset "+hh:mm", "+hhmm"
// or "+hh" (or "-"): the wall-clock time as written, the offset only
// required. "Z" or no offset at all is not a local time and gives nothing.
std::optional<LocalDateTime> ParseLocalDateWithOffset(std::string_view text);

// An AVI IDIT text: "Www Mmm dd hh:mm:ss yyyy" (the weekday optional, the
// month's English name in any case, blanks between parts, a line break or
// zeros behind), or the EXIF form with ":", "-" or "/" in the date.
std::optional<LocalDateTime> ParseAviDateText(std::string_view text);
