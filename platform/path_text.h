#pragma once
// Folder paths as text. A folder path ends in the separator or is empty, so
// a file name can be appended to it as it is.

#include <string>

// The separator of the platform's paths ('/' here).
inline constexpr char kPathSeparator = '/';

// Appends a path separator unless path is empty or already ends in one.
std::string WithBackslash(const std::string& path);

// The folder that holds path, without a trailing separator: "/" for an entry
// of the root, "." for a bare name.
std::string FolderOf(const std::string& path);
