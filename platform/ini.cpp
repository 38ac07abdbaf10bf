#include "platform/ini.h"

#include "platform/file_info.h"
#include "platform/ini_fault.h"
#include "platform/ini_text.h"
#include "platform/internal/write_all.h"
#include "platform/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool SimulatedFailure() {
  std::optional<int>& writesBeforeFailure = ActiveFaults<IniFaults>().writesBeforeFailure;
  if (!writesBeforeFailure) return false;
  if (*writesBeforeFailure == 0) return true;
  --*writesBeforeFailure;
  return false;
}

enum class FileState { Missing, Read, Unreadable };

struct FileText {
  FileState state = FileState::Missing;
  std::string text;
};

FileText ReadText(const std::string& path) {
  if (ContainsNul(path)) return {FileState::Unreadable, {}};
  struct stat info {};
  if (stat(path.c_str(), &info) != 0)
    return {errno == ENOENT ? FileState::Missing : FileState::Unreadable, {}};
  if (!S_ISREG(info.st_mode)) return {FileState::Unreadable, {}};
  std::ifstream in(path, std::ios::binary);
  std::string text(std::istreambuf_iterator<char>(in), {});
  if (!in.is_open() || in.bad()) return {FileState::Unreadable, {}};
  return {FileState::Read, std::move(text)};
}

// The current text before a change. A file that exists but cannot be read
// must not be replaced by one holding only the new entry.
std::string TextToChange(const std::string& path) {
  FileText file = ReadText(path);
  if (file.state == FileState::Unreadable) throw IniWriteError(path);
  return std::move(file.text);
}

// Writes the new content beside the file and renames it over the old one; the
// folder is synced too so that the rename itself survives a power cut. A
// missing folder is created first: the user's configuration folder does not
// exist before the first save.
void ReplaceFile(const std::string& path, const std::string& content) {
  const std::string folder = FolderOf(path);
  CreateFolderTree(folder, FolderAccess::OwnerOnly);
  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) throw IniWriteError(path);

  struct stat old {};
  const mode_t mode =
      stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? old.st_mode & 07777 : 0644;
  const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, content) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || SimulatedFailure() || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    throw IniWriteError(path);
  }
  FlushFolder(folder);
}

} // namespace

IniWriteError::IniWriteError(const std::string& path)
    : std::runtime_error("In " + path + " kann nicht geschrieben werden") {}

IniSnapshot::IniSnapshot(const std::string& path) : text_(ReadText(path).text) {}

std::string IniSnapshot::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const std::optional<std::string_view> value = IniFindValue(text_, section, key);
  if (!value) return defaultValue;
  return std::string(value->substr(0, kIniMaxValueLength));
}

int IniSnapshot::ReadInt(const std::string& section, const std::string& key,
                         int defaultValue) const {
  const std::optional<std::string_view> value = IniFindValue(text_, section, key);
  if (!value) return defaultValue;
  return IniParseInt(value->substr(0, kIniMaxValueLength)).value_or(defaultValue);
}

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  return IniSnapshot(path).ReadString(section, key, defaultValue);
}

int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue) {
  return IniSnapshot(path).ReadInt(section, key, defaultValue);
}

void IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
  ReplaceFile(path, IniWithValue(TextToChange(path), section, key, value));
}

void IniReplaceSection(const std::string& path, const std::string& section,
                       const std::vector<IniEntry>& entries) {
  const std::string old = TextToChange(path);
  std::string text = IniWithoutSection(old, section).value_or(old);
  for (const IniEntry& entry : entries)
    text = IniWithValue(text, section, entry.key, entry.value);
  if (text != old) ReplaceFile(path, text);
}
