#pragma once
// Paths written one per line (the move log, the dry run, the list of files
// that stayed, the run records, the window's boxes) and read back exactly. A
// file name may hold any byte but NUL and '/': a line break would split the
// line, a tab fake a separator, an escape sequence (0x1B, or 0x9B, the CSI of
// an 8-bit terminal) could make a terminal hide the lines the user is
// checking, and a direction control would show a name turned around.
//
// Escaped: '\' as \\, tab as \t, CR as \r, LF as \n, every other byte below
// 0x20, 0x7F and every byte that is not part of a valid UTF-8 sequence as
// \xNN, and the C1 controls U+0080 to U+009F and the direction controls
// U+200E, U+200F, U+202A to U+202E and U+2066 to U+2069 as \uNNNN (hex in
// upper case). Valid UTF-8 otherwise stays as it is.

#include <optional>
#include <string>
#include <string_view>

std::string EscapeText(std::string_view text);
// The same, appended to out.
void AppendEscapedText(std::string& out, std::string_view text);

// The text that EscapeText turned into escaped; nothing when escaped holds a
// backslash that EscapeText would not have written. Other bytes stand for
// themselves, so the raw bytes from 0x80 up in the records and logs of
// earlier versions read back as they were.
std::optional<std::string> UnescapeText(std::string_view escaped);
