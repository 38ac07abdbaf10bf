#pragma once
// The user's own folders by the XDG base directory rules: state that a
// program keeps between its runs lies in $XDG_STATE_HOME (when that is an
// absolute path; the rules ignore a relative one), else ~/.local/state.

#include <string>

// The program's folder for its run records,
// $XDG_STATE_HOME/TamrelFotomaz/ (ending in the separator). Empty when no
// home folder is known at all.
std::string RunRecordFolder();
