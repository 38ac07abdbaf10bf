#pragma once
// The command line of fotomaz-verteilen: which options were given, and with
// which values. Options not given stay empty; they come from the settings.
// The options, their values and --hilfe come from the option table
// (run/option_table.h).

#include "run/option_table.h"

#include <optional>
#include <string>
#include <vector>

// A run option as written: its row and its value, already checked.
struct GivenOption {
  const OptionRow* row = nullptr;
  std::string value;
};

struct CommandLine {
  // In the order given; applied in that order over the settings, so a later
  // one wins.
  std::vector<GivenOption> runOptions;
  std::optional<std::string> settingsFile; // --einstellungen
  std::optional<std::string> logFile;      // --protokoll
  std::optional<std::string> undoRecord;   // --rueckgaengig[=DATEI]: empty for the newest run
  bool dryRun = false;                     // --probelauf
  bool assumeYes = false;                  // --ja
  bool help = false;                       // --hilfe
  bool version = false;                    // --version
};

struct ParsedCommandLine {
  CommandLine options;
  std::string error; // why the arguments are unusable (German); empty when they are usable
};

// Options are written "--name VALUE" or "--name=VALUE"; a later one wins.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --hilfe: its option lines from the option table.
const char* HelpText();
