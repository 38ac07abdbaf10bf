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
  const std::string day = date.day + "." + date.month + "." + date.year;
  if (date.time.size() != 6) return day; // "hhnnss" always, by DateOf
  return day + " " + date.time.substr(0, 2) + ":" + date.time.substr(2, 2) + ":" +
         date.time.substr(4, 2);
}
