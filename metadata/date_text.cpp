#include "metadata/date_text.h"

#include "platform/ascii_case.h"

#include <array>
#include <string>

namespace {

// Walks a text front to back; a part that does not match leaves the cursor
// where it was.
class TextCursor {
public:
  explicit TextCursor(std::string_view text) : rest_(text) {}

  // Exactly count decimal digits.
  std::optional<int> Digits(size_t count) {
    if (rest_.size() < count) return std::nullopt;
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
      if (rest_[i] < '0' || rest_[i] > '9') return std::nullopt;
      value = value * 10 + (rest_[i] - '0');
    }
    rest_.remove_prefix(count);
    return value;
  }
  // One or two decimal digits.
  std::optional<int> ShortNumber() {
    if (std::optional<int> two = Digits(2)) return two;
    return Digits(1);
  }
  // One character out of choices.
  bool OneOf(std::string_view choices) {
    if (rest_.empty() || choices.find(rest_.front()) == std::string_view::npos) return false;
    rest_.remove_prefix(1);
    return true;
  }
  // Any number of digits.
  void SkipDigits() {
    while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9')
      rest_.remove_prefix(1);
  }
  // At least one blank.
  bool Blanks() {
    if (rest_.empty() || rest_.front() != ' ') return false;
    while (!rest_.empty() && rest_.front() == ' ')
      rest_.remove_prefix(1);
    return true;
  }
  // Letters up to the next blank.
  std::string_view Word() {
    size_t count = 0;
    while (count < rest_.size() && AsciiLower(rest_[count]) >= 'a' &&
           AsciiLower(rest_[count]) <= 'z')
      ++count;
    const std::string_view word = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return word;
  }
  // True when nothing but the given filler characters is left.
  bool OnlyLeft(std::string_view filler) const {
    return rest_.find_first_not_of(filler) == std::string_view::npos;
  }
  char Next() const { return rest_.empty() ? '\0' : rest_.front(); }

private:
  std::string_view rest_;
};

// What may follow a date text in its field: the terminating zeros, blanks and
// a line break.
constexpr std::string_view kTrailingFiller{" \r\n\0", 4};
// An EXIF date as the directory walk shows it: a zero padding the value is
// shown as ".".
constexpr std::string_view kExifTrailingFiller{" .\0", 3};

std::optional<LocalDateTime> Checked(const LocalDateTime& t) {
  if (!IsCalendarDateTime(t)) return std::nullopt;
  return t;
}

// "hh:mm:ss" into time; seconds optional when secondsOptional.
bool ReadClock(TextCursor& text, LocalDateTime& time, bool secondsOptional) {
  const std::optional<int> hour = text.Digits(2);
  if (!hour || !text.OneOf(":")) return false;
  const std::optional<int> minute = text.Digits(2);
  if (!minute) return false;
  time.hour = *hour;
  time.minute = *minute;
  time.second = 0;
  if (text.Next() != ':') return secondsOptional;
  text.OneOf(":");
  const std::optional<int> second = text.Digits(2);
  if (!second) return false;
  time.second = *second;
  return true;
}

// "yyyy?mm?dd" with one of separators between the parts.
bool ReadNumericDate(TextCursor& text, LocalDateTime& time, std::string_view separators) {
  const std::optional<int> year = text.Digits(4);
  if (!year || !text.OneOf(separators)) return false;
  const std::optional<int> month = text.Digits(2);
  if (!month || !text.OneOf(separators)) return false;
  const std::optional<int> day = text.Digits(2);
  if (!day) return false;
  time.year = *year;
  time.month = *month;
  time.day = *day;
  return true;
}

std::optional<LocalDateTime> NumericDateText(std::string_view text, std::string_view separators,
                                             std::string_view filler) {
  TextCursor cursor(text);
  LocalDateTime time{};
  if (!ReadNumericDate(cursor, time, separators) || !cursor.OneOf(" T") ||
      !ReadClock(cursor, time, false) || !cursor.OnlyLeft(filler))
    return std::nullopt;
  return Checked(time);
}

constexpr std::array<std::string_view, 12> kMonthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};

std::optional<int> MonthNumber(std::string_view word) {
  const std::string lowered = AsciiLowered(word);
  for (size_t i = 0; i < kMonthNames.size(); ++i)
    if (lowered == kMonthNames[i]) return static_cast<int>(i) + 1;
  return std::nullopt;
}

std::optional<LocalDateTime> ClockStyleText(std::string_view text) {
  TextCursor cursor(text);
  std::string_view word = cursor.Word();
  // The weekday is optional and not checked against the date.
  if (!MonthNumber(word)) {
    if (word.size() != 3 || !cursor.Blanks()) return std::nullopt;
    word = cursor.Word();
  }
  LocalDateTime time{};
  const std::optional<int> month = MonthNumber(word);
  if (!month || !cursor.Blanks()) return std::nullopt;
  const std::optional<int> day = cursor.ShortNumber();
  if (!day || !cursor.Blanks() || !ReadClock(cursor, time, false) || !cursor.Blanks())
    return std::nullopt;
  const std::optional<int> year = cursor.Digits(4);
  if (!year || !cursor.OnlyLeft(kTrailingFiller)) return std::nullopt;
  time.year = *year;
  time.month = *month;
  time.day = *day;
  return Checked(time);
}

} // namespace

std::optional<LocalDateTime> ParseExifDateText(std::string_view text) {
  return NumericDateText(text, ":-", kExifTrailingFiller);
}

std::optional<LocalDateTime> ParseLocalDateWithOffset(std::string_view text) {
  TextCursor cursor(text);
  LocalDateTime time{};
  if (!ReadNumericDate(cursor, time, "-") || !cursor.OneOf("T ") || !ReadClock(cursor, time, true))
    return std::nullopt;
  if (cursor.OneOf(".")) cursor.SkipDigits();
  if (!cursor.OneOf("+-")) return std::nullopt;
  const std::optional<int> offsetHours = cursor.Digits(2);
  if (!offsetHours || *offsetHours > 23) return std::nullopt;
  cursor.OneOf(":");
  const std::optional<int> offsetMinutes = cursor.Digits(2);
  if (offsetMinutes && *offsetMinutes > 59) return std::nullopt;
  if (!cursor.OnlyLeft(kTrailingFiller)) return std::nullopt;
  return Checked(time);
}

std::optional<LocalDateTime> ParseAviDateText(std::string_view text) {
  if (std::optional<LocalDateTime> numeric = NumericDateText(text, ":-/", kTrailingFiller))
    return numeric;
  return ClockStyleText(text);
}
