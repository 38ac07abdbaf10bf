#pragma once
// The window's report of a run or an undo, built from what became of each
// file: a summary line of counts ("12 Dateien verschoben, 1 Datei lag schon
// im Ziel, 2 nicht bearbeitet") and one line per file, the failures first,
// then the files found in the target, then those moved (or put back), then
// those already in place, each group in the run's order. Paths are escaped
// as everywhere the program shows them.

#include "platform/modal.h"
#include "run/file_outcome.h"

#include <cstddef>
#include <string>
#include <vector>

enum class ReportOf {
  Distribution,
  Copy, // a run that copied its files: "kopiert" where a move says "verschoben"
  Undo,
  CopyUndo, // the undo of a copy run, which removed the copies: "gelöscht"
};

struct ReportCounts {
  size_t moved = 0;   // moved or copied, or put back or removed by an undo
  size_t inPlace = 0; // already where they belong
  size_t present = 0; // their bytes lay in the target already
  size_t stayed = 0;  // could not be moved (or put back)
  size_t notReached = 0;
  // Of moved: copies an undo removed (the second target's, in the undo of a
  // moving run, which puts the others back).
  size_t removed = 0;
};

ReportCounts CountOutcomes(const std::vector<FileOutcome>& outcomes, size_t notReached);
std::string ReportSummary(const ReportCounts& counts, ReportOf of);
RunReport MakeRunReport(const std::vector<FileOutcome>& outcomes, size_t notReached,
                        const std::string& recordPath, ReportOf of);
// The whole list as "Kopieren" puts it on the clipboard: one line each.
std::string ReportListText(const RunReport& report);
