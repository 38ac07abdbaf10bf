#pragma once
// What a killed run leaves behind besides its record. On a file system
// without no-replace rename and hard links (exFAT, FAT, FUSE and network
// file systems), a move reserves the final name with an empty file and
// renames over it: killed in between, the empty reservation stays under a
// photo's name. A copy across file systems killed before its end leaves its
// hidden temporary file. Before its first move, every real run and every
// undo clears both for each record whose process has ended and that was not
// checked yet, and marks the record checked; the undo also removes the
// reservation of an intent it resolves.

#include "run/run_record.h"

#include <string>

// An empty regular file at the move's target while its source is still the
// file the intent recorded: the name the move reserved, not a moved file
// (the rename over a reservation is atomic, so no inode is needed, and a
// remounted card still matches).
bool IsReservation(const RecordedMove& move);

// Clears what the ended runs recorded in recordFolder left behind, within
// the bounds of their records (record_bounds.h).
void ClearAfterKilledRuns(const std::string& recordFolder);
