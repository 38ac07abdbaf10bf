#include "tools/verteilen/run_options.h"

#include "platform/path_text.h"

#include <filesystem>

namespace {

// A relative folder names a folder below the current one, as in a shell.
std::string CommandLineFolder(const std::string& text) {
  if (text.empty()) return text;
  std::filesystem::path path(text);
  if (path.is_relative()) path = std::filesystem::absolute(path).lexically_normal();
  return WithBackslash(path.string());
}

} // namespace

RunOptions ResolveRunOptions(const CommandLine& line, const std::string& settingsPath) {
  RunOptions options = ReadRunOptions(settingsPath);
  if (line.source) options.source = CommandLineFolder(*line.source);
  if (line.target) options.target = CommandLineFolder(*line.target);
  options.kinds = line.kinds.value_or(options.kinds);
  options.renameByDate = line.renameByDate.value_or(options.renameByDate);
  options.keepOriginalName = line.keepOriginalName.value_or(options.keepOriginalName);
  options.modernFormats = line.modernFormats.value_or(options.modernFormats);
  options.companions = line.companions.value_or(options.companions);
  options.structure = line.structure.value_or(options.structure);
  options.skipIdentical = line.skipIdentical.value_or(options.skipIdentical);
  return options;
}
