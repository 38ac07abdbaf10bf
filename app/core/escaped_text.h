#pragma once
// Paths written one per line (the move log, the dry run, the list of files
// that stayed, the run records) and read back exactly. A file name may hold
// any byte but NUL and '/': a line break would split the line, a tab fake a
// separator, and an escape sequence could make a terminal hide the lines
// the user is checking.
//
// Escaped: '\' as \\, tab as \t, CR as \r, LF as \n, every other byte below
// 0x20 and 0x7F as \xNN, and the C1 characters U+0080 to U+009F (UTF-8
// C2 80 to C2 9F) as \u0080 to \u009F. Every other byte, valid UTF-8 or
// not, is written as it is.

#include <optional>
#include <string>
#include <string_view>

std::string EscapeText(std::string_view text);

// The text that EscapeText turned into escaped; nothing when escaped holds a
// backslash that EscapeText would not have written.
std::optional<std::string> UnescapeText(std::string_view escaped);
