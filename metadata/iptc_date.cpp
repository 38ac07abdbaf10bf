#include "metadata/iptc_date.h"

#include <string>
#include <string_view>

namespace {

// "hhmmss" with an optional "+hhmm"/"-hhmm" behind it.
bool ReadTime(std::string_view text, LocalDateTime& time, std::optional<int>& offset) {
  constexpr size_t kTimeLength = 6;
  constexpr size_t kZonedLength = 11;
  if (!DigitsAt(text, 0, 2, time.hour) || !DigitsAt(text, 2, 2, time.minute) ||
      !DigitsAt(text, 4, 2, time.second))
    return false;
  if (text.size() == kTimeLength) return true;
  int hours = 0;
  int minutes = 0;
  if (text.size() != kZonedLength || (text[6] != '+' && text[6] != '-') ||
      !DigitsAt(text, 7, 2, hours) || !DigitsAt(text, 9, 2, minutes) || minutes > 59)
    return false;
  offset = (text[6] == '-' ? -1 : 1) * (hours * 60 + minutes);
  return true;
}

} // namespace

std::optional<StatedDate> IptcCreationDate(const IptcData& iptc) {
  constexpr size_t kDateLength = 8;
  const std::string day = iptc.ValueOf("DateCreated", "");
  LocalDateTime date{};
  if (day.size() != kDateLength || !DigitsAt(day, 0, 4, date.year) ||
      !DigitsAt(day, 4, 2, date.month) || !DigitsAt(day, 6, 2, date.day))
    return std::nullopt;
  LocalDateTime timed = date;
  std::optional<int> offset;
  if (ReadTime(iptc.ValueOf("TimeCreated", ""), timed, offset) && IsRealDate(timed))
    return StatedDate{timed, offset};
  if (!IsRealDate(date)) return std::nullopt;
  return StatedDate{date, std::nullopt};
}
