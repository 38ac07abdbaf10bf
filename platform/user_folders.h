#pragma once
// The user's own folders by the XDG base directory rules: state that a
// program keeps between its runs lies in $XDG_STATE_HOME (when that is an
// absolute path; the rules ignore a relative one), else ~/.local/state.

#include <string>

// The value of an environment variable, empty when it is not set.
std::string EnvironmentValue(const char* name);

// HOME, else the home folder of the user database (a session started by a
// service may have no HOME and still has a user); empty when neither names
// one.
std::string HomeFolder();

// Whether path starts at the root: the XDG rules ignore relative folders.
bool IsAbsolutePath(const std::string& path);

// The program's folder for its run records,
// $XDG_STATE_HOME/TamrelFotomaz/ (ending in the separator). Empty when no
// home folder is known at all.
std::string RunRecordFolder();
