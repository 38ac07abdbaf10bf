#include "platform/settings_location.h"

#include "platform/file_info.h"
#include "platform/path_text.h"
#include "platform/program_path.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsAbsolute(const std::string& path) {
  return !path.empty() && path.front() == kPathSeparator;
}

// The folder that holds the configuration folders of programs; empty when
// there is none to name.
std::string ConfigHome(const SettingsEnvironment& environment) {
  if (IsAbsolute(environment.configHome)) return WithBackslash(environment.configHome);
  if (IsAbsolute(environment.home)) return WithBackslash(environment.home) + ".config/";
  return {};
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// A session without HOME (started by a service, say) still has a user.
std::string UserDatabaseHome() {
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

} // namespace

std::string SettingsFilePathFor(const std::string& programDir,
                                const SettingsEnvironment& environment) {
  const bool installed = DirectoryExists(programDir + kInstalledDataFolder);
  const std::string configHome = installed ? ConfigHome(environment) : std::string();
  if (configHome.empty()) return programDir + kSettingsFileName;
  return configHome + kSettingsFolderName + kPathSeparator + kSettingsFileName;
}

std::string SettingsFilePath() {
  SettingsEnvironment environment{EnvironmentValue("XDG_CONFIG_HOME"), EnvironmentValue("HOME")};
  if (environment.home.empty()) environment.home = UserDatabaseHome();
  return SettingsFilePathFor(ProgramDir(), environment);
}
