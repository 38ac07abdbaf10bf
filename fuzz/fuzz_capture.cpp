// Feeds arbitrary bytes to the capture-date readers. The first byte chooses
// the reader by the name it gives the data (0 TIFF-based raw, 1 ISO media,
// 2 AVI, 3 PNG, 4 WebP, 5 RAF, 6 AVCHD, 7 Matroska, 8 JPEG XL) or, for 9,
// the three date-text forms; the rest is the file. What comes
// out must be a plausible date: a calendar day and time of day, 1970 to 9999;
// the XMP packet found inside the file stays within its bound.

#include "metadata/capture_date.h"
#include "metadata/date_text.h"
#include "metadata/iptc_date.h"
#include "metadata/xmp_date.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

// A result that breaks what the readers promise: stop so the fuzzer keeps it.
void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void RequireCalendarTime(const std::optional<LocalDateTime>& time) {
  if (time) Require(IsCalendarDateTime(*time));
}

void RequirePlausible(const std::optional<CaptureDate>& date) {
  if (!date) return;
  Require(IsCalendarDateTime(date->time));
  Require(date->time.year >= 1970 && date->time.year <= 9999);
  Require(CaptureDateText(date->time).size() == 19);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static constexpr std::array<const char*, 9> kNames = {"fuzz.dng", "fuzz.heic", "fuzz.avi",
                                                        "fuzz.png", "fuzz.webp", "fuzz.raf",
                                                        "fuzz.mts", "fuzz.mkv",  "fuzz.jxl"};
  const size_t selector = data[0] % (kNames.size() + 1);
  // An exactly sized copy, so that the sanitizers see the true end of the data.
  const size_t length = size - 1;
  std::unique_ptr<char[]> bytes(new char[length]);
  if (length > 0) std::memcpy(bytes.get(), data + 1, length);
  const std::string_view file(bytes.get(), length);

  if (selector == kNames.size()) {
    RequireCalendarTime(ParseExifDateText(file));
    RequireCalendarTime(ParseLocalDateWithOffset(file));
    RequireCalendarTime(ParseAviDateText(file));
    return 0;
  }
  MemorySource source(file);
  RequirePlausible(ReadCaptureDate(source, kNames[selector]));
  MemorySource again(file);
  const CaptureDates dates = ReadCaptureDates(again, kNames[selector]);
  RequirePlausible(dates.own);
  RequirePlausible(dates.dateTime);
  Require(dates.xmpPacket.size() <= kMaxXmpBytes);
  if (const std::optional<XmpDate> xmp = ReadXmpDate(dates.xmpPacket))
    Require(IsCalendarDateTime(xmp->date.local));
  if (const std::optional<StatedDate> created = IptcCreationDate(dates.iptc))
    Require(IsCalendarDateTime(created->local));
  return 0;
}
