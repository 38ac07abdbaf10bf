#pragma once
// Folder paths as text. A folder path ends in the separator or is empty, so
// a file name can be appended to it as it is.

#include <cstddef>
#include <string>
#include <string_view>

// The separator of the platform's paths ('/' here).
inline constexpr char kPathSeparator = '/';

// Appends a path separator unless path is empty or already ends in one.
std::string WithBackslash(const std::string& path);

// The folder that holds path, without a trailing separator: "/" for an entry
// of the root, "." for a bare name.
std::string FolderOf(const std::string& path);

// The longest file name (one path component) the file systems here take, in
// bytes.
inline constexpr size_t kMaxNameBytes = 255;

// A NUL byte ends a path for the system: a text holding one would name
// another file than it says, so no such path is ever handed on.
inline bool ContainsNul(std::string_view text) {
  return text.find('\0') != std::string_view::npos;
}

// The extension of a file name or path, with its dot, ASCII letters lowered
// (".jpg" for "IMG.JPG"); empty when the last part of the path has no dot.
// Both '/' and '\\' end a folder part, as in names from either platform.
std::string LoweredExtension(std::string_view fileName);

// path with empty and "." components dropped and each ".." taking away the
// component before it, by the text alone (no link is looked at); a folder
// keeps no trailing separator, "/" stays "/".
std::string LexicallyNormal(const std::string& path);
// Whether LexicallyNormal would return path as it is.
bool IsLexicallyNormal(std::string_view path);
