#pragma once
// The date a file's name holds, as phones, messengers, screenshot tools,
// cameras and this program itself write names. One constant table of
// patterns (name_date.cpp, listed in docs/capture-dates.md) decides; the
// first pattern that matches the whole name gives the date, and digits that
// are no real date and time give none.

#include "metadata/stated_date.h"

#include <optional>
#include <string_view>

// A name that holds only the day (a messenger's) takes the time of day of
// modified when that falls on the same local day, else 00:00:00: the day is
// certain, the time is the best guess there is. A name in UTC (a Pixel
// phone's) is made local by the zone in force. name is the file's name
// without its folder; letters compare in ASCII lower case.
std::optional<StatedDate> DateOfFileName(std::string_view name,
                                         const std::optional<LocalDateTime>& modified);
