#pragma once
// Run records: what a real run did, written while it happens, so that the
// run can be taken back. One file per run in the user's state folder
// (platform/user_folders.h), named after the run's start and process id:
//
//   TamrelFotomaz-Aufzeichnung<TAB>2
//   art<TAB>verteilung | rueckgaengig
//   beginn<TAB>2026-12-08 10:11:12
//   prozess<TAB>PID                  its temporary copies are named after it
//   quelle<TAB>FOLDER, ziel<TAB>FOLDER, optionen<TAB>TEXT
//                                  (TEXT ends in sicherung=FOLDER when the run has a
//                                  second target; the folder escaped, and the rest of
//                                  the line, spaces included)
//   ziel<TAB>FOLDER                  again before the first move into a new target
//   ordner<TAB>FOLDER                                   a folder the run created
//   gruppe<TAB>N                   the N intents that follow are one group of pictures
//                                  that belong together, its leader first
//   absicht<TAB>SOURCE<TAB>TARGET<TAB>SIZE<TAB>SEC.NSEC  before a move: the file as it is
//   erledigt<TAB>SOURCE<TAB>TARGET<TAB>SIZE<TAB>SEC.NSEC<TAB>TYPE<TAB>DEVICE<TAB>INODE
//                                  after it: the file as it landed, TYPE datei | verknuepfung
//   sicherung<TAB>SOURCE<TAB>COPY<TAB>SIZE<TAB>SEC.NSEC   before the copy into the second
//                                  target (after the file's absicht, where it has one)
//   gesichert<TAB>SOURCE<TAB>COPY<TAB>SIZE<TAB>SEC.NSEC<TAB>TYPE<TAB>DEVICE<TAB>INODE
//                                  after it: the copy as it landed
//   ergaenzt<TAB>PID               a later run completes what the kill left half done;
//                                  its temporary copies are named after it
//   geprueft                       nothing a kill left behind waits: written at a clean
//                                  end, or by a later run that cleared it
//   zurueckgenommen<TAB>RECORD                           the run was taken back by RECORD
//
// Paths are escaped as in the move log (escaped_text.h) and lexically
// normal: absolute, without ".", ".." or empty components, folders without a
// trailing separator. Version 1 records (done lines without type, device and
// inode) are read as well. Lines are written by whole appends, so a killed
// run leaves whole lines. Lines wait in the writer until Flush: the intents
// of a batch of files reach the file in one append before any of them
// moves, their done lines (and created folders) in one append after, so a
// run writes twice per batch rather than once per file. A run killed in
// between leaves intents without their done lines, which the undo resolves
// by looking at the files; an intent never reached finds its file still in
// the source.

#include "platform/append_file.h"
#include "platform/file_info.h"
#include "run/run_options.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The folder beside the records that keeps the lock files of source
// folders whose file system takes no locks (platform/folder_lock.h): made
// when first needed, never emptied (another run may hold a file of it).
std::string LockFileFolder(const std::string& recordFolder);

enum class RecordKind { Distribution, Undo };

// A file as a record describes it: enough to tell it is still the same one.
struct RecordedFile {
  int64_t size = 0;
  int64_t modifiedSeconds = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const RecordedFile&) const = default;
};
RecordedFile RecordedFileOf(const FileStatus& status);

// The entry a move left at its target (version 2 records).
struct LandedEntry {
  bool link = false; // a symbolic link was moved, not a regular file
  FileIdentity identity{};
  bool operator==(const LandedEntry&) const = default;
};

struct RecordedMove {
  std::string source;
  std::string target;
  RecordedFile before;               // the source before the move
  std::optional<RecordedFile> after; // the target after it; nothing when not done
  std::optional<LandedEntry> landed; // with after, where the record tells
};

// A group of pictures that belong together (companion_groups.h): its
// intents, recorded before its leader moved, so that a run killed between
// the members' moves can be completed.
struct RecordedGroup {
  std::vector<size_t> moves; // indexes in RunRecord::moves, the leader first
};

struct RunRecord {
  std::string path;
  RecordKind kind = RecordKind::Distribution;
  std::string started;
  long process = 0;
  std::string source;
  std::vector<std::string> targets;        // every target folder, in the order used
  std::vector<std::string> createdFolders; // in the order created
  std::vector<RecordedMove> moves;         // in the order tried
  std::vector<RecordedGroup> groups;       // in the order tried
  // The second target (sicherung= of its optionen), empty for none, and the
  // copies placed there, in the order tried (source: the file copied).
  std::string backup;
  std::vector<RecordedMove> backups;
  bool takenBack = false;
  bool checked = false; // what a kill left behind was cleared (geprueft)
  // The run copied its files (its optionen say kopieren=ja): its sources
  // stayed, and taking it back removes the copies.
  bool copies = false;
  // The processes that began to complete it after the kill (ergaenzt).
  std::vector<long> completers;
};

// The moves of record to look at, newest first: the latest intent of each
// source (a move retried under another name left earlier intents).
std::vector<const RecordedMove*> LatestMoves(const RunRecord& record);
// The same of the copies in the second target.
std::vector<const RecordedMove*> LatestBackups(const RunRecord& record);

// A record that cannot be created or written; the message names its file.
class RunRecordError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Names an intent to the done line of its move, which then takes the
// intent's path texts instead of escaping the paths again.
using IntentTicket = uint64_t;

class RunRecordWriter {
public:
  // Creates a new record in folder (made when missing). Throws
  // RunRecordError when it cannot. The oldest records beyond
  // kKeptRunRecords are removed.
  RunRecordWriter(const std::string& folder, RecordKind kind, const RunOptions& options);

  // Writes what waits and marks the record checked: only a killed run, which
  // never gets here, can leave what a later run must clear (best effort: a
  // destructor cannot report).
  ~RunRecordWriter();
  RunRecordWriter(const RunRecordWriter&) = delete;
  RunRecordWriter& operator=(const RunRecordWriter&) = delete;

  const std::string& Path() const { return path_; }
  // Flush throws RunRecordError when the record cannot be written. An
  // intent waits for the next Flush, which must come before its move.
  // The target folder of the next moves; recorded when it changed.
  void TargetFolder(const std::string& folder);
  void FolderCreated(const std::string& folder);
  // The next `members` intents are those of one group, its leader first.
  void Group(size_t members);
  IntentTicket Intent(const std::string& source, const std::string& target,
                      const RecordedFile& file);
  // entry: the target as lstat sees it after the move (nothing when unseen);
  // intent: the ticket of the move's intent.
  void Done(const std::string& source, const std::string& target, const RecordedFile& landed,
            const std::optional<FileStatus>& entry, std::optional<IntentTicket> intent);
  // The copy of source into the second target, before and after it.
  void BackupIntent(const std::string& source, const std::string& copy, const RecordedFile& file);
  void BackupDone(const std::string& source, const std::string& copy, const RecordedFile& landed,
                  const std::optional<FileStatus>& entry);
  void Flush();
  // Renames the record to its empty run's name (…-leer.lauf), which no
  // undo looks for: the run moved nothing. False when it keeps its name.
  bool MarkEmpty();

private:
  // The record text of paths: the run names many files of one folder in a
  // row, so the text of the last folder met is kept and only each name is
  // escaped (escaping after a separator gives the text of the whole path).
  class PathTexts {
  public:
    void Append(std::string& out, const std::string& path);

  private:
    std::string folder_; // with its separator
    std::string text_;   // its record text
    bool normal_ = false;
  };

  void Write(const std::string& lines);
  void AppendPaths(const std::string& source, const std::string& target);

  std::string path_;
  std::optional<AppendFile> file_;
  std::string waiting_;     // lines written with the next Flush
  std::string target_;      // the target folder last recorded
  std::string givenTarget_; // and its text as given
  // The path texts of the latest intents, by ticket from firstTicket_ on;
  // emptied when their done line took them.
  static constexpr size_t kKeptIntentTexts = 512; // two batches of the run
  std::deque<std::string> intentTexts_;
  IntentTicket firstTicket_ = 0;
  PathTexts sourceTexts_, targetTexts_;
  bool lineCut_ = false; // a write failed, perhaps in the middle of a line
};

inline constexpr size_t kKeptRunRecords = 100;

// The record at path; nothing when it is no record.
std::optional<RunRecord> ReadRunRecord(const std::string& path);
// The newest record of a distribution in folder not yet taken back and not
// one of a run that moved nothing (`-leer`), passing over empty files (a run
// killed before it wrote a line); empty when there is none.
std::string NewestUndoableRecord(const std::string& folder);
// Marks record as taken back by the undo recorded in undoRecord.
bool MarkTakenBack(const std::string& record, const std::string& undoRecord);
// The record files of folder, oldest first.
std::vector<std::string> RecordPaths(const std::string& folder);
// Whether the record at path was checked after its process ended; only
// its end is read. May say no for a record that was (then checked again).
bool RecordChecked(const std::string& path);
// Marks the record at path as checked.
bool MarkChecked(const std::string& path);
// Notes in the record at path that this process completes it now.
bool MarkCompleting(const std::string& path);
// Appends to the record at path, whose writer is gone, the done line of its
// move that a later run completed: landed, the file at the target (links
// followed), entry the target itself.
bool AppendDone(const std::string& path, const RecordedMove& move, const RecordedFile& landed,
                const FileStatus& entry);
// The same for a copy in the second target.
bool AppendBackupDone(const std::string& path, const RecordedMove& copy, const RecordedFile& landed,
                      const FileStatus& entry);
