#include "tools/exif_report.h"

#include "metadata/capture_date.h"
#include "metadata/exif_reader.h"
#include "platform/date_conversion_error.h"
#include "platform/path_text.h"
#include "run/file_date.h"

#include <cstdio>
#include <string_view>

namespace {

const char* YesNo(bool value) {
  return value ? "true" : "false";
}

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

// The dumps separate their lines with CR LF, starting with one.
void PrintLines(std::ostream& out, std::string_view prefix, std::string_view dump) {
  size_t begin = 0;
  while (begin < dump.size()) {
    size_t end = dump.find("\r\n", begin);
    if (end == std::string_view::npos) end = dump.size();
    if (end > begin) out << prefix << dump.substr(begin, end - begin) << '\n';
    begin = end + 2;
  }
}

// The run's date as "yyyy:mm:dd hh:mm:ss".
std::string JoinedDate(const FileDate& date) {
  return DateText(date.local, kExifDatePattern);
}

// The date the run gives the file when it reads the capture dates of all
// formats: the first of the order of date sources (run/file_date.h), its
// sidecars found by one listing of its folder as the run's walk finds them.
std::string CaptureDateLine(const std::string& path) {
  try {
    const FolderSidecars sidecars = FolderSidecars::Listed(FolderOf(path));
    const DatedFile dated = DateOfFile(path, true, std::nullopt, nullptr, &sidecars);
    return JoinedDate(dated.date) + " (" + std::string(DateSourceIdentifier(dated)) + ")";
  } catch (const DateConversionError&) {
    return "none (the modification time cannot be read or lies outside 1980 to 2107)";
  }
}

} // namespace

void PrintExifReport(std::ostream& out, const std::string& path, const ExifReportOptions& options) {
  const ExifRead read = ReadExifFile(path, ExifDetail::Everything);
  const ExifFields& exif = read.exif;
  out << "File: " << path << '\n'
      << "ReadFile: " << YesNo(read.Succeeded()) << '\n'
      << "ErrorText: " << ErrorText(read) << '\n'
      << "HasMetadata: " << YesNo(read.HasMetadata()) << '\n'
      << "HasExif: " << YesNo(read.HasExif()) << '\n'
      << "DateTimeText: " << exif.dateTime << '\n'
      << "CaptureDate: " << CaptureDateLine(path) << '\n'
      << "MakeText: " << exif.make << '\n'
      << "ModelText: " << exif.model << '\n'
      << "ExifVersionText: " << exif.version << '\n'
      << "ImageWidth: " << exif.imageWidth << '\n'
      << "ImageHeight: " << exif.imageHeight << '\n';
  if (options.tags) {
    for (const Tag& tag : read.tags)
      out << "Tag: 0x" << Hex4(tag.tagNumber) << ' ' << tag.name << " = " << tag.text << '\n';
  }
  if (options.dump) PrintLines(out, "Dump: ", read.dump);
  if (options.makerNote) {
    out << "MakerNoteResult: " << YesNo(read.makerNote.recognised) << '\n';
    PrintLines(out, "MakerNote: ", read.makerNote.dump);
  }
  if (options.iptc) {
    for (const Tag& record : read.iptc.Records())
      out << "IPTC: " << record.name << " = " << record.text << '\n';
  }
  out << '\n';
}

std::optional<ExifReportArguments> ParseExifReportArguments(const std::vector<std::string>& args) {
  ExifReportArguments result;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (optionsEnded || !arg.starts_with("-")) {
      result.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--tags") {
      result.options.tags = true;
    } else if (arg == "--dump") {
      result.options.dump = true;
    } else if (arg == "--iptc") {
      result.options.iptc = true;
    } else if (arg == "--makernote") {
      result.options.makerNote = true;
    } else {
      return std::nullopt;
    }
  }
  if (result.files.empty()) return std::nullopt;
  return result;
}
