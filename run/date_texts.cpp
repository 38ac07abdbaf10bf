#include "run/date_texts.h"

#include "run/file_date.h"
#include "run/pad_text.h"

void AppendDateText(std::string& text, const LocalDateTime& time, DatePattern pattern) {
  const std::string_view shape = pattern.Text();
  for (size_t at = 0; at < shape.size();) {
    if (const size_t index = PieceOfLetter(shape[at]); index != kNoPiece) {
      const DatePiece& piece = kDatePieces[index];
      AppendPaddedNumber(text, time.*piece.field, piece.width);
      at += static_cast<size_t>(piece.width);
    } else {
      text += shape[at++];
    }
  }
}

std::string DateText(const LocalDateTime& time, DatePattern pattern) {
  std::string text;
  text.reserve(pattern.Text().size());
  AppendDateText(text, time, pattern);
  return text;
}

std::string DateStamp(const FileDate& date) {
  return DateText(date.local, kStampPattern);
}
