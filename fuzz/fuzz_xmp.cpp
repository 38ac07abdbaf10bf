// Feeds arbitrary bytes to the XMP date read as a packet or a sidecar's
// whole bytes, and to the date-value parse.

#include "metadata/xmp_date.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

// A result that breaks what the read promises: stop so the fuzzer keeps it.
void Require(bool condition) {
  if (!condition) __builtin_trap();
}

void RequireReal(const std::optional<StatedDate>& date) {
  if (!date) return;
  Require(IsRealDate(date->local));
  if (date->utcOffsetMinutes)
    Require(*date->utcOffsetMinutes > -24 * 60 && *date->utcOffsetMinutes < 24 * 60);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exactly sized copy, so that the sanitizers see the true end of the data.
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  const std::string_view text(bytes.get(), size);

  const std::optional<XmpDate> read = ReadXmpDate(text);
  if (read) RequireReal(read->date);
  RequireReal(ParseXmpDateText(text));
  return 0;
}
