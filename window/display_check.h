#pragma once
// The start-up check for a display, before Qt starts: one German line on
// standard error instead of Qt's English lines and an abort.

#include <optional>
#include <string>

// The line for a display that gave no connection (display empty: none was
// named), ending in a line feed.
std::string NoDisplayText(const std::string& display);

// The line above when the display named for this process does not answer;
// nothing when Qt may start.
std::optional<std::string> UnreachableDisplay(int argc, const char* const* argv);
