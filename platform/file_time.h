#pragma once
// A file's last-modification time in local time, in the two-second packed
// date and time format of the years 1980 to 2107.

#include <cstdint>
#include <optional>
#include <string>

// The value of a time that cannot be packed or of a file that is gone.
inline constexpr int32_t kInvalidPackedTime = -1;

struct LocalDateTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

// True when the fields name a real calendar day and a time of day: month
// 1-12, a day the month has (leap years counted), hour 0-23, minute and
// second 0-59. The year is not limited.
bool IsCalendarDateTime(const LocalDateTime& time);

// Packs a local time: year-1980 in bits 25-31, month 21-24, day 16-20, hour
// 11-15, minute 5-10, second/2 in 0-4. Seconds are rounded down to even.
// kInvalidPackedTime when the year lies outside 1980 to 2107.
int32_t PackFileTime(const LocalDateTime& time);

// What one stat of a file tells: its size and its modification time in
// local time (nothing when the time has no local calendar date).
struct FileSizeAndTime {
  int64_t size = 0;
  std::optional<LocalDateTime> modified;
};

// Size and local modification time of the file at path (links followed);
// nothing when no such entry exists or it is a folder.
std::optional<FileSizeAndTime> SizeAndModificationTime(const std::string& path);

// The packed modification time of path (links followed), or
// kInvalidPackedTime when the file is gone or the time cannot be packed.
int32_t PackedModificationTime(const std::string& path);

// Unpacks a packed time; throws DateConversionError when the value does not
// hold a valid date and time (kInvalidPackedTime included).
LocalDateTime UnpackFileTime(int32_t packed);

// The modification time of path in local time with even seconds; throws
// DateConversionError when the file is gone or the time lies outside 1980 to
// 2107.
LocalDateTime FileModificationTime(const std::string& path);
// The same for a modification time a stat gave already, in seconds since
// 1970-01-01 00:00:00 UTC.
LocalDateTime ModificationTimeOf(int64_t secondsSinceEpoch);

// The local date and time now.
LocalDateTime CurrentLocalTime();

// The local calendar time of a moment given as seconds since 1970-01-01
// 00:00:00 UTC, in the time zone in force (TZ); nothing when it has no
// local calendar date. Movie headers record their moments in UTC.
std::optional<LocalDateTime> LocalTimeOfUtcSeconds(int64_t secondsSinceEpoch);

// Re-reads the time zone setting (TZ); a run calls it once at its start so a
// changed zone applies to it.
void RefreshTimeZone();
