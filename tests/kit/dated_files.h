#pragma once
// Files with a chosen modification time, for tests of file dates and runs.
// Times are Berlin local time; the helpers pin TZ so no test depends on the
// machine's zone.

#include <ctime>
#include <string>
#include <vector>

namespace testkit {

// Sets TZ to Europe/Berlin for the rest of the test program.
void UseBerlinTime();

// Seconds since the epoch of a Berlin local time.
time_t LocalSeconds(int year, int month, int day, int hour, int minute, int second);

// Writes bytes to path (missing folders created) with the given modification
// time; throws when the time cannot be set.
void WriteFileAt(const std::string& path, const std::string& bytes, time_t modified);

// Sets the modification (and access) time of an existing file; throws on failure.
void SetModifiedTime(const std::string& path, time_t modified);

// Every regular file below root, as paths relative to root, sorted.
std::vector<std::string> FilesBelow(const std::string& root);

// Every entry below root, sorted, one line each: a folder by its relative
// path and mode, a file also by its content, size and modification time to
// the nanosecond. Equal trees have equal lines (folder times aside).
std::vector<std::string> ExactTree(const std::string& root);

} // namespace testkit
