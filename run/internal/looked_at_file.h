#pragma once
// A file the run is about to handle, looked at once. Its status and its date
// come from one open and one stat of the open file where its metadata tells
// the date: a look by name before the open would double the stats of every
// photo of a run.

#include "run/file_date.h"
#include "metadata/byte_stream.h"
#include "platform/directory_walk.h"
#include "platform/file_info.h"

#include <optional>
#include <string>

struct LookedAtFile {
  std::optional<FileStatus> status; // as StatusOf; nothing when there is no such file
  std::optional<FileSource> opened; // the file the date is read from, when opened
};

// A file dated by its metadata (file_date.h) is opened at once, without
// following a link, and its status is that of the open file. Any other
// file, and one that cannot be opened so (a link, a FIFO, gone), gets
// StatusOf: a link must be seen as a link, and a FIFO must never be read.
// kind is what the file's directory entry said when it was collected: a
// link is looked at as one at once.
LookedAtFile LookAtFile(const std::string& path, bool allFormats,
                        EntryKind kind = EntryKind::Unknown);

// DateOfFile of a file looked at so, read from its open file, with the
// sidecars of its folder (may be null); the file is closed afterwards (it is
// not held open while it moves).
DatedFile DateOfLookedAtFile(const std::string& path, bool allFormats, LookedAtFile& file,
                             const FolderSidecars* sidecars = nullptr);
