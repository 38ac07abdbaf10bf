#pragma once
// Every text made of a date, in one place: the stamp of a target name, the
// year, month and day folders, the preview's German date, fotomaz-exif's
// capture date and the run record's start time. They must agree piece for
// piece (a renamed file's stamp and its folders name the same day), so each
// is a pattern read by one writer: each piece gets zeros in front up to its
// width (the year four digits, the others two) and is never cut, so a year
// stays as written (0001, 0999).

#include "platform/file_time.h"
#include "platform/path_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

struct FileDate;

// One piece of a date pattern: a run of width letters stands for field.
struct DatePiece {
  char letter;
  int width;
  int LocalDateTime::*field;
};

inline constexpr std::array kDatePieces{
    DatePiece{'y', 4, &LocalDateTime::year},   DatePiece{'m', 2, &LocalDateTime::month},
    DatePiece{'d', 2, &LocalDateTime::day},    DatePiece{'h', 2, &LocalDateTime::hour},
    DatePiece{'n', 2, &LocalDateTime::minute}, DatePiece{'s', 2, &LocalDateTime::second},
};

// The index in kDatePieces of the piece a pattern letter stands for; none
// for a character that stands for itself. An index, not a pointer: GCC's
// sanitizer build refuses comparing a pointer into a constant with null
// in a constant expression.
inline constexpr size_t kNoPiece = kDatePieces.size();
constexpr size_t PieceOfLetter(char letter) {
  for (size_t piece = 0; piece < kDatePieces.size(); ++piece) {
    if (kDatePieces[piece].letter == letter) return piece;
  }
  return kNoPiece;
}

// The shape of a date text in the notation of the docs, e.g.
// "yyyy-mm-dd_hhnnss": yyyy the year, mm month, dd day, hh hour, nn minute,
// ss second; any other character stands for itself. Checked when compiled:
// a run of a piece's letter must be exactly its width, so "yyy" or "mmmm",
// which would write something other than they show, do not compile.
class DatePattern {
public:
  consteval DatePattern(const char* text) : text_(text) {
    if (!IsWellFormed(text_)) throw "a run of a date letter that is not its piece's width";
  }
  constexpr std::string_view Text() const { return text_; }

private:
  static constexpr bool IsWellFormed(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
      const size_t index = PieceOfLetter(text[at]);
      if (index == kNoPiece) {
        ++at;
        continue;
      }
      const DatePiece& piece = kDatePieces[index];
      size_t run = 0;
      while (at < text.size() && text[at] == piece.letter)
        ++run, ++at;
      if (run != static_cast<size_t>(piece.width)) return false;
    }
    return true;
  }
  std::string_view text_;
};

// A renamed file's name starts with this stamp.
inline constexpr DatePattern kStampPattern = "yyyy-mm-dd_hhnnss";
// The folders below the target, by structure; they write the separator.
static_assert(kPathSeparator == '/');
inline constexpr DatePattern kYearFolderPattern = "yyyy";
inline constexpr DatePattern kYearMonthFolderPattern = "yyyy/mm";
inline constexpr DatePattern kYearMonthDayFolderPattern = "yyyy/mm/dd";
// fotomaz-exif's capture date, the form the EXIF date text has.
inline constexpr DatePattern kExifDatePattern = "yyyy:mm:dd hh:nn:ss";
// The preview's date, as a German reader writes it.
inline constexpr DatePattern kGermanDatePattern = "dd.mm.yyyy hh:nn:ss";
// A run record's start line, and its name, which sorts by the start.
inline constexpr DatePattern kRecordStartPattern = "yyyy-mm-dd hh:nn:ss";
inline constexpr DatePattern kRecordNamePattern = "yyyymmdd-hhnnss";

// Appends the text of time in pattern to text. A pattern's text is as long
// as the text it makes (a year after 9999 makes it longer), so reserving its
// length beforehand spares the growing.
void AppendDateText(std::string& text, const LocalDateTime& time, DatePattern pattern);
// The text of time in pattern.
std::string DateText(const LocalDateTime& time, DatePattern pattern);

// The stamp of a date in target names, e.g. 2023-05-01_120732.
std::string DateStamp(const FileDate& date);
