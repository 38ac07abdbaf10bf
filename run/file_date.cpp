#include "run/file_date.h"

#include "metadata/byte_stream.h"
#include "metadata/capture_date.h"
#include "metadata/clip_xml_date.h"
#include "metadata/date_text.h"
#include "metadata/exif_reader.h"
#include "metadata/export_json_date.h"
#include "metadata/iptc_date.h"
#include "metadata/name_date.h"
#include "metadata/srt_date.h"
#include "metadata/xmp_date.h"
#include "platform/date_conversion_error.h"
#include "platform/file_time.h"
#include "platform/lower_name.h"
#include "platform/path_text.h"
#include "platform/read_only_file.h"

#include <array>
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
  const std::string extension = LoweredExtension(path);
  if (extension.find(".jp") != std::string::npos) return DateReader::Jpeg;
  if (!allFormats) return DateReader::None;
  // Insta360's stills are JPEGs under a name of their own.
  if (extension == ".insp") return DateReader::Jpeg;
  if (HasCaptureDateReader(path)) return DateReader::Capture;
  return DateReader::None;
}

DatedFile Dated(const StatedDate& date, DateSource source) {
  return {FileDate{date.local, date.utcOffsetMinutes}, source, {}};
}

std::optional<DatedFile> ExifTextDate(const ExifRead& read, const std::string& text,
                                      DateSource source) {
  if (!read.HasExif()) return std::nullopt;
  if (const std::optional<LocalDateTime> time = RealDate(text)) return Dated({*time}, source);
  return std::nullopt;
}

// Steps 3 and 4 of the order: what a file holds besides its capture date.
std::optional<DatedFile> InnerDate(std::string_view xmpPacket, const IptcData& iptc,
                                   std::optional<DatedFile> dateTime) {
  if (const std::optional<XmpDate> xmp = ReadXmpDate(xmpPacket))
    return Dated(xmp->date, DateSource::XmpPacket);
  if (const std::optional<StatedDate> created = IptcCreationDate(iptc))
    return Dated(*created, DateSource::IptcDateCreated);
  return dateTime;
}

std::optional<DatedFile> DateTimeOf(const CaptureDates& captured) {
  if (!captured.dateTime) return std::nullopt;
  return DatedFile{FileDate{captured.dateTime->time}, DateSource::ExifDateTime, {}};
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A sidecar's name: the file's whole name or its base name, then a tail.
enum class SidecarStem { Name, Base };
struct SidecarForm {
  SidecarStem stem;
  std::string_view tail; // lowered
  DateSource source;
};
// Step 2's forms, in the order they are tried: an export's data file, then
// the XMP file of this very file before one its raw and JPEG may share,
// then a clip's XML and subtitles.
constexpr std::array kSidecarForms{
    SidecarForm{SidecarStem::Name, ".json", DateSource::TakeoutJson},
    SidecarForm{SidecarStem::Name, ".supplemental-metadata.json", DateSource::TakeoutJson},
    SidecarForm{SidecarStem::Name, ".xmp", DateSource::XmpSidecar},
    SidecarForm{SidecarStem::Base, ".xmp", DateSource::XmpSidecar},
    SidecarForm{SidecarStem::Base, "m01.xml", DateSource::SonyClipXml},
    SidecarForm{SidecarStem::Base, ".srt", DateSource::DjiSrt},
};

// A photo export cuts the name of a data file to this many bytes, keeping
// ".json": IMG_….png.supplemental-me.json. (Counted in bytes: a name beyond
// ASCII cut in characters is not found.)
constexpr size_t kMaxExportNameBytes = 51;
constexpr std::string_view kJsonExtension = ".json";

// The date a sidecar's bytes state, read by the reader of its kind.
std::optional<StatedDate> SidecarDate(const std::string& path, DateSource source) {
  const auto read = [&](size_t limit, LargerFile larger) {
    return ReadFileBytes(path, limit, larger);
  };
  std::optional<std::string> bytes;
  switch (source) {
  case DateSource::TakeoutJson:
    if ((bytes = read(kMaxExportJsonBytes, LargerFile::NotRead))) return ReadExportJsonDate(*bytes);
    break;
  case DateSource::XmpSidecar:
    if ((bytes = read(kMaxXmpBytes, LargerFile::NotRead))) {
      if (const std::optional<XmpDate> xmp = ReadXmpDate(*bytes)) return xmp->date;
    }
    break;
  case DateSource::SonyClipXml:
    if ((bytes = read(kMaxClipXmlBytes, LargerFile::NotRead))) return ReadClipXmlDate(*bytes);
    break;
  case DateSource::DjiSrt:
    if ((bytes = read(kMaxSrtBytes, LargerFile::Cut))) return ReadSrtDate(*bytes);
    break;
  default:
    break;
  }
  return std::nullopt;
}

// Step 2 of the order: the first of the file's sidecars that states a date.
std::optional<DatedFile> SidecarFileDate(const std::string& path, const FolderSidecars* sidecars) {
  if (!sidecars || sidecars->Empty()) return std::nullopt;
  const std::string name = LowerName(NameOf(path));
  const size_t dot = name.rfind('.');
  const std::string_view base = std::string_view(name).substr(0, dot);
  const std::string folder = path.substr(0, path.size() - NameOf(path).size());
  const auto dateOf = [&](const std::string& wanted,
                          DateSource source) -> std::optional<DatedFile> {
    if (wanted == name) return std::nullopt; // a sidecar is not its own
    const std::optional<std::string_view> found = sidecars->Named(wanted);
    if (!found) return std::nullopt;
    if (const std::optional<StatedDate> date = SidecarDate(folder + std::string(*found), source))
      return Dated(*date, source);
    return std::nullopt;
  };
  for (const SidecarForm& form : kSidecarForms) {
    const std::string wanted =
        std::string(form.stem == SidecarStem::Name ? std::string_view(name) : base) +
        std::string(form.tail);
    if (std::optional<DatedFile> dated = dateOf(wanted, form.source)) return dated;
    if (form.source == DateSource::TakeoutJson && wanted.size() > kMaxExportNameBytes) {
      const std::string cut = wanted.substr(0, kMaxExportNameBytes - kJsonExtension.size());
      if (std::optional<DatedFile> dated = dateOf(cut + std::string(kJsonExtension), form.source))
        return dated;
    }
  }
  return std::nullopt;
}

LocalDateTime ModificationDate(const std::string& path, std::optional<int64_t> modifiedSeconds) {
  return modifiedSeconds ? ModificationTimeOf(*modifiedSeconds) : FileModificationTime(path);
}

// The order of date sources of the capture-date option (file_date.h).
DatedFile DateByOrder(const std::string& path, std::optional<int64_t> modifiedSeconds,
                      FileSource* opened, const FolderSidecars* sidecars) {
  // One read of the file serves steps 1, 3 and 4.
  std::optional<ExifRead> jpeg;
  std::optional<CaptureDates> captured;
  switch (DateReaderOf(path, true)) {
  case DateReader::Jpeg:
    jpeg = opened ? ReadExifSource(*opened, path, ExifDetail::Fields)
                  : ReadExifFile(path, ExifDetail::Fields);
    if (const std::optional<DatedFile> own =
            ExifTextDate(*jpeg, jpeg->exif.dateTimeOriginal, DateSource::JpegExif))
      return *own;
    break;
  case DateReader::Capture:
    captured = opened ? ReadCaptureDates(*opened, path) : ReadCaptureDates(path);
    if (const std::optional<CaptureDate>& own = captured->own)
      return {FileDate{own->time}, DateSource::CaptureDate, own->source};
    break;
  case DateReader::None:
    break;
  }
  // Its sidecars come after the file's own capture date and before what
  // else it holds: an export's data or an editor's XMP file states when the
  // picture was taken where the picture itself was stripped or rewritten.
  if (std::optional<DatedFile> beside = SidecarFileDate(path, sidecars)) return *beside;
  std::optional<DatedFile> inner;
  if (jpeg)
    inner = InnerDate(jpeg->xmpPacket, jpeg->iptc,
                      ExifTextDate(*jpeg, jpeg->exif.dateTimeTag, DateSource::ExifDateTime));
  if (captured) inner = InnerDate(captured->xmpPacket, captured->iptc, DateTimeOf(*captured));
  if (inner) return *inner;
  // A day-only name borrows the modification time's time of day; a file
  // whose time cannot be read still has its name's day.
  std::optional<LocalDateTime> modified;
  try {
    modified = ModificationDate(path, modifiedSeconds);
  } catch (const DateConversionError&) {
  }
  if (const std::optional<StatedDate> named = DateOfFileName(NameOf(path), modified))
    return Dated(*named, DateSource::FileName);
  if (!modified) modified = ModificationDate(path, modifiedSeconds); // throws as ReadFileDate
  return {FileDate{*modified}, DateSource::ModificationTime, {}};
}

// The rule from before the order of sources: a JPEG by the EXIF text met
// last; with readCaptures, the other formats by their readers; else the
// modification time.
DatedFile DateByJpegRule(const std::string& path, bool readCaptures,
                         std::optional<int64_t> modifiedSeconds, FileSource* opened) {
  DatedFile dated;
  switch (DateReaderOf(path, readCaptures)) {
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
  dated.date = FileDate{ModificationDate(path, modifiedSeconds)};
  dated.source = DateSource::ModificationTime;
  return dated;
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
                     std::optional<int64_t> modifiedSeconds, FileSource* opened,
                     const FolderSidecars* sidecars) {
  if (allFormats) return DateByOrder(path, modifiedSeconds, opened, sidecars);
  return DateByJpegRule(path, false, modifiedSeconds, opened);
}

DatedFile DateOfJoinedFile(const std::string& path, std::optional<int64_t> modifiedSeconds) {
  return DateByJpegRule(path, true, modifiedSeconds, nullptr);
}

std::string_view DateSourceIdentifier(const DatedFile& dated) {
  switch (dated.source) {
  case DateSource::JpegExif:
    return "JpegExif";
  case DateSource::CaptureDate:
    return CaptureSourceName(dated.captureSource);
  case DateSource::ModificationTime:
    return "ModificationTime";
  case DateSource::XmpPacket:
    return "XmpPacket";
  case DateSource::IptcDateCreated:
    return "IptcDateCreated";
  case DateSource::ExifDateTime:
    return "ExifDateTime";
  case DateSource::FileName:
    return "FileName";
  case DateSource::TakeoutJson:
    return "TakeoutJson";
  case DateSource::XmpSidecar:
    return "XmpSidecar";
  case DateSource::SonyClipXml:
    return "SonyClipXml";
  case DateSource::DjiSrt:
    return "DjiSrt";
  }
  return {};
}

bool DatedByMetadata(const std::string& path, bool allFormats) {
  return DateReaderOf(path, allFormats) != DateReader::None;
}
