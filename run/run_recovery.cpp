#include "run/internal/run_recovery.h"

#include "run/internal/record_bounds.h"
#include "platform/append_file.h"
#include "platform/file_info.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"

#include <set>

bool IsReservation(const RecordedMove& move) {
  const std::optional<FileStatus> target = EntryStatusOf(move.target);
  const std::optional<FileStatus> source = StatusOf(move.source);
  return target && target->regular && target->size == 0 && source &&
         source->identity != target->identity && RecordedFileOf(*source) == move.before;
}

void ClearAfterKilledRuns(const std::string& recordFolder) {
  for (const std::string& path : RecordPaths(recordFolder)) {
    if (RecordChecked(path)) continue;
    const std::optional<RunRecord> record = ReadRunRecord(path);
    if (!record || record->checked || ProcessRunning(record->process)) continue;
    RecordBounds bounds(*record);
    std::set<std::string> folders;
    for (const RecordedMove* move : LatestMoves(*record)) {
      if (move->after || !bounds.TargetWithin(move->target)) continue;
      if (IsReservation(*move)) RemoveFile(move->target);
      folders.insert(FolderOf(move->target));
    }
    // Its process has ended: none of its temporary copies is in hand.
    for (const std::string& folder : folders)
      RemoveTemporaryCopiesOf(folder, record->process);
    MarkChecked(path);
  }
}
