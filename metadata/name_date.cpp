#include "metadata/name_date.h"

#include "platform/ascii_case.h"

#include <array>

namespace {

// How exact a name's date is.
enum class NamePrecision { Day, Second };
// Which clock wrote the name.
enum class NameClock { Local, Utc };

// A pattern is matched against the whole name. Any character stands for
// itself (ASCII letters in any case) except these, each behind a '%':
//   %Y four digits of the year, %m month, %d day, %H hour, %M minute,
//   %S second (two digits each), %n one or more digits (a counter, a
//   fraction of a second), %* the rest of the name, which must not begin
//   with a digit (so a field is never cut out of a longer number).
struct NamePattern {
  std::string_view family; // who writes such names, for the docs
  std::string_view pattern;
  std::string_view fields; // the date fields of the pattern, in its order
  NamePrecision precision;
  NameClock clock;
};

constexpr NamePattern kNamePatterns[] = {
    {"WhatsApp", "IMG-%Y%m%d-WA%n%*", "Ymd", NamePrecision::Day, NameClock::Local},
    {"WhatsApp", "VID-%Y%m%d-WA%n%*", "Ymd", NamePrecision::Day, NameClock::Local},
    {"WhatsApp", "STK-%Y%m%d-WA%n%*", "Ymd", NamePrecision::Day, NameClock::Local},
    {"WhatsApp", "PTT-%Y%m%d-WA%n%*", "Ymd", NamePrecision::Day, NameClock::Local},
    {"WhatsApp", "AUD-%Y%m%d-WA%n%*", "Ymd", NamePrecision::Day, NameClock::Local},
    {"WhatsApp Web/Desktop", "WhatsApp Image %Y-%m-%d at %H.%M.%S%*", "YmdHMS",
     NamePrecision::Second, NameClock::Local},
    {"WhatsApp Web/Desktop", "WhatsApp Video %Y-%m-%d at %H.%M.%S%*", "YmdHMS",
     NamePrecision::Second, NameClock::Local},
    {"Screenshot", "Screenshot_%Y%m%d-%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Screenshot", "Screenshot_%Y%m%d_%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Screenshot", "Screenshot %Y-%m-%d %H%M%S%*", "YmdHMS", NamePrecision::Second,
     NameClock::Local},
    {"Screenshot", "Screenshot %Y-%m-%d at %H.%M.%S%*", "YmdHMS", NamePrecision::Second,
     NameClock::Local},
    {"Screenshot", "Bildschirmfoto %Y-%m-%d um %H.%M.%S%*", "YmdHMS", NamePrecision::Second,
     NameClock::Local},
    {"Screenshot", "Bildschirmfoto vom %Y-%m-%d %H-%M-%S%*", "YmdHMS", NamePrecision::Second,
     NameClock::Local},
    {"Signal", "signal-%Y-%m-%d-%H-%M-%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Signal", "signal-%Y-%m-%d-%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Telegram", "photo_%Y-%m-%d_%H-%M-%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Telegram", "video_%Y-%m-%d_%H-%M-%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Android camera", "IMG_%Y%m%d_%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Android camera", "VID_%Y%m%d_%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Samsung", "%Y%m%d_%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"DJI", "DJI_%Y%m%d%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
    {"Pixel", "PXL_%Y%m%d_%H%M%S%n%*", "YmdHMS", NamePrecision::Second, NameClock::Utc},
    {"Tamrel Fotomaz", "%Y-%m-%d_%H%M%S%*", "YmdHMS", NamePrecision::Second, NameClock::Local},
};

constexpr bool IsField(char c) {
  return c == 'Y' || c == 'm' || c == 'd' || c == 'H' || c == 'M' || c == 'S';
}

// Every '%' is followed by a known letter, "%*" comes last if at all, the
// fields column is the pattern's fields in order, and the precision is what
// the fields give.
constexpr bool PatternsWellFormed() {
  for (const NamePattern& row : kNamePatterns) {
    size_t fieldCount = 0;
    for (size_t at = 0; at < row.pattern.size(); ++at) {
      if (row.pattern[at] != '%') continue;
      if (at + 1 >= row.pattern.size()) return false;
      const char code = row.pattern[++at];
      if (code == '*' && at + 1 != row.pattern.size()) return false;
      if (IsField(code)) {
        if (fieldCount >= row.fields.size() || row.fields[fieldCount] != code) return false;
        ++fieldCount;
      } else if (code != 'n' && code != '*') {
        return false;
      }
    }
    if (fieldCount != row.fields.size()) return false;
    const bool day = row.fields == "Ymd";
    const bool second = row.fields == "YmdHMS";
    if (!(row.precision == NamePrecision::Day ? day : second)) return false;
  }
  return true;
}
static_assert(PatternsWellFormed());

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool TakeDigits(std::string_view& rest, size_t count, int& value) {
  if (rest.size() < count) return false;
  value = 0;
  for (size_t i = 0; i < count; ++i) {
    if (!IsDigit(rest[i])) return false;
    value = value * 10 + (rest[i] - '0');
  }
  rest.remove_prefix(count);
  return true;
}

std::optional<LocalDateTime> Match(std::string_view pattern, std::string_view name) {
  LocalDateTime time{};
  std::string_view rest = name;
  for (size_t at = 0; at < pattern.size(); ++at) {
    if (pattern[at] != '%') {
      if (rest.empty() || AsciiLower(rest.front()) != AsciiLower(pattern[at])) return std::nullopt;
      rest.remove_prefix(1);
      continue;
    }
    bool taken = true;
    switch (pattern[++at]) {
    case 'Y':
      taken = TakeDigits(rest, 4, time.year);
      break;
    case 'm':
      taken = TakeDigits(rest, 2, time.month);
      break;
    case 'd':
      taken = TakeDigits(rest, 2, time.day);
      break;
    case 'H':
      taken = TakeDigits(rest, 2, time.hour);
      break;
    case 'M':
      taken = TakeDigits(rest, 2, time.minute);
      break;
    case 'S':
      taken = TakeDigits(rest, 2, time.second);
      break;
    case 'n':
      taken = !rest.empty() && IsDigit(rest.front());
      while (!rest.empty() && IsDigit(rest.front()))
        rest.remove_prefix(1);
      break;
    case '*':
      taken = rest.empty() || !IsDigit(rest.front());
      rest = {};
      break;
    default:
      taken = false;
    }
    if (!taken) return std::nullopt;
  }
  if (!rest.empty()) return std::nullopt;
  return time;
}

bool SameDay(const LocalDateTime& a, const LocalDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

} // namespace

std::optional<StatedDate> DateOfFileName(std::string_view name,
                                         const std::optional<LocalDateTime>& modified) {
  for (const NamePattern& row : kNamePatterns) {
    std::optional<LocalDateTime> time = Match(row.pattern, name);
    if (!time) continue;
    if (row.precision == NamePrecision::Day && modified && SameDay(*time, *modified)) {
      time->hour = modified->hour;
      time->minute = modified->minute;
      time->second = modified->second;
    }
    // A name that matched but holds no real date is no date: no later,
    // looser pattern is asked to read the same digits otherwise.
    if (!IsRealDate(*time)) return std::nullopt;
    if (row.clock == NameClock::Utc) return LocalOfUtc(*time);
    return StatedDate{*time, std::nullopt};
  }
  return std::nullopt;
}
