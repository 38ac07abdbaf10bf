#pragma once
// Gathering the files of a run: the files under a folder whose names match
// the chosen kinds, grouped by pattern, each group in tree order.

#include <string>
#include <vector>

#include "run/collected_files.h"
#include "run/file_outcome.h"
#include "run/run_options.h"

class RunFrontEnd;

// The patterns of the three kinds of files, in their order.
const std::vector<std::string>& AllFilesPatterns();
const std::vector<std::string>& PicturePatterns();
const std::vector<std::string>& VideoPatterns();
// Collected after those of their kind when the phone and camera formats are
// included (RunOptions::modernFormats).
const std::vector<std::string>& ModernPicturePatterns();
const std::vector<std::string>& ModernVideoPatterns();

// Appends to list the files under folder that match any of
// patterns, in the order in which one walk per pattern, pattern by pattern,
// would find them: files of a folder before its subfolders, depth first. The
// tree is read once. A file that matches several patterns is listed once,
// under the first. A sidecar (internal/sidecar_names.h) is listed only by
// the pattern of every file, "*.*". For every pattern and folder the front end handles its
// events once and shows "Dateien gefunden: N  " with the count gathered so
// far (frontEnd may be null). What stays without being handled is appended
// to stays, when given, each once, in walk order: the folders that could not
// be read (FolderUnreadable) and the links to a file inside the tree
// (LinkIntoSource), which are not listed.
void CollectFiles(const std::string& folder, const std::vector<std::string>& patterns,
                  CollectedFiles& list, RunFrontEnd* frontEnd,
                  std::vector<FileOutcome>* stays = nullptr);

// The same for one pattern.
void CollectFiles(const std::string& folder, const std::string& pattern, CollectedFiles& list,
                  RunFrontEnd* frontEnd);

// Whether a list that is filled keeps the entries it held before.
enum class ListFill { Replace, Append };

// Which files a collection takes, and whether it keeps what list held.
struct FileChoice {
  FileKinds kinds;
  bool modernFormats = false;
  ListFill fill = ListFill::Replace;
};

// Fills list with the files of the chosen kinds under folder: every file when
// kinds.all is set, otherwise the picture patterns then the video patterns of
// the set kinds, each kind followed by its modern patterns when modernFormats.
void FillFileList(const std::string& folder, CollectedFiles& list, const FileChoice& choice,
                  RunFrontEnd* frontEnd, std::vector<FileOutcome>* stays = nullptr);
