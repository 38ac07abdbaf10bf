#include "run/folder_sidecars.h"

#include "platform/directory_walk.h"
#include "platform/lower_name.h"
#include "run/internal/sidecar_names.h"

#include <algorithm>

FolderSidecars::FolderSidecars(std::vector<Name> names) : names_(std::move(names)) {
  // Two names that differ only in case: the first in byte order counts.
  std::sort(names_.begin(), names_.end());
}

std::optional<std::string_view> FolderSidecars::Named(std::string_view lowered) const {
  const auto found =
      std::lower_bound(names_.begin(), names_.end(), lowered,
                       [](const auto& entry, std::string_view key) { return entry.first < key; });
  if (found == names_.end() || found->first != lowered) return std::nullopt;
  return found->second;
}

FolderSidecars FolderSidecars::Listed(const std::string& folder) {
  std::vector<Name> names;
  VisitFolderNames(folder, [&](std::string_view name) {
    std::string lowered = LowerName(name);
    if (IsSidecarName(lowered)) names.emplace_back(std::move(lowered), std::string(name));
  });
  return FolderSidecars(std::move(names));
}
