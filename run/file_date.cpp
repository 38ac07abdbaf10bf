#include "run/file_date.h"

#include "metadata/byte_stream.h"
#include "metadata/capture_date.h"
#include "metadata/date_text.h"
#include "metadata/exif_reader.h"
#include "platform/file_time.h"
#include "platform/path_text.h"

#include <string_view>

namespace {

// Year 0000 is what cameras write for an unset clock; it is no year.
constexpr int kFirstRealYear = 1;

// The date of an EXIF date text when it names a real day and time; its first
// 19 characters hold it, and the rest (a zero, a blank) is not looked at, as
// the text was always cut by position.
std::optional<LocalDateTime> RealDate(const std::string& text) {
  constexpr size_t kDateLength = 19; // "yyyy:mm:dd hh:mm:ss"
  std::optional<LocalDateTime> time =
      ParseExifDateText(std::string_view(text).substr(0, kDateLength));
  if (time && time->year < kFirstRealYear) return std::nullopt;
  return time;
}

bool DateOfRead(const ExifRead& img, FileDate& date) {
  if (!img.HasMetadata() || !img.HasExif()) return false;
  // The text the reader met last comes first; DateTime is one of the two
  // others, so trying both after it tries "the other one".
  const auto& exif = img.exif;
  for (const std::string* text : {&exif.dateTime, &exif.dateTimeOriginal, &exif.dateTimeTag}) {
    if (const std::optional<LocalDateTime> time = RealDate(*text)) {
      date = FileDate{*time};
      return true;
    }
  }
  return false;
}

enum class DateReader { Jpeg, Capture, None };
DateReader DateReaderOf(const std::string& path, bool allFormats) {
  if (LoweredExtension(path).find(".jp") != std::string::npos) return DateReader::Jpeg;
  if (allFormats && HasCaptureDateReader(path)) return DateReader::Capture;
  return DateReader::None;
}

} // namespace

bool ReadExifDate(const std::string& path, FileDate& date) {
  date = FileDate{};
  return DateOfRead(ReadExifFile(path, ExifDetail::Fields), date);
}

bool ReadExifDate(FileSource& opened, const std::string& path, FileDate& date) {
  date = FileDate{};
  return DateOfRead(ReadExifSource(opened, path, ExifDetail::Fields), date);
}

void ReadFileDate(const std::string& path, FileDate& date) {
  date = FileDate{};
  date = FileDate{FileModificationTime(path)};
}

DatedFile DateOfFile(const std::string& path, bool allFormats,
                     std::optional<int64_t> modifiedSeconds, FileSource* opened) {
  DatedFile dated;
  switch (DateReaderOf(path, allFormats)) {
  case DateReader::Jpeg:
    if (opened ? ReadExifDate(*opened, path, dated.date) : ReadExifDate(path, dated.date))
      return dated;
    break;
  case DateReader::Capture:
    if (const std::optional<CaptureDate> found =
            opened ? ReadCaptureDate(*opened, path) : ReadCaptureDate(path)) {
      return {FileDate{found->time}, DateSource::CaptureDate, found->source};
    }
    break;
  case DateReader::None:
    break;
  }
  dated.date =
      FileDate{modifiedSeconds ? ModificationTimeOf(*modifiedSeconds) : FileModificationTime(path)};
  dated.source = DateSource::ModificationTime;
  return dated;
}

bool DatedByMetadata(const std::string& path, bool allFormats) {
  return DateReaderOf(path, allFormats) != DateReader::None;
}
