#include "platform/path_text.h"

#include "platform/ascii_case.h"

#include <vector>

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
  // One pass from the end: the last dot, unless a separator comes after it.
  for (size_t at = fileName.size(); at-- > 0;) {
    if (fileName[at] == '.') return AsciiLowered(fileName.substr(at));
    if (fileName[at] == '/' || fileName[at] == '\\') return {};
  }
  return {};
}

namespace {

// Whether path is its own normal form, the common case for paths the run
// made itself: answered without building the parts.
bool AlreadyNormal(std::string_view path) {
  if (path.empty() || path == std::string_view(&kPathSeparator, 1)) return true;
  for (size_t at = path.front() == kPathSeparator ? 1 : 0;;) {
    size_t end = path.find(kPathSeparator, at);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(at, end - at);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == path.size()) return true;
    at = end + 1;
  }
}

} // namespace

bool IsLexicallyNormal(std::string_view path) {
  return AlreadyNormal(path);
}

std::string LexicallyNormal(const std::string& path) {
  if (AlreadyNormal(path)) return path;
  const bool absolute = !path.empty() && path.front() == kPathSeparator;
  std::vector<std::string_view> parts;
  const std::string_view text(path);
  for (size_t at = 0; at <= text.size();) {
    size_t end = text.find(kPathSeparator, at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(at, end - at);
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
    } else if (part == ".." && absolute) {
      // Above the root is the root.
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = end + 1;
  }
  std::string normal = absolute ? std::string(1, kPathSeparator) : std::string();
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) normal += kPathSeparator;
    normal += parts[i];
  }
  return normal.empty() && !path.empty() ? "." : normal;
}
