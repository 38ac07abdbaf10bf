#pragma once
// Moving many files across file systems with few flushes. A copy is durable
// only once flushed, and a source may go only after that; flushing each copy
// on its own (fsync) costs a journal commit per file. A batch instead copies
// up to kBatchFiles files or kBatchBytes bytes into hidden temporary files
// beside their targets, flushes them all with one syncfs of the target's
// file system (where that reaches the medium), reads each back from the
// device and compares it with its source, gives each its final name,
// flushes each target folder once, and only then removes the sources. The
// promises of MoveFileNoReplace hold for every file: a source is removed
// only after its copy is durable and was read back whole, no incomplete or
// wrongly stored file ever carries a final name, and at any moment each file's content exists at
// least once (a kill between the final names and the removals leaves it twice, complete).
//
// MoveFileNoReplace is a batch of one (flushed with fsync, which is cheaper
// than syncfs for one file); both share every step.

#include "platform/file_copy.h"
#include "platform/move_result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

// The final result of a staged file.
struct CommittedMove {
  std::string from, to;
  MoveResult result;
};

class CrossDeviceBatch {
public:
  // Files and bytes copied before a commit: a stop waits for at most one
  // batch's flush, and at most 2 × kBatchFiles descriptors are open.
  static constexpr size_t kBatchFiles = 64;
  static constexpr uint64_t kBatchBytes = uint64_t{256} << 20;

  // What becomes of a source once its copy took its final name.
  enum class Sources {
    Removed, // a move: within a file system a rename, across them a copy
    Kept,    // an import that keeps the card as it is: always a copy, even on one
             // file system, and the source is never changed, renamed or removed
  };

  // settled is told each staged file's final result during a commit, in
  // staging order, as soon as it is final (moved: after its source was
  // removed), so a caller can log each file as it lands.
  explicit CrossDeviceBatch(std::function<void(const CommittedMove&)> settled,
                            Sources sources = Sources::Removed);
  // Removes the temporary copies of files staged and not committed.
  ~CrossDeviceBatch();
  CrossDeviceBatch(const CrossDeviceBatch&) = delete;
  CrossDeviceBatch& operator=(const CrossDeviceBatch&) = delete;

  // Moves from to to (full paths); with Sources::Kept copies it (a link as
  // a link), ending in Copied. Within a file system (and for a link, or
  // any failure before the copy is complete) the move is done at once and
  // its result returned, as MoveFileNoReplace gives it. Across file systems
  // the file is copied into a temporary file and staged: nullopt,
  // its result comes through settled. A name already staged counts as taken.
  // The batch commits itself once it holds kBatchFiles files or kBatchBytes
  // (so settled may be called from within Stage).
  // After AbandonCopyInHand() the copy in hand and every later one is
  // Abandoned (its temporary file removed); copies staged before stay
  // staged, to be committed. fromDevice: the device of from's entry (not a
  // link's file) where the caller looked at it already, so the move need not
  // look again (MoveFileNoReplace).
  std::optional<MoveResult> Stage(const std::string& from, const std::string& to,
                                  std::optional<uint64_t> fromDevice = std::nullopt);

  // Whether Stage tries a rename within one file system first (a move, not
  // a copy run): such renames may be made in flight (moves_in_flight.h) and
  // their results handed to StageRenamed.
  bool RenamesFirst() const;
  // Stage for a move whose rename was made already and ended as renamed:
  // across file systems (EXDEV) the file is copied and staged, otherwise
  // renamed is its result. The caller keeps the targets of its moves apart
  // (the rename cannot know the names staged).
  std::optional<MoveResult> StageRenamed(const std::string& from, const std::string& to,
                                         const MoveResult& renamed);

  // Commits the staged files (see above) in two steps: every copy is placed
  // under its final name (PlaceCopies), then the sources of the placed
  // copies are removed (RemoveSourceOf; not with Sources::Kept, where a
  // placed copy is Copied). The batch is empty afterwards.
  // A stop does not cut a commit short: every staged copy is complete.
  void Commit();

  bool Empty() const { return staged_.empty(); }

private:
  struct Staged {
    std::string from, to, temporary;
    int source = -1, target = -1;     // open until the commit
    struct stat before {};            // the source when it was opened
    struct stat copied {};            // the copy once complete
    bool placed = false;              // under its final name
    std::optional<MoveResult> result; // once final
  };

  std::optional<MoveResult> CopyAcross(const std::string& from, const std::string& to);
  // Copies a file the rename (renamed, when tried) did not move, and commits
  // a full batch.
  std::optional<MoveResult> AfterRename(const std::string& from, const std::string& to,
                                        std::optional<MoveResult> renamed);
  std::optional<MoveResult> CopyRegularFile(Staged& file);
  // A commit's two steps. The first places every staged copy: flushed,
  // under its final name, its folder flushed (a copy that fails keeps no
  // name, its result set). The second, for each placed copy, removes its
  // source, and only while the source's path still names the copied file;
  // it sets the copy's result.
  void PlaceCopies();
  static void RemoveSourceOf(Staged& file);
  void Flush();
  void ReadBack();
  static void PlaceCopy(Staged& file);
  static void Release(Staged& file);

  std::function<void(const CommittedMove&)> settled_;
  const Sources sources_;
  std::vector<Staged> staged_;
  uint64_t stagedBytes_ = 0;
  DataCopier copier_;
};
