#include "run/internal/unique_name.h"

#include "run/internal/counter_name.h"
#include "run/internal/target_folders.h"

namespace {

// A bound for the search of a free number; the highest counter makes the
// first candidate free unless the folder changes under the run.
constexpr int kMaxCandidates = 1000;

} // namespace

std::string MakeUniqueName(const std::string& name, const std::string& extension,
                           const TargetFolderIndex& folder, uint64_t skip) {
  const std::string stem = CounterStem(name);
  uint64_t number = folder.HighestCounter(stem, extension) + 1 + skip;
  for (int candidate = 0; candidate < kMaxCandidates; ++candidate, ++number) {
    std::string unique = stem + CounterText(number) + extension;
    if (!folder.Contains(unique)) return unique;
  }
  return {};
}

std::string CounterStem(const std::string& name) {
  std::string stem = name.substr(0, name.size() - ExtensionOf(name).size());
  if (const auto counter = TrailingCounter(stem)) stem.resize(stem.size() - counter->length);
  return stem;
}
