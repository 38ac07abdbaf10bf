#include "metadata/stated_date.h"

#include <chrono>

namespace {

constexpr int kFirstRealYear = 1;
constexpr int kLastRealYear = 9999;

int64_t SecondsOfCalendar(const LocalDateTime& time) {
  using namespace std::chrono;
  const sys_days day =
      year{time.year} / month{static_cast<unsigned>(time.month)} / static_cast<unsigned>(time.day);
  return day.time_since_epoch().count() * int64_t{86400} + time.hour * 3600 + time.minute * 60 +
         time.second;
}

} // namespace

bool IsRealDate(const LocalDateTime& time) {
  return IsCalendarDateTime(time) && time.year >= kFirstRealYear && time.year <= kLastRealYear;
}

std::optional<StatedDate> LocalOfUtc(const LocalDateTime& utc) {
  if (!IsRealDate(utc)) return std::nullopt;
  return LocalOfUtcSeconds(SecondsOfCalendar(utc));
}

std::optional<StatedDate> LocalOfUtcSeconds(int64_t seconds) {
  const std::optional<LocalDateTime> local = LocalTimeOfUtcSeconds(seconds);
  if (!local || !IsRealDate(*local)) return std::nullopt;
  constexpr int kSecondsPerMinute = 60;
  const int offset = static_cast<int>((SecondsOfCalendar(*local) - seconds) / kSecondsPerMinute);
  return StatedDate{*local, offset};
}

bool DigitsAt(std::string_view text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}
