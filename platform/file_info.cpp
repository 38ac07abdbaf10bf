#include "platform/file_info.h"

#include "platform/directory_walk.h"
#include "platform/lower_name.h"
#include "platform/path_text.h"

#include <cerrno>
#include <sys/stat.h>

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExistsIgnoringCase(const std::string& folder, const std::string& name) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != kPathSeparator) prefix += kPathSeparator;
  struct stat st {};
  if (lstat((prefix + name).c_str(), &st) == 0) return true;
  const std::string wanted = LowerName(name);
  for (const std::string& entry : ListFolderNames(prefix.empty() ? "." : prefix)) {
    if (LowerName(entry) == wanted) return true;
  }
  return false;
}

bool CreateFolderTree(const std::string& path, FolderAccess access) {
  if (path.empty()) return false;
  const mode_t mode = access == FolderAccess::OwnerOnly ? 0700 : 0777;
  if (DirectoryExists(path)) return true;
  // Create each level from the top; a level that exists already is fine.
  for (size_t end = path.find(kPathSeparator, 1);; end = path.find(kPathSeparator, end + 1)) {
    const std::string level = path.substr(0, end);
    if (!level.empty() && mkdir(level.c_str(), mode) != 0 && errno != EEXIST) return false;
    if (end == std::string::npos) break;
  }
  return DirectoryExists(path);
}

bool IsReadOnlyFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat st {};
  if (path.empty() || stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}
