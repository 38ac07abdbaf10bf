#include "run/internal/looked_at_file.h"

LookedAtFile LookAtFile(const std::string& path, bool allFormats, EntryKind kind) {
  if (kind != EntryKind::Link && DatedByMetadata(path, allFormats)) {
    if (std::optional<FileSource> opened = FileSource::Open(path, OpenLinks::Refuse)) {
      const FileStatus status = opened->Status();
      return {status, std::move(opened)};
    }
  }
  return {StatusOf(path), std::nullopt};
}

DatedFile DateOfLookedAtFile(const std::string& path, bool allFormats, LookedAtFile& file,
                             const FolderSidecars* sidecars) {
  std::optional<int64_t> modified;
  if (file.status) modified = file.status->modifiedSeconds;
  DatedFile dated =
      DateOfFile(path, allFormats, modified, file.opened ? &*file.opened : nullptr, sidecars);
  file.opened.reset();
  return dated;
}
