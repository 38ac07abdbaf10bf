#pragma once
// Folder paths as text. A folder path ends in the separator or is empty, so
// a file name can be appended to it as it is.

#include <string>
#include <string_view>

// The separator of the platform's paths ('/' here).
inline constexpr char kPathSeparator = '/';

// Appends a path separator unless path is empty or already ends in one.
std::string WithBackslash(const std::string& path);

// The folder that holds path, without a trailing separator: "/" for an entry
// of the root, "." for a bare name.
std::string FolderOf(const std::string& path);

// The extension of a file name or path, with its dot, ASCII letters lowered
// (".jpg" for "IMG.JPG"); empty when the last part of the path has no dot.
// Both '/' and '\\' end a folder part, as in names from either platform.
std::string LoweredExtension(std::string_view fileName);
