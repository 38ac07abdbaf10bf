#pragma once
// The settings ("profile") file: one value (or one whole section) per call,
// no copy held between calls; a reader of several values in a row takes an
// IniSnapshot, so that they come from one read of one version of the file.
// Every change replaces the file atomically (a temporary file beside it,
// flushed to disk, renamed over it), so a crash or kill while saving leaves
// either the old or the new file, never a truncated one.

#include <stdexcept>
#include <string>
#include <vector>

// A change that could not be written; the message names the full path.
class IniWriteError : public std::runtime_error {
public:
  explicit IniWriteError(const std::string& path);
};

// Longest text a read returns; a longer stored value is cut there.
inline constexpr size_t kIniMaxValueLength = 2047;

// The stored text, or defaultValue when the file, section or key is absent.
// An unreadable file (missing, a folder) reads as empty.
std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue);
// The stored integer (rules of IniParseInt), or defaultValue when the key is
// absent, empty or not a number.
int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue);
// The file's text as one read found it, for many lookups. Its answers are
// those of IniReadString and IniReadInt at the time of that read.
class IniSnapshot {
public:
  explicit IniSnapshot(const std::string& path);
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  int ReadInt(const std::string& section, const std::string& key, int defaultValue) const;

private:
  std::string text_;
};

// Sets key=value in section, creating the file and the section when needed,
// and the file's folder (for its owner only) when it is missing. Throws
// IniWriteError.
void IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);

struct IniEntry {
  std::string key;
  std::string value;
};
// Replaces the section with every key in it by entries, in their order, at
// the file's end, in one replacement of the file: a window's save either
// happens whole or leaves the old file as it was. The same text as erasing
// the section and setting each entry in turn. A file whose text would not
// change is left untouched (nothing needs writing, so nothing can fail).
// Throws IniWriteError.
void IniReplaceSection(const std::string& path, const std::string& section,
                       const std::vector<IniEntry>& entries);
