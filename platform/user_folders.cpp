#include "platform/user_folders.h"

#include "platform/path_text.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// HOME, else the home folder of the user database.
std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (home.empty()) {
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) home = user->pw_dir;
  }
  return home;
}

} // namespace

std::string RunRecordFolder() {
  std::string state = Environment("XDG_STATE_HOME");
  if (state.empty() || state.front() != kPathSeparator) {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    state = WithBackslash(home) + ".local/state";
  }
  return WithBackslash(state) + "TamrelFotomaz" + kPathSeparator;
}
