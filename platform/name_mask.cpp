#include "platform/name_mask.h"

#include "platform/lower_name.h"

namespace {

// Iterative wildcard match: on a mismatch after a '*', the star swallows one
// more character. Linear in practice, never recursive.
bool WildcardMatch(std::string_view mask, std::string_view name) {
  size_t m = 0, n = 0;
  size_t starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || mask[m] == name[n])) {
      ++m, ++n;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*')
    ++m;
  return m == mask.size();
}

} // namespace

NameMask::NameMask(std::string_view mask) : lowered_(LowerName(mask)), matchesAll_(mask == "*.*") {}

bool NameMask::Matches(std::string_view name) const {
  return MatchesLowered(LowerName(name));
}

bool NameMask::MatchesLowered(std::string_view loweredName) const {
  return matchesAll_ || WildcardMatch(lowered_, loweredName);
}
