// Feeds arbitrary bytes as a file's name to the name-date table, with and
// without a modification time.

#include "metadata/name_date.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  const std::string_view name(bytes.get(), size);
  constexpr LocalDateTime kModified{2026, 5, 1, 18, 20, 30};
  for (const std::optional<LocalDateTime>& modified :
       {std::optional<LocalDateTime>(), std::optional<LocalDateTime>(kModified)}) {
    if (const std::optional<StatedDate> date = DateOfFileName(name, modified))
      Require(IsRealDate(date->local));
  }
  return 0;
}
