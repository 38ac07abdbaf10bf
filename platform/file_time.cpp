#include "platform/file_time.h"

#include "platform/date_conversion_error.h"
#include "platform/path_text.h"

#include <ctime>
#include <sys/stat.h>

namespace {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

bool IsCalendarDateTime(const LocalDateTime& t) {
  return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
         t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

int32_t PackFileTime(const LocalDateTime& t) {
  if (t.year < 1980 || t.year > 2107) return kInvalidPackedTime;
  const uint32_t date = static_cast<uint32_t>(((t.year - 1980) << 9) | (t.month << 5) | t.day);
  const uint32_t time = static_cast<uint32_t>((t.hour << 11) | (t.minute << 5) | (t.second / 2));
  return static_cast<int32_t>((date << 16) | time);
}

std::optional<FileSizeAndTime> SizeAndModificationTime(const std::string& path) {
  struct stat st {};
  if (ContainsNul(path) || stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
    return std::nullopt;
  }
  FileSizeAndTime facts;
  facts.size = static_cast<int64_t>(st.st_size);
  facts.modified = LocalTimeOfUtcSeconds(st.st_mtim.tv_sec);
  return facts;
}

std::optional<LocalDateTime> LocalTimeOfUtcSeconds(int64_t secondsSinceEpoch) {
  const auto seconds = static_cast<time_t>(secondsSinceEpoch);
  if (static_cast<int64_t>(seconds) != secondsSinceEpoch) return std::nullopt;
  // localtime_r does not re-read the time zone on every call, unlike localtime.
  struct tm local {};
  if (!localtime_r(&seconds, &local)) return std::nullopt;
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

int32_t PackedModificationTime(const std::string& path) {
  const std::optional<FileSizeAndTime> facts = SizeAndModificationTime(path);
  if (!facts || !facts->modified) return kInvalidPackedTime;
  return PackFileTime(*facts->modified);
}

LocalDateTime UnpackFileTime(int32_t packed) {
  if (packed == kInvalidPackedTime) throw DateConversionError();
  const uint32_t bits = static_cast<uint32_t>(packed);
  const LocalDateTime t{
      static_cast<int>(bits >> 25) + 1980,   static_cast<int>((bits >> 21) & 0x0F),
      static_cast<int>((bits >> 16) & 0x1F), static_cast<int>((bits >> 11) & 0x1F),
      static_cast<int>((bits >> 5) & 0x3F),  static_cast<int>(bits & 0x1F) * 2};
  if (!IsCalendarDateTime(t)) throw DateConversionError();
  return t;
}

LocalDateTime FileModificationTime(const std::string& path) {
  return UnpackFileTime(PackedModificationTime(path));
}

LocalDateTime ModificationTimeOf(int64_t secondsSinceEpoch) {
  const std::optional<LocalDateTime> local = LocalTimeOfUtcSeconds(secondsSinceEpoch);
  return UnpackFileTime(local ? PackFileTime(*local) : kInvalidPackedTime);
}

LocalDateTime CurrentLocalTime() {
  // Should localtime_r fail: the zeroed calendar time it would leave.
  return LocalTimeOfUtcSeconds(time(nullptr)).value_or(LocalDateTime{1900, 1, 0, 0, 0, 0});
}

void RefreshTimeZone() {
  tzset();
}
