#pragma once
// The options of a headless run: from the command line, else from the
// settings file of the options dialog, else the dialog's own defaults.

#include "run/run_options.h"
#include "tools/verteilen/command_line.h"

#include <string>

// Every option of line that is given, the others as the options dialog would
// load them from the settings file at settingsPath. A folder given on the
// command line is made absolute and ends in the separator.
RunOptions ResolveRunOptions(const CommandLine& line, const std::string& settingsPath);
