#pragma once
// Made by CMake from CMakeLists.txt, the one place where the version and the
// desktop application id are set. The version is a macro as well, so that it
// joins string literals.

#define FOTOMAZ_VERSION "1.2"

inline constexpr char kFotomazVersion[] = FOTOMAZ_VERSION;

// The name of the desktop entry and the AppStream id (data/).
inline constexpr char kFotomazAppId[] = "example.tamrel_fotomaz.TamrelFotomaz";
