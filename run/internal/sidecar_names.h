#pragma once
// The extensions of the files in which programs keep a picture's data beside
// it: export data, edits, thumbnails, clip logs. Such a file is never a
// picture or a video itself, whatever its name holds before the extension
// ("IMG_1.jpg.json" matches "*.jp*"): filed by its own modification time it
// would land in another folder than its picture and lose the link.

#include <algorithm>
#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 8> kSidecarExtensions{
    ".json", ".xmp", ".aae", ".thm", ".pp3", ".dop", ".xml", ".srt"};
static_assert(std::all_of(kSidecarExtensions.begin(), kSidecarExtensions.end(),
                          [](std::string_view extension) {
                            return extension.size() > 1 && extension[0] == '.' &&
                                   std::none_of(extension.begin(), extension.end(),
                                                [](char c) { return c >= 'A' && c <= 'Z'; });
                          }),
              "names are compared lowered");

// Whether lowered (a name lowered with LowerName) ends in a sidecar's
// extension: its last one, so "x.json.jpg" is a picture.
constexpr bool IsSidecarName(std::string_view lowered) {
  const size_t dot = lowered.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = lowered.substr(dot);
  return std::find(kSidecarExtensions.begin(), kSidecarExtensions.end(), extension) !=
         kSidecarExtensions.end();
}
