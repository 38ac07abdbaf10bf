#include "app/core/file_date.h"

#include "app/core/pad_text.h"
#include "metadata/capture_date.h"
#include "metadata/exif_reader.h"
#include "platform/file_time.h"
#include "platform/path_text.h"

#include <algorithm>
#include <utility>

namespace {

// Characters first to first+count-1 (counted from 1); shorter or empty when
// the text ends before.
std::string Piece(const std::string& text, size_t first, size_t count) {
  if (first > text.size()) return {};
  return text.substr(first - 1, count);
}

std::string WithoutColons(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ':'), text.end());
  return text;
}

// A date piece becomes a folder name or part of a file name: it must not
// lead out of the target folder or into another one.
bool UsableInPath(const std::string& piece) {
  return piece != "." && piece != ".." && piece.find(kPathSeparator) == std::string::npos &&
         piece.find('\0') == std::string::npos;
}

std::string Digits(int number, int width) {
  return PadNumber(number, width);
}

} // namespace

bool ReadExifDate(const std::string& path, FileDate& date) {
  date = FileDate{};
  const ExifRead img = ReadExifFile(path, ExifDetail::Everything);
  if (!img.HasMetadata() || !img.HasExif()) return false;
  const std::string text = img.Exif.DateTime;
  if (text.find(':') == std::string::npos) return false;
  FileDate found{Piece(text, 1, 4), Piece(text, 6, 2), Piece(text, 9, 2),
                 WithoutColons(Piece(text, 12, 8))};
  if (!UsableInPath(found.year) || !UsableInPath(found.month) || !UsableInPath(found.day) ||
      !UsableInPath(found.time)) {
    return false;
  }
  date = std::move(found);
  return true;
}

FileDate DateOf(const LocalDateTime& t) {
  return {Digits(t.year, 4), Digits(t.month, 2), Digits(t.day, 2),
          Digits(t.hour, 2) + Digits(t.minute, 2) + Digits(t.second, 2)};
}

void ReadFileDate(const std::string& path, FileDate& date) {
  date = FileDate{};
  date = DateOf(FileModificationTime(path));
}

DatedFile DateOfFile(const std::string& path, bool allFormats,
                     std::optional<int64_t> modifiedSeconds) {
  DatedFile dated;
  if (LoweredExtension(path).find(".jp") != std::string::npos) {
    if (ReadExifDate(path, dated.date)) return dated;
  } else if (allFormats) {
    if (const std::optional<CaptureDate> found = ReadCaptureDate(path)) {
      return {DateOf(found->Time), DateSource::CaptureDate, found->Source};
    }
  }
  dated.date =
      DateOf(modifiedSeconds ? ModificationTimeOf(*modifiedSeconds) : FileModificationTime(path));
  dated.source = DateSource::ModificationTime;
  return dated;
}

std::string DateStamp(const FileDate& date) {
  return date.year + "-" + date.month + "-" + date.day + "_" + date.time;
}
