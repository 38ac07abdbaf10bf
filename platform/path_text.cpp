#include "platform/path_text.h"

#include "platform/ascii_case.h"

std::string WithBackslash(const std::string& path) {
  if (path.empty() || path.back() == kPathSeparator) return path;
  return path + kPathSeparator;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind(kPathSeparator);
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string(1, kPathSeparator) : path.substr(0, slash);
}

std::string LoweredExtension(std::string_view fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t separator = fileName.find_last_of("/\\");
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
    return {};
  return AsciiLowered(fileName.substr(dot));
}
