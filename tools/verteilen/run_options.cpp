#include "tools/verteilen/run_options.h"

#include "platform/path_text.h"
#include "run/option_binding.h"

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
  for (const GivenOption& given : line.runOptions) {
    const bool folder = given.row->value == OptionValue::Folder;
    SetOptionWord(*given.row, folder ? CommandLineFolder(given.value) : given.value, options);
  }
  return options;
}
