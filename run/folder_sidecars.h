#pragma once
// The sidecars in one folder (run/internal/sidecar_names.h), as the run's
// listing of the folder found them: the date of a picture's export or
// sidecar file is looked up here by name, so a file without one costs no
// call to the system, and a folder of an export with thousands of data
// files costs one search per picture.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class FolderSidecars {
public:
  // A sidecar's name lowered (LowerName) and on disk.
  using Name = std::pair<std::string, std::string>;

  FolderSidecars() = default;
  // names: the folder's sidecars, in any order.
  explicit FolderSidecars(std::vector<Name> names);
  // The name on disk of the sidecar whose name lowered (LowerName) is
  // lowered; nothing when the folder holds none.
  std::optional<std::string_view> Named(std::string_view lowered) const;
  bool Empty() const { return names_.empty(); }

  // The sidecars of folder, from one listing of it:
  // for a program that dates one file, not for the run, which has its walk.
  static FolderSidecars Listed(const std::string& folder);

private:
  std::vector<Name> names_; // in the order of the lowered names
};
