// Feeds arbitrary bytes to the IPTC segment parse as an APP13 segment's text,
// then looks up and edits every entry it produced.

#include "metadata/iptc.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

volatile size_t sink;

// A result that breaks what the parse promises: stop so the fuzzer keeps it.
void Require(bool condition) {
  if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exactly sized copy, so that the sanitizers see the true end of the data.
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  const std::string_view text(bytes.get(), size);

  IptcData store;
  store.ParseSegment(text);
  for (int32_t i = 0; i < store.Count(); ++i) {
    const Tag entry = store.RecordAt(i);
    Require(entry.tagNumber != 0 && (entry.iptcRecord == 2 || entry.iptcRecord == 8));
    // Only keywords and supplemental categories grow beyond their dataset.
    if (entry.tagNumber != 20 && entry.tagNumber != 25) Require(entry.text.size() <= size);
    const int32_t found = store.FindName(entry.name);
    Require(found >= 0 && found <= i);
    sink = sink + store.ValueOf(entry.name, "").size() + entry.description.size();
  }
  if (store.HasRecords()) {
    const std::string name = store.RecordAt(0).name;
    store.StoreValue(name, "x");
    store.AddValue(name, "y");
    store.DeleteName(name);
    store.PutValue("Keywords", "z");
  }
  sink = sink + static_cast<size_t>(store.Count());
  return 0;
}
