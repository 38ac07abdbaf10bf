#pragma once
// The options of a headless run: from the command line, else from the
// settings file of the options dialog, else the dialog's own defaults.

#include "tools/verteilen/command_line.h"

#include <optional>
#include <string>

struct RunOptions {
  std::string source; // quellee: folder path ending in the separator, or empty
  std::string target; // ziele: the same
  FileKinds kinds;
  bool renameByDate = true;      // exifrenamecb
  bool keepOriginalName = false; // keepfncb
  int structure = 1;             // verteiloptcbb: 0, 1, 2, or -1 for none
};

// The settings file of the window program (platform/settings_location.h).
std::string DefaultSettingsPath();

// Every option of line that is given, the others as the options dialog would
// load them from the settings file at settingsPath (section "optionenf"). A
// folder given on the command line is made absolute and ends in the
// separator.
RunOptions ResolveRunOptions(const CommandLine& line, const std::string& settingsPath);

// The checks of the "Bilder verteilen" button: both folders chosen, then the
// source, then the target folder present. The message of the first that
// fails; nothing when a run may start.
std::optional<std::string> FolderProblem(const RunOptions& options);
