#include "tools/verteilen/run_options.h"

#include "platform/file_info.h"
#include "platform/ini.h"
#include "platform/path_text.h"
#include "platform/settings_location.h"

#include <filesystem>

namespace {

constexpr const char* Section = "optionenf";

bool ReadCheck(const std::string& path, const char* key, bool defaultValue) {
  return IniReadInt(path, Section, key, defaultValue ? 1 : 0) != 0;
}

// A relative folder names a folder below the current one, as in a shell.
std::string CommandLineFolder(const std::string& text) {
  if (text.empty()) return text;
  std::filesystem::path path(text);
  if (path.is_relative()) path = std::filesystem::absolute(path).lexically_normal();
  return WithBackslash(path.string());
}

} // namespace

std::string DefaultSettingsPath() {
  return SettingsFilePath();
}

RunOptions ResolveRunOptions(const CommandLine& line, const std::string& settingsPath) {
  const RunOptions defaults;
  RunOptions options;
  options.source = line.source ? CommandLineFolder(*line.source)
                               : IniReadString(settingsPath, Section, "quellee", "");
  options.target = line.target ? CommandLineFolder(*line.target)
                               : IniReadString(settingsPath, Section, "ziele", "");
  options.renameByDate =
      line.renameByDate.value_or(ReadCheck(settingsPath, "exifrenamecb", defaults.renameByDate));
  options.keepOriginalName = line.keepOriginalName.value_or(
      ReadCheck(settingsPath, "keepfncb", defaults.keepOriginalName));
  options.kinds =
      line.kinds.value_or(FileKinds{ReadCheck(settingsPath, "allcb", defaults.kinds.all),
                                    ReadCheck(settingsPath, "piccb", defaults.kinds.pictures),
                                    ReadCheck(settingsPath, "videocb", defaults.kinds.videos)});
  // A stored index outside the three entries leaves the dialog without a
  // selection.
  const int stored = IniReadInt(settingsPath, Section, "verteiloptcbb", defaults.structure);
  options.structure = line.structure.value_or(stored >= 0 && stored <= 2 ? stored : -1);
  return options;
}

std::optional<std::string> FolderProblem(const RunOptions& options) {
  if (options.source.empty() || options.target.empty()) {
    return "Bitte zuerst den Quell und Zielordner der Daten auswählen!";
  }
  if (!DirectoryExists(options.source)) return "Der Quellordner existiert nicht (mehr)!";
  if (!DirectoryExists(options.target)) return "Der Zielordner existiert nicht (mehr)!";
  return std::nullopt;
}
