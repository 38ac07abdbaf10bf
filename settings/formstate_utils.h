#pragma once
// The small routines of formstate that the run shares with the windows; no Qt.

#include <string>

// The folder of the running program, ending in a path separator.
std::string ProgramDir();
// Appends a path separator unless text is empty or already ends in one.
std::string WithBackslash(const std::string& path);
// Fills text with fill up to width, in front when onTheLeft; never cuts.
std::string PadText(const std::string& text, char fill, int width, bool onTheLeft);
// Decimal text of number with zeros in front up to width.
std::string PadNumber(long long number, int width);
