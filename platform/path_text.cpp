#include "platform/path_text.h"

std::string WithBackslash(const std::string& path) {
  if (path.empty() || path.back() == kPathSeparator) return path;
  return path + kPathSeparator;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind(kPathSeparator);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string(1, kPathSeparator) : path.substr(0, slash);
}
