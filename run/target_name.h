#pragma once
// Where a file goes and under which name, before the name is made unique and
// lower-cased.

#include <string>

#include "run/run_options.h"

struct FileDate;

// The parts of a source path.
struct SourceName {
  std::string name;      // after the last separator
  std::string extension; // from the last dot of name, dot included, case kept; may be empty
  std::string baseName;  // name without extension
};

SourceName SplitSourcePath(const std::string& path);

// A target name: stem + extension. The part of the stem from cuttableFrom on
// is the original name appended to the date; it alone may be shortened when
// the whole name is too long for the file system.
struct PlannedName {
  std::string stem;
  size_t cuttableFrom = 0;
  std::string extension;
  std::string Full() const { return stem + extension; }
};

// The target name by the renaming options: a read-only file keeps its name;
// otherwise without renaming the name is kept, with renaming it is the date
// stamp plus extension, or with the original name appended the date stamp,
// "_" and the name (unless the source path holds the stamp already).
PlannedName DecideTargetName(const std::string& sourcePath, const SourceName& source,
                             const std::string& dateStamp, const RunOptions& options,
                             bool readOnly);

// The name lower-cased, its cuttable part still marked.
PlannedName LoweredName(const PlannedName& name);

// The stem of name, short enough that roomAfter more bytes (a counter tag,
// the extension) fit into limit: the cuttable part loses bytes from its end,
// never inside a UTF-8 character, until the whole fits or the part is empty.
// The rest of the stem stays whole.
std::string FitStem(const PlannedName& name, size_t roomAfter, size_t limit);

// The folder of the file in the structure: year, year/month or
// year/month/day below target (no trailing separator), or target itself.
// target ends in the separator (or is empty).
std::string TargetFolder(const std::string& target, const FileDate& date,
                         FolderStructure structure);

// Whether the structure asks for folders to be created.
bool StructureCreatesFolders(FolderStructure structure);

// folder and name joined with one separator.
std::string JoinPath(const std::string& folder, const std::string& name);
