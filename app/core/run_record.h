#pragma once
// Run records: what a real run did, written while it happens, so that the
// run can be taken back. One file per run in the user's state folder
// (platform/user_folders.h), named after the run's start and process id:
//
//   TamrelFotomaz-Aufzeichnung<TAB>1
//   art<TAB>verteilung | rueckgaengig
//   beginn<TAB>2026-12-08 10:11:12
//   prozess<TAB>PID                  its temporary copies are named after it
//   quelle<TAB>FOLDER, ziel<TAB>FOLDER, optionen<TAB>TEXT
//   ordner<TAB>FOLDER                                   a folder the run created
//   absicht<TAB>SOURCE<TAB>TARGET<TAB>SIZE<TAB>SEC.NSEC  before a move: the file as it is
//   erledigt<TAB>SOURCE<TAB>TARGET<TAB>SIZE<TAB>SEC.NSEC after it: the file as it landed
//   zurueckgenommen<TAB>RECORD                           the run was taken back by RECORD
//
// Paths are escaped as in the move log (escaped_text.h). Lines are written
// by whole appends, so a killed run leaves whole lines. An intent reaches
// the file before its move; the done line (and a created folder) waits for
// the next intent or the end, so one write per file suffices: a run killed
// in between leaves an intent without its done line, which the undo
// resolves by looking at the files.

#include "app/core/run_options.h"
#include "platform/append_file.h"
#include "platform/file_info.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class RecordKind { Distribution, Undo };

// A file as a record describes it: enough to tell it is still the same one.
struct RecordedFile {
  int64_t size = 0;
  int64_t modifiedSeconds = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const RecordedFile&) const = default;
};
RecordedFile RecordedFileOf(const FileStatus& status);

struct RecordedMove {
  std::string source;
  std::string target;
  RecordedFile before;               // the source before the move
  std::optional<RecordedFile> after; // the target after it; nothing when not done
};

struct RunRecord {
  std::string path;
  RecordKind kind = RecordKind::Distribution;
  std::string started;
  long process = 0;
  std::string source;
  std::string target;
  std::vector<std::string> createdFolders; // in the order created
  std::vector<RecordedMove> moves;         // in the order tried
  bool takenBack = false;
};

// A record that cannot be created or written; the message names its file.
class RunRecordError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class RunRecordWriter {
public:
  // Creates a new record in folder (made when missing). Throws
  // RunRecordError when it cannot. The oldest records beyond
  // kKeptRunRecords are removed.
  RunRecordWriter(const std::string& folder, RecordKind kind, const RunOptions& options);

  // Writes what waits (best effort: a destructor cannot report).
  ~RunRecordWriter();
  RunRecordWriter(const RunRecordWriter&) = delete;
  RunRecordWriter& operator=(const RunRecordWriter&) = delete;

  const std::string& Path() const { return path_; }
  // Intent and Flush throw RunRecordError when the record cannot be written.
  void FolderCreated(const std::string& folder);
  void Intent(const std::string& source, const std::string& target, const RecordedFile& file);
  void Done(const std::string& source, const std::string& target, const RecordedFile& landed);
  void Flush();

private:
  void Write(const std::string& lines);

  std::string path_;
  std::optional<AppendFile> file_;
  std::string waiting_; // lines written with the next intent or at the end
};

inline constexpr size_t kKeptRunRecords = 100;

// The record at path; nothing when it is no record.
std::optional<RunRecord> ReadRunRecord(const std::string& path);
// The newest record of a distribution in folder not yet taken back; empty
// when there is none.
std::string NewestUndoableRecord(const std::string& folder);
// Marks record as taken back by the undo recorded in undoRecord.
bool MarkTakenBack(const std::string& record, const std::string& undoRecord);
