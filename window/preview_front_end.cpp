#include "window/preview_front_end.h"

#include "run/distribution_run.h"
#include "platform/folder_lock.h"
#include "platform/path_text.h"

std::optional<std::vector<FileOutcome>> PlanPreview(PreviewFrontEnd& frontEnd, DistributionRun& run,
                                                    const RunOptions& options) {
  FolderLock lock;
  if (lock.Take(WithBackslash(LexicallyNormal(options.source))) == FolderLocking::Busy) {
    frontEnd.SourceBusy();
    return std::nullopt;
  }
  frontEnd.Begin(options);
  if (run.DistributeFiles() != RunOutcome::Completed) return std::nullopt;
  return std::move(frontEnd.Outcomes());
}
