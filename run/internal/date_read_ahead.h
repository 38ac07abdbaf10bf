#pragma once
// The looks and dates of the files after the one in hand, read by a few
// threads while the run decides and moves. On a share or a card every look
// and read waits for the device or the network; several files' reads
// overlap there, one file's do not. The run still takes the results one by
// one in its list's order and decides with each as if it had looked at the
// file itself at that moment, so every plan, name, record and report is
// that of a run that reads each file in its turn.
//
// A result read ahead is keyed on the file's place in the list, its path
// and the capture-date option it was read under (which decides how a file is
// dated). The file is looked at again when the run takes it, and the result
// thrown away, when
// - the option differs when the run takes it (the window changed it);
// - the look found no regular file: a gone file's path may since hold what
//   the run put there, and the run must see that as it would have;
// - the file has more than one name: the run's move of another name
//   changes its change time (a group's member's too);
// - the run took it once already (a batch decided again looks again).
// Nothing else the run does touches a file of its list before its turn: it
// places files and folders only under free names. A group of files that
// belong together is read at its first file in the list, as its turn reads
// it (ReadGroup), and held only where every member's look holds.

#include "run/collected_files.h"
#include "run/file_date.h"
#include "run/file_plan.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct CompanionGroup;
class CompanionGroups;

// Readers while a run works. On a share each read waits for round trips,
// so readers overlap them; measured on a share waiting 1 ms per request
// (300 camera files, docs/run.md "Benchmark"), two to four readers took the
// run from 10.4 s to 7.0-7.4 s, eight and sixteen no further: the run's own
// moves, one at a time, are then the larger part. Four leave room for moves
// in flight. On a local disk the reads cost processor time that the two
// cores share with the run, and more readers than cores only take turns.
inline constexpr size_t kDateReaders = 4;
// How far the readers run ahead of the file in hand. A batch decides up to
// 256 files and then moves them; the readers read ahead while it moves, and
// the next batch's decisions find that many files read. Measured on that
// share: 32 files ahead gave 9.1-10.1 s, 128 gave 7.0 s, 256 7.4 s. It also
// bounds how long before its turn a file is looked at.
inline constexpr size_t kReadAheadFiles = 128;

// A file of the run's list as the run reads it: its look (LookAtFile), then,
// where it is a regular file (what PlanFile dates), its date. The file is
// closed again.
struct ReadListedFile final : FileDating {
  std::optional<FileStatus> status;
  // A group's: every member's look (StatusOf), in the group's order; status
  // is the leader's.
  std::vector<std::optional<FileStatus>> members;
  std::optional<DatedFile> dated;
  std::exception_ptr dateError; // what reading the date threw
  bool dateRead = false;

  // The date read, or the error the read threw (PlanFile makes that
  // DateUnreadable); read now where it was not (a file no regular file).
  DatedFile Date() const override;

  ReadListedFile() = default;
  ReadListedFile(ReadListedFile&&) = default;
  ReadListedFile& operator=(ReadListedFile&&) = default;
  ~ReadListedFile() = default;

  // Where it was read, for a late Date.
  std::string path;
  bool allFormats = false;
  const FolderSidecars* sidecars = nullptr;
};

// Reads file of files so, on the calling thread.
ReadListedFile ReadListed(const CollectedFiles& files, size_t file, bool allFormats);
// Reads group so: every member looked at, and, where the leader is a regular
// file, the group's date (the first capture date in the members' order,
// group_read.cpp), on the calling thread.
ReadListedFile ReadGroup(const CollectedFiles& files, const CompanionGroup& group, bool allFormats);

class DateReadAhead {
public:
  // Reads ahead the files of files that readsItself names (the run reads
  // them itself, one by one), under allFormats, on readers threads; with
  // none, every file is read when it is taken. A group of groups is read
  // at its first file in the list, as a whole, and not at its other
  // members'. files and groups stay unchanged while the readers run.
  DateReadAhead(const CollectedFiles& files, const CompanionGroups& groups,
                std::function<bool(size_t)> readsItself, bool allFormats, size_t readers);
  // Stops.
  ~DateReadAhead();
  DateReadAhead(const DateReadAhead&) = delete;
  DateReadAhead& operator=(const DateReadAhead&) = delete;

  // The look and date of file under allFormats, read ahead where that holds,
  // else read now. From the run's thread, in the list's order.
  ReadListedFile Take(size_t file, bool allFormats);
  // Lets each reader finish the file in hand and joins them; no file is
  // left open. Take reads every file itself from then on.
  void Stop();

private:
  struct Slot {
    size_t file = kNone;
    uint64_t claim = 0;   // which claim of the slot this is
    bool reading = false; // a reader has it in hand
    bool allFormats = false;
    ReadListedFile read;
  };
  static constexpr size_t kNone = static_cast<size_t>(-1);

  void Read();
  // The file's or its group's read, on the calling thread.
  ReadListedFile ReadInTurn(size_t file, bool allFormats) const;
  bool Claimable() const;
  // Whether slot's result may be used for a file taken under allFormats.
  bool Holds(const Slot& slot, bool allFormats) const;

  const CollectedFiles& files_;
  const CompanionGroups& groups_;
  const std::function<bool(size_t)> readsItself_;
  std::mutex mutex_;
  std::condition_variable work_;     // readers wait for files to read
  std::condition_variable finished_; // the run waits for a read in hand
  std::vector<Slot> slots_;          // by file modulo their count
  size_t nextToRead_ = 0;            // the first file no reader claimed
  size_t nextToTake_ = 0;            // the first file the run has not taken
  uint64_t claims_ = 0;
  bool allFormats_ = false;
  bool stopping_ = false;
  std::vector<std::thread> readers_;
};
