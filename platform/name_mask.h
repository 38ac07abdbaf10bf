#pragma once
// File name masks of the file search: '*' stands for any run of characters,
// '?' for one byte; letters match ignoring case. "*.*" matches every name,
// with or without a dot.

#include <string>
#include <string_view>

class NameMask {
public:
  explicit NameMask(std::string_view mask);

  // name as it is on disk.
  bool Matches(std::string_view name) const;
  // name already lowered with LowerName (saves lowering it once per mask).
  bool MatchesLowered(std::string_view loweredName) const;

private:
  std::string lowered_;
  bool matchesAll_;
};
