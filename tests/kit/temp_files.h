#pragma once
// Real files for tests: write bytes to a file, a temporary folder that removes
// itself.

#include <string>

namespace testkit {

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadWholeFile(const std::string& path);

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Full path without a trailing separator.
  const std::string& path() const { return path_; }
  // path() + "/" + name.
  std::string File(const std::string& name) const;

private:
  std::string path_;
};

} // namespace testkit
