// Arbitrary run-record files: the undo and the clearing after a kill read
// records that a killed run may have cut off anywhere, or that anyone may
// have edited. Reading one must never read outside its lines, and whatever
// it yields must hold together: every group names moves of the record.
#include "run/run_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One file for every input, of this process's own; removed after each, as
// libFuzzer ends without running exit handlers.
const std::string& RecordPath() {
  static const std::string path =
      "/tmp/fuzz_run_record-" + std::to_string(getpid()) + "-00-verteilung.lauf";
  return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = RecordPath();
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
  const std::optional<RunRecord> record = ReadRunRecord(path);
  (void)RecordChecked(path);
  std::remove(path.c_str());
  if (!record) return 0;
  for (const RecordedGroup& group : record->groups)
    for (const size_t move : group.moves)
      if (move >= record->moves.size()) std::abort();
  for (const RecordedMove* move : LatestMoves(*record))
    if (move < record->moves.data() || move >= record->moves.data() + record->moves.size())
      std::abort();
  (void)LatestBackups(*record);
  return 0;
}
