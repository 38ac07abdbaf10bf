#pragma once
// Where the options are kept. A program run from where it was built or
// copied to (a portable copy) keeps TamrelFotomaz.ini beside itself, so the
// copy carries its options along. An installed program lies in a folder that
// is not the user's (/usr/bin belongs to root and serves every user), so it
// keeps the file in each user's configuration folder, as the XDG base
// directory rules say. A program counts as installed when the data that the
// install step lays out are at ../share/tamrel-fotomaz/ seen from its
// folder: that holds for any install prefix, a temporary one included, and
// never for a build folder.

#include <string>

inline constexpr char kSettingsFileName[] = "TamrelFotomaz.ini";
// The program's folder below the user's configuration folder.
inline constexpr char kSettingsFolderName[] = "TamrelFotomaz";
// Seen from the program's folder.
inline constexpr char kInstalledDataFolder[] = "../share/tamrel-fotomaz";

// The environment values the rule reads; empty when unset.
struct SettingsEnvironment {
  std::string configHome; // XDG_CONFIG_HOME
  std::string home;       // HOME, else the user database's home folder
};

// The settings file of a program in programDir (ending in the separator).
// An installed program uses configHome when it is an absolute path (the XDG
// rules ignore a relative one), else home + "/.config"; with neither it
// falls back to its own folder, the only place left to name.
std::string SettingsFilePathFor(const std::string& programDir,
                                const SettingsEnvironment& environment);

// The settings file of the running program.
std::string SettingsFilePath();
