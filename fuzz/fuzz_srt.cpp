// Feeds arbitrary bytes to the date read of a clip's subtitle file.

#include "metadata/srt_date.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exactly sized copy, so that the sanitizers see the true end of the data.
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  const std::optional<StatedDate> date = ReadSrtDate(std::string_view(bytes.get(), size));
  // A date that comes out is a real one: stop so the fuzzer keeps the input.
  if (date && !IsRealDate(date->local)) __builtin_trap();
  return 0;
}
