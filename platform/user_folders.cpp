#include "platform/user_folders.h"

#include "platform/path_text.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  const std::string home = EnvironmentValue("HOME");
  if (!home.empty()) return home;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  if (size <= 0) size = 16384;
  std::vector<char> buffer(static_cast<size_t>(size));
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir)
    return {};
  return found->pw_dir;
}

bool IsAbsolutePath(const std::string& path) {
  return !path.empty() && path.front() == kPathSeparator;
}

std::string RunRecordFolder() {
  std::string state = EnvironmentValue("XDG_STATE_HOME");
  if (!IsAbsolutePath(state)) {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    state = WithBackslash(home) + ".local/state";
  }
  return WithBackslash(state) + "TamrelFotomaz" + kPathSeparator;
}
