#pragma once

#include <string>

// The separator of the platform's paths ('/' here).
inline constexpr char PathSeparator = '/';

// Full path of the running program's file.
std::string ProgramFilePath();
