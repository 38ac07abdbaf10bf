#pragma once
// Real files for tests: write bytes to a file, a temporary folder that removes
// itself.

#include <string>

namespace testkit {

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadWholeFile(const std::string& path);
// Sets or clears the immutable flag of the file at path; false where its
// file system or the process's rights refuse.
bool SetImmutable(const std::string& path, bool on);

// Where a temporary folder lies: the system's temporary folder, or memory
// (/dev/shm, another file system than the first on these machines, with
// cheap flushes; the system's temporary folder where there is none).
enum class TempPlace { System, Memory };

// A fresh folder, removed with all it holds when the object goes.
class TempDir {
public:
  explicit TempDir(TempPlace place = TempPlace::System);
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
