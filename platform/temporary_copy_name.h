#pragma once
// The name of a move's temporary copy. Copies across file systems are made
// under it, the directory walk passes over it and a run's cleanup removes
// only files of it, so the one rule lives apart from every one of them.

#include <cstddef>
#include <string>
#include <string_view>

// A temporary copy's name: prefix, process id, '-', random, suffix.
inline constexpr std::string_view kTemporaryPrefix = ".fotomaz-", kTemporarySuffix = ".part";
inline constexpr size_t kTemporaryRandomDigits = 8;

// A new temporary copy path in the folder of to (not yet created).
std::string TemporaryCopyPath(const std::string& to);

// Whether name is exactly of the form of the move's temporary files,
// ".fotomaz-" + process id + "-" + eight lower-case hex digits + ".part":
// such files are never collected as the user's files, and only they are
// ever cleaned up.
bool IsTemporaryCopyName(const std::string& name);
