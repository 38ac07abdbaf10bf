#pragma once
// The command line of fotomaz-verteilen: which options were given, and with
// which values. Options not given stay empty; they come from the settings.

#include "run/run_options.h"

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
  std::optional<std::string> source;        // --quelle
  std::optional<std::string> target;        // --ziel
  std::optional<FileKinds> kinds;           // --dateien
  std::optional<bool> renameByDate;         // --umbenennen
  std::optional<bool> keepOriginalName;     // --originalname
  std::optional<bool> modernFormats;        // --moderne
  std::optional<bool> companions;           // --begleiter
  std::optional<FolderStructure> structure; // --ordner
  std::optional<bool> skipIdentical;        // --gleiche
  std::optional<std::string> settingsFile;  // --einstellungen
  std::optional<std::string> logFile;       // --protokoll
  std::optional<std::string> undoRecord;    // --rueckgaengig[=DATEI]: empty for the newest run
  bool dryRun = false;                      // --probelauf
  bool assumeYes = false;                   // --ja
  bool help = false;                        // --hilfe
  bool version = false;                     // --version
};

struct ParsedCommandLine {
  CommandLine options;
  std::string error; // why the arguments are unusable (German); empty when they are usable
};

// Options are written "--name VALUE" or "--name=VALUE"; a later one wins.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --hilfe.
const char* HelpText();
