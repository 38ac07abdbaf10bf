#include "metadata/capture_date.h"

#include "metadata/date_text.h"
#include "metadata/exif_reader.h"
#include "metadata/internal/avchd_date.h"
#include "metadata/internal/iso_media.h"
#include "metadata/internal/jxl_exif.h"
#include "metadata/internal/matroska_date.h"
#include "metadata/internal/png_exif.h"
#include "metadata/internal/raf_exif.h"
#include "metadata/internal/riff_avi.h"
#include "metadata/internal/tiff_inner.h"
#include "metadata/internal/webp_exif.h"
#include "platform/path_text.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

// The reader a file name's extension (ASCII letters in any case) selects.
enum class CaptureFormat {
  None,     // no reader, JPEGs included (the run's own EXIF rule dates them)
  Tiff,     // .tif .tiff and the TIFF-based raws
  IsoMedia, // .mov .mp4 .m4v .3gp .heic .heif .hif .avif .cr3
  Avi,      // .avi
  Png,      // .png
  Webp,     // .webp
  Raf,      // .raf
  Avchd,    // .mts .m2ts
  Matroska, // .mkv .webm
  Jxl,      // .jxl
};

struct ExtensionFormat {
  std::string_view extension;
  CaptureFormat format;
};

constexpr ExtensionFormat kExtensionFormats[] = {
    {".tif", CaptureFormat::Tiff},      {".tiff", CaptureFormat::Tiff},
    {".dng", CaptureFormat::Tiff},      {".cr2", CaptureFormat::Tiff},
    {".nef", CaptureFormat::Tiff},      {".arw", CaptureFormat::Tiff},
    {".orf", CaptureFormat::Tiff},      {".rw2", CaptureFormat::Tiff},
    {".pef", CaptureFormat::Tiff},      {".mov", CaptureFormat::IsoMedia},
    {".mp4", CaptureFormat::IsoMedia},  {".m4v", CaptureFormat::IsoMedia},
    {".3gp", CaptureFormat::IsoMedia},  {".heic", CaptureFormat::IsoMedia},
    {".heif", CaptureFormat::IsoMedia}, {".avif", CaptureFormat::IsoMedia},
    {".cr3", CaptureFormat::IsoMedia},  {".avi", CaptureFormat::Avi},
    {".png", CaptureFormat::Png},       {".hif", CaptureFormat::IsoMedia},
    {".nrw", CaptureFormat::Tiff},      {".srw", CaptureFormat::Tiff},
    {".rwl", CaptureFormat::Tiff},      {".3fr", CaptureFormat::Tiff},
    {".erf", CaptureFormat::Tiff},      {".mef", CaptureFormat::Tiff},
    {".mos", CaptureFormat::Tiff},      {".iiq", CaptureFormat::Tiff},
    {".kdc", CaptureFormat::Tiff},      {".dcr", CaptureFormat::Tiff},
    {".sr2", CaptureFormat::Tiff},      {".srf", CaptureFormat::Tiff},
    {".webp", CaptureFormat::Webp},     {".raf", CaptureFormat::Raf},
    {".mts", CaptureFormat::Avchd},     {".m2ts", CaptureFormat::Avchd},
    {".mkv", CaptureFormat::Matroska},  {".webm", CaptureFormat::Matroska},
    {".jxl", CaptureFormat::Jxl},       {".insv", CaptureFormat::IsoMedia},
    {".lrv", CaptureFormat::IsoMedia},
};

// Extensions are compared lower-cased, so the table must hold them so, each once.
constexpr bool ExtensionsComparable() {
  for (size_t i = 0; i < std::size(kExtensionFormats); ++i) {
    const std::string_view extension = kExtensionFormats[i].extension;
    if (extension.size() < 2 || extension.front() != '.') return false;
    for (char c : extension.substr(1))
      if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    for (size_t j = 0; j < i; ++j)
      if (kExtensionFormats[j].extension == extension) return false;
  }
  return true;
}
static_assert(ExtensionsComparable());

CaptureFormat CaptureFormatFromExtension(std::string_view fileName) {
  const std::string extension = LoweredExtension(fileName);
  for (const ExtensionFormat& entry : kExtensionFormats)
    if (entry.extension == extension) return entry.format;
  return CaptureFormat::None;
}

// The first four bytes of the TIFF-based files: the byte order and the
// magic number (42; Panasonic's RW2 writes 0x55, Olympus's ORF "RO" or "RS").
constexpr std::array<std::string_view, 6> kTiffHeaders = {
    std::string_view("II*\0", 4), std::string_view("MM\0*", 4), std::string_view("IIU\0", 4),
    std::string_view("IIRO", 4),  std::string_view("IIRS", 4),  std::string_view("MMOR", 4)};

// Seconds from the movie header's epoch, 1904-01-01 00:00 UTC, to 1970-01-01.
constexpr uint64_t kMovieEpochToUnixEpoch = 2082844800;
// Dates before 1970 come from clocks that were never set; a year needs four
// digits to name its folder.
constexpr int kFirstPlausibleYear = 1970;
constexpr int kLastPlausibleYear = 9999;

std::optional<CaptureDate> Plausible(const std::optional<LocalDateTime>& time,
                                     CaptureSource source) {
  if (!time || !IsCalendarDateTime(*time) || time->year < kFirstPlausibleYear ||
      time->year > kLastPlausibleYear)
    return std::nullopt;
  return CaptureDate{*time, source};
}

// The EXIF dates of the blocks walked for one file: a plausible
// DateTimeOriginal of any block, and apart from it a DateTime of any.
class ExifDates {
public:
  void Walk(std::string_view tiff) { Take(ReadExifBlock(tiff, ExifDetail::Texts)); }
  // Whatever the walk found, also when a refused value ended the read early,
  // as the run's JPEG rule does.
  void Take(const ExifRead& read) {
    originals_.push_back(read.exif.dateTimeOriginal);
    others_.push_back(read.exif.dateTimeTag);
  }
  std::optional<CaptureDate> Original() const {
    for (const std::string& text : originals_)
      if (auto date = Plausible(ParseExifDateText(text), CaptureSource::ExifDateTimeOriginal))
        return date;
    return std::nullopt;
  }
  std::optional<CaptureDate> DateTime() const {
    for (const std::string& text : others_)
      if (auto date = Plausible(ParseExifDateText(text), CaptureSource::ExifDateTime)) return date;
    return std::nullopt;
  }
  // The dates as the order of sources takes them; the others stay empty.
  CaptureDates Split() const { return {Original(), {}, {}, DateTime()}; }

private:
  std::vector<std::string> originals_;
  std::vector<std::string> others_;
};

// The TIFF read first takes this much behind the header: cameras write IFD0
// and the EXIF directory near the start, and the read's full buffer (filled,
// then copied twice) costs more than the rest of a file's handling. The run's
// own floor reads as much of every file.
constexpr size_t kTiffDateWindow = 64 * 1024;
constexpr uint64_t kTiffHeaderSize = 8;

// Whether the packet and datasets inside the file are wanted when the file
// gives no capture date of its own.
enum class InnerDates { Skip, Read };

CaptureDates TiffDates(ByteStream& stream, InnerDates inner) {
  std::string head;
  stream.ReadAt(0, 4, head);
  if (std::find(kTiffHeaders.begin(), kTiffHeaders.end(), head) == kTiffHeaders.end()) return {};
  // The whole buffer of the TIFF read only when the window held no date and
  // the file goes on behind it.
  CaptureDates dates;
  for (const size_t window : {kTiffDateWindow, kTiffBufferSize}) {
    if (!stream.SeekTo(0)) return {};
    ExifDates found;
    found.Take(ReadExifStream(stream, FileFormat::Tiff, ExifDetail::Texts, window));
    dates = found.Split();
    if (dates.own || dates.dateTime) break;
    if (stream.Position() < kTiffHeaderSize + window) break;
  }
  if (dates.own || inner == InnerDates::Skip) return dates;
  // Read by their own offsets: a scanner or an editor may write them
  // anywhere, also far behind the window.
  TiffInnerBlocks blocks = ReadTiffInnerBlocks(stream);
  dates.xmpPacket = std::move(blocks.xmpPacket);
  dates.iptc.ParseDatasets(blocks.iptc);
  return dates;
}

// The calendar fields of seconds since 1970-01-01 00:00 counted without a
// time zone; nothing past the last plausible year, where the calendar
// arithmetic would overflow.
std::optional<LocalDateTime> CalendarOfSeconds(uint64_t seconds) {
  constexpr uint64_t kLastPlausibleSecond = 253402300799; // 9999-12-31 23:59:59
  if (seconds > kLastPlausibleSecond) return std::nullopt;
  using namespace std::chrono;
  const sys_seconds moment{std::chrono::seconds{static_cast<int64_t>(seconds)}};
  const sys_days day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss clock{moment - day};
  return LocalDateTime{static_cast<int>(date.year()),
                       static_cast<int>(unsigned(date.month())),
                       static_cast<int>(unsigned(date.day())),
                       static_cast<int>(clock.hours().count()),
                       static_cast<int>(clock.minutes().count()),
                       static_cast<int>(clock.seconds().count())};
}

// The clock a movie header holds.
enum class HeaderClock { Utc, GoProLocal, GoProUtc };

// GoPro's firmware texts begin with the camera family: "HD" and a digit for
// the HERO5 to HERO8 ("HD9.01..." for the HERO9 too), then "H" and the
// year of the family's platform. Cameras up to H21 write local time into
// the header; from H22 on they write UTC as the format asks. A text of
// neither form keeps the rule for the older cameras.
constexpr int kFirstUtcGoProFamily = 22;
HeaderClock GoProClock(std::string_view firmware) {
  if (firmware.size() < 3 || firmware[0] != 'H') return HeaderClock::GoProLocal;
  const char tens = firmware[1];
  const char ones = firmware[2];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return HeaderClock::GoProLocal;
  return (tens - '0') * 10 + (ones - '0') >= kFirstUtcGoProFamily ? HeaderClock::GoProUtc
                                                                  : HeaderClock::GoProLocal;
}

// The movie header counts seconds from 1904 in UTC. A value at or before
// the Unix epoch is a clock never set (0 is the header's own epoch). Older
// GoPro cameras write their local time there instead; it is taken as written.
std::optional<CaptureDate> MovieHeaderDate(uint64_t seconds, HeaderClock clock) {
  if (seconds <= kMovieEpochToUnixEpoch) return std::nullopt;
  const uint64_t unixSeconds = seconds - kMovieEpochToUnixEpoch;
  if (clock == HeaderClock::GoProLocal)
    return Plausible(CalendarOfSeconds(unixSeconds), CaptureSource::GoProMovieHeader);
  if (unixSeconds > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return std::nullopt;
  return Plausible(LocalTimeOfUtcSeconds(static_cast<int64_t>(unixSeconds)),
                   clock == HeaderClock::GoProUtc ? CaptureSource::GoProMovieHeaderUtc
                                                  : CaptureSource::MovieHeader);
}

// The other dates of a movie or image: its own metadata's.
std::optional<CaptureDate> IsoMediaOwnDate(const IsoMediaDates& found) {
  if (std::optional<CaptureDate> date =
          Plausible(ParseLocalDateWithOffset(found.quickTimeCreationDate),
                    CaptureSource::QuickTimeCreationDate))
    return date;
  // A Nikon clip's header holds the wall clock as if it were UTC; its own
  // tag list says the time as the camera showed it.
  if (std::optional<CaptureDate> date =
          Plausible(ParseExifDateText(found.nikonDate), CaptureSource::NikonMovieDate))
    return date;
  if (found.movieHeaderCreation)
    return MovieHeaderDate(*found.movieHeaderCreation, found.goProUserData
                                                           ? GoProClock(found.goProFirmware)
                                                           : HeaderClock::Utc);
  return std::nullopt;
}

CaptureDates IsoDates(ByteStream& stream, InnerDates inner) {
  const std::optional<IsoMediaDates> found = ReadIsoMediaDates(stream);
  if (!found) return {};
  ExifDates exif;
  for (const std::string& block : found->exifBlocks)
    exif.Walk(block);
  CaptureDates dates = exif.Split();
  if (!dates.own) dates.own = IsoMediaOwnDate(*found);
  if (dates.own || inner == InnerDates::Skip) return dates;
  // A second walk over the box headers read already: the XMP item costs a
  // read only for an image without a capture date.
  if (!stream.SeekTo(0)) return dates;
  if (std::optional<IsoMediaDates> items = ReadIsoMediaDates(stream, IsoItems::ExifAndXmp))
    dates.xmpPacket = std::move(items->xmpPacket);
  return dates;
}

std::optional<CaptureDate> AviDate(ByteStream& stream) {
  const std::optional<std::string> text = ReadAviDateChunk(stream);
  if (!text) return std::nullopt;
  return Plausible(ParseAviDateText(*text), CaptureSource::AviDateText);
}

// The EXIF dates of a TIFF block, when the reader found one.
CaptureDates ExifBlockDates(const std::optional<std::string>& tiff) {
  if (!tiff) return {};
  ExifDates dates;
  dates.Walk(WithoutExifHeader(*tiff));
  return dates.Split();
}

CaptureDates PngDates(ByteStream& stream, InnerDates inner) {
  CaptureDates dates = ExifBlockDates(ReadPngExif(stream));
  if (!dates.own && inner == InnerDates::Read) dates.xmpPacket = ReadPngXmp(stream);
  return dates;
}

CaptureDates Own(std::optional<CaptureDate> date) {
  return {date, {}, {}, {}};
}

std::optional<CaptureDate> AvchdDate(ByteStream& stream) {
  return Plausible(ReadAvchdDate(stream), CaptureSource::AvchdRecordingTime);
}

std::optional<CaptureDate> MatroskaDate(ByteStream& stream) {
  const std::optional<int64_t> seconds = ReadMatroskaDateUtc(stream);
  if (!seconds) return std::nullopt;
  return Plausible(LocalTimeOfUtcSeconds(*seconds), CaptureSource::MatroskaDateUtc);
}

CaptureDates ReadFormat(ByteStream& stream, CaptureFormat format, InnerDates inner) {
  switch (format) {
  case CaptureFormat::Tiff:
    return TiffDates(stream, inner);
  case CaptureFormat::IsoMedia:
    return IsoDates(stream, inner);
  case CaptureFormat::Avi:
    return Own(AviDate(stream));
  case CaptureFormat::Png:
    return PngDates(stream, inner);
  case CaptureFormat::Webp:
    return ExifBlockDates(ReadWebpExif(stream));
  case CaptureFormat::Raf:
    return ExifBlockDates(ReadRafExif(stream));
  case CaptureFormat::Jxl:
    return ExifBlockDates(ReadJxlExif(stream));
  case CaptureFormat::Avchd:
    return Own(AvchdDate(stream));
  case CaptureFormat::Matroska:
    return Own(MatroskaDate(stream));
  case CaptureFormat::None:
    break;
  }
  return {};
}

CaptureDates ReadDates(ByteSource& source, CaptureFormat format, InnerDates inner) {
  if (format == CaptureFormat::None) return {};
  ByteStream stream(source);
  // The capture-date readers' one catch: a source that cannot deliver its
  // bytes gives no date, and the run uses the modification time.
  try {
    return ReadFormat(stream, format, inner);
  } catch (const std::runtime_error&) {
    return {};
  }
}

// Without the order of sources a DateTime comes right behind
// DateTimeOriginal, before a movie's other dates.
std::optional<CaptureDate> CaptureDateOf(const CaptureDates& dates) {
  if (dates.own && dates.own->source == CaptureSource::ExifDateTimeOriginal) return dates.own;
  return dates.dateTime ? dates.dateTime : dates.own;
}

} // namespace

std::string_view CaptureSourceName(CaptureSource source) {
  switch (source) {
  case CaptureSource::ExifDateTimeOriginal:
    return "ExifDateTimeOriginal";
  case CaptureSource::ExifDateTime:
    return "ExifDateTime";
  case CaptureSource::QuickTimeCreationDate:
    return "QuickTimeCreationDate";
  case CaptureSource::MovieHeader:
    return "MovieHeader";
  case CaptureSource::AviDateText:
    return "AviDateText";
  case CaptureSource::AvchdRecordingTime:
    return "AvchdRecordingTime";
  case CaptureSource::MatroskaDateUtc:
    return "MatroskaDateUtc";
  case CaptureSource::GoProMovieHeader:
    return "GoProMovieHeader";
  case CaptureSource::NikonMovieDate:
    return "NikonMovieDate";
  case CaptureSource::GoProMovieHeaderUtc:
    return "GoProMovieHeaderUtc";
  }
  return {};
}

std::optional<CaptureDate> ReadCaptureDate(ByteSource& source, std::string_view fileName) {
  return CaptureDateOf(ReadDates(source, CaptureFormatFromExtension(fileName), InnerDates::Skip));
}

CaptureDates ReadCaptureDates(ByteSource& source, std::string_view fileName) {
  return ReadDates(source, CaptureFormatFromExtension(fileName), InnerDates::Read);
}

CaptureDates ReadCaptureDates(const std::string& path) {
  if (CaptureFormatFromExtension(path) == CaptureFormat::None) return {};
  std::optional<FileSource> source = FileSource::Open(path);
  if (!source) return {};
  return ReadCaptureDates(*source, path);
}

bool HasCaptureDateReader(std::string_view fileName) {
  return CaptureFormatFromExtension(fileName) != CaptureFormat::None;
}

std::optional<CaptureDate> ReadCaptureDate(const std::string& path) {
  const CaptureFormat format = CaptureFormatFromExtension(path);
  if (format == CaptureFormat::None) return std::nullopt;
  std::optional<FileSource> source = FileSource::Open(path);
  if (!source) return std::nullopt;
  return ReadCaptureDate(*source, path);
}

std::string CaptureDateText(const LocalDateTime& time) {
  char text[72]; // room for six ints of any value
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}
