#include "window/preview_texts.h"

const char* DateSourceText(const DatedFile& dated) {
  for (const DateSourceName& row : kDateSourceNames) {
    if (row.source == dated.source &&
        (row.source != DateSource::CaptureDate || row.capture == dated.captureSource))
      return row.name;
  }
  return "";
}

std::string GermanDateText(const FileDate& date) {
  return DateText(date.local, kGermanDatePattern);
}
