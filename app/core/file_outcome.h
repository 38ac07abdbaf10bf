#pragma once
// What became of one file of a run, as the run reports it to its front end.

#include <string>

enum class FileResult {
  Moved,  // at its target now (in a dry run: would be moved there)
  Stayed, // left where it is
};

// Why a file stayed in the source folder.
enum class StayReason {
  NoTargetFolder,   // the target folder text was empty
  FolderNotCreated, // its date folder could not be created
  NoFreeName,       // no free numbered name was found
  MoveFailed,       // the move itself failed
};

struct FileOutcome {
  std::string source; // full path
  FileResult result = FileResult::Moved;
  std::string target;  // Moved: full path of the target
  StayReason reason{}; // Stayed: why
};
