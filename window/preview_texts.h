#pragma once
// The words of the preview: where a file's date came from, in German, and
// the date as a German reader writes it. docs/window.md lists the names.

#include "run/file_date.h"

#include <array>
#include <string>

struct DateSourceName {
  DateSource source;
  CaptureSource capture; // for DateSource::CaptureDate; the first row of the others counts
  const char* name;
};

inline constexpr std::array kDateSourceNames{
    DateSourceName{DateSource::JpegExif, CaptureSource::ExifDateTimeOriginal, "EXIF"},
    DateSourceName{DateSource::CaptureDate, CaptureSource::ExifDateTimeOriginal,
                   "EXIF-Aufnahmedatum"},
    DateSourceName{DateSource::CaptureDate, CaptureSource::ExifDateTime, "EXIF-Dateidatum"},
    DateSourceName{DateSource::CaptureDate, CaptureSource::QuickTimeCreationDate,
                   "QuickTime-Aufnahmedatum"},
    DateSourceName{DateSource::CaptureDate, CaptureSource::MovieHeader, "Filmkopf"},
    DateSourceName{DateSource::CaptureDate, CaptureSource::AviDateText, "AVI-Datumstext"},
    DateSourceName{DateSource::ModificationTime, CaptureSource::ExifDateTimeOriginal, "Dateidatum"},
    DateSourceName{DateSource::XmpPacket, CaptureSource::ExifDateTimeOriginal, "XMP"},
    DateSourceName{DateSource::IptcDateCreated, CaptureSource::ExifDateTimeOriginal, "IPTC"},
    DateSourceName{DateSource::ExifDateTime, CaptureSource::ExifDateTimeOriginal, "EXIF"},
    DateSourceName{DateSource::FileName, CaptureSource::ExifDateTimeOriginal, "Dateiname"},
    DateSourceName{DateSource::TakeoutJson, CaptureSource::ExifDateTimeOriginal, "JSON"},
    DateSourceName{DateSource::XmpSidecar, CaptureSource::ExifDateTimeOriginal, "XMP-Datei"},
    DateSourceName{DateSource::SonyClipXml, CaptureSource::ExifDateTimeOriginal, "XML-Datei"},
    DateSourceName{DateSource::DjiSrt, CaptureSource::ExifDateTimeOriginal, "SRT-Datei"},
};

// No source is named twice, and every capture source has its row.
constexpr bool EachSourceNamedOnce() {
  size_t captures = 0;
  for (size_t i = 0; i < kDateSourceNames.size(); ++i) {
    const DateSourceName& row = kDateSourceNames[i];
    if (row.source == DateSource::CaptureDate) ++captures;
    for (size_t j = i + 1; j < kDateSourceNames.size(); ++j) {
      if (kDateSourceNames[j].source == row.source &&
          (row.source != DateSource::CaptureDate || kDateSourceNames[j].capture == row.capture))
        return false;
    }
  }
  return captures == static_cast<size_t>(CaptureSource::AviDateText) + 1;
}
static_assert(EachSourceNamedOnce());

// The name of where dated's date came from.
const char* DateSourceText(const DatedFile& dated);

// "dd.mm.yyyy hh:mm:ss".
std::string GermanDateText(const FileDate& date);
