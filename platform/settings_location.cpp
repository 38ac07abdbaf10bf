#include "platform/settings_location.h"

#include "platform/file_info.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "platform/user_folders.h"

namespace {

// The folder that holds the configuration folders of programs; empty when
// there is none to name.
std::string ConfigHome(const SettingsEnvironment& environment) {
  if (IsAbsolutePath(environment.configHome)) return WithBackslash(environment.configHome);
  if (IsAbsolutePath(environment.home)) return WithBackslash(environment.home) + ".config/";
  return {};
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
  const SettingsEnvironment environment{EnvironmentValue("XDG_CONFIG_HOME"), HomeFolder()};
  return SettingsFilePathFor(ProgramDir(), environment);
}
