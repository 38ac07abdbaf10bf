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
//
// Two moves a kill leaves half done are completed from the record's
// intents, each with its done line appended to the record, so the undo of
// that run takes them back: a copy across file systems that got its final
// name before its source was removed (the file at both places, the same
// bytes: the source goes), and a group of pictures that belong together
// whose leader moved before its other members (they follow it to the names
// planned with it, or, where they cannot, are reported).

#include "run/file_outcome.h"
#include "run/run_record.h"

#include <string>
#include <vector>

// Whether the file at path is still as the record describes it.
bool HoldsRecorded(const std::string& path, const RecordedFile& expected);

// An empty regular file at the move's target while its source is still the
// file the intent recorded: the name the move reserved, not a moved file
// (the rename over a reservation is atomic, so no inode is needed, and a
// remounted card still matches).
bool IsReservation(const RecordedMove& move);

// Clears and completes what the ended runs recorded in recordFolder left
// behind, within the bounds of their records (record_bounds.h). What it
// returns stayed: each member of a group that could not follow its leader.
std::vector<FileOutcome> ClearAfterKilledRuns(const std::string& recordFolder);
