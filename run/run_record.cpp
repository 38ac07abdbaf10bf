#include "run/run_record.h"

#include "platform/directory_walk.h"
#include "platform/file_compare.h"
#include "platform/file_time.h"
#include "platform/line_reader.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/program_path.h"
#include "platform/read_only_file.h"
#include "run/date_texts.h"
#include "run/escaped_text.h"
#include "run/option_binding.h"
#include "run/pad_text.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace {

constexpr std::string_view kFirstLineStem = "TamrelFotomaz-Aufzeichnung\t";
constexpr char kVersion[] = "2";
constexpr std::string_view kReadableVersions[] = {"1", "2"};
constexpr std::string_view kRegularWord = "datei", kLinkWord = "verknuepfung";
constexpr char kCheckedLine[] = "geprueft\n";
// How much of a record's end tells whether it was checked: only the
// taken-back marks follow that line.
constexpr size_t kCheckedTailBytes = 8192;
// The kind of a record shows in its name, and so does a taken-back mark, so
// the newest undoable record is found without reading any.
constexpr std::string_view kDistributionSuffix = "-verteilung.lauf";
constexpr std::string_view kUndoSuffix = "-rueckgaengig.lauf";
constexpr std::string_view kTakenBackSuffix = "-verteilung-zurueckgenommen.lauf";
constexpr std::string_view kEmptySuffix = "-verteilung-leer.lauf";
// Tries for a free name when one process starts runs within one second.
constexpr int kNameTries = 100;
// A group holds a handful of files; a larger count is no line a run wrote.
constexpr size_t kMaxGroupMembers = 1000;

template <class Number> void AppendNumber(std::string& out, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Appended in place: a line per file, two per moved file.
void AppendFileText(std::string& out, const RecordedFile& file) {
  AppendNumber(out, file.size);
  out += '\t';
  AppendNumber(out, file.modifiedSeconds);
  out += '.';
  out += PadNumber(file.modifiedNanoseconds, 9);
}

// Every path of a record is written in the one form the undo accepts (the
// run's own paths are in it already).
std::string PathText(const std::string& path) {
  return EscapeText(IsLexicallyNormal(path) ? path : LexicallyNormal(path));
}

void AppendEntryText(std::string& out, const FileStatus& entry) {
  out += entry.link ? kLinkWord : kRegularWord;
  out += '\t';
  AppendNumber(out, entry.identity.device);
  out += '\t';
  AppendNumber(out, entry.identity.inode);
}

// The end of a done line: what landed and, when known, its entry.
void AppendLanding(std::string& out, const RecordedFile& landed,
                   const std::optional<FileStatus>& entry) {
  out += '\t';
  AppendFileText(out, landed);
  if (entry) {
    out += '\t';
    AppendEntryText(out, *entry);
  }
  out += '\n';
}

template <class Number = int64_t> std::optional<Number> ParseNumber(std::string_view text) {
  Number value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<LandedEntry> ParseEntry(std::string_view type, std::string_view device,
                                      std::string_view inode) {
  const auto dev = ParseNumber<uint64_t>(device), ino = ParseNumber<uint64_t>(inode);
  if ((type != kRegularWord && type != kLinkWord) || !dev || !ino) return std::nullopt;
  return LandedEntry{type == kLinkWord, {*dev, *ino}};
}

std::optional<RecordedFile> ParseFile(std::string_view size, std::string_view time) {
  const size_t dot = time.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const auto bytes = ParseNumber(size), seconds = ParseNumber(time.substr(0, dot)),
             nanoseconds = ParseNumber(time.substr(dot + 1));
  if (!bytes || !seconds || !nanoseconds) return std::nullopt;
  return RecordedFile{*bytes, *seconds, *nanoseconds};
}

// A key of a move's two paths, equal for equal paths.
uint64_t PathsKey(std::string_view source, std::string_view target) {
  const std::hash<std::string_view> hash;
  return hash(source) * 0x9E3779B97F4A7C15u ^ hash(target);
}

// The fields of line, in place of those of the line before.
void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  for (size_t at = 0;;) {
    const size_t tab = line.find('\t', at);
    fields.push_back(line.substr(at, tab == std::string_view::npos ? line.npos : tab - at));
    if (tab == std::string_view::npos) return;
    at = tab + 1;
  }
}

// The record word of the second target: it comes last and only when set,
// and its folder takes the rest of the line, so a folder with spaces (or
// one whose name reads like another word) cannot be taken for words.
std::string BackupWord() {
  return std::string(FindOption("--sicherung")->recordWord) + "=";
}

// "dateien=… umbenennen=…": the options the table gives a record word, in
// their record places.
std::string OptionsText(const RunOptions& options) {
  std::string text;
  for (int place = 1;; ++place) {
    const auto row = std::find_if(kOptionRows.begin(), kOptionRows.end(),
                                  [place](const OptionRow& r) { return r.recordPlace == place; });
    if (row == kOptionRows.end()) return text;
    if (row->value == OptionValue::Folder) {
      if (!options.backup.empty())
        text += " " + BackupWord() + EscapeText(LexicallyNormal(OptionWord(*row, options)));
      continue;
    }
    text +=
        (text.empty() ? "" : " ") + std::string(row->recordWord) + "=" + OptionWord(*row, options);
  }
}

// The words of an optionen line before its second target.
std::string_view OptionWords(std::string_view options) {
  const std::string word = BackupWord();
  for (size_t at = 0; at < options.size();) {
    const size_t space = std::min(options.find(' ', at), options.size());
    if (options.substr(at, space - at).starts_with(word)) return options.substr(0, at);
    at = space + 1;
  }
  return options;
}

// The second target an optionen line names; empty for none.
std::string NamedBackup(std::string_view options) {
  const std::string_view words = OptionWords(options);
  if (words.size() == options.size()) return {};
  return UnescapeText(options.substr(words.size() + BackupWord().size())).value_or(std::string());
}

// Whether an optionen line says the run copied: its words as OptionsText
// writes them.
bool NamesCopies(std::string_view line) {
  const std::string_view options = OptionWords(line);
  const OptionRow* row = FindOption("--kopieren");
  const std::string word =
      std::string(row->recordWord) + "=" + std::string(WordsOf(row->value).words[0]);
  for (size_t at = 0; at <= options.size();) {
    const size_t space = std::min(options.find(' ', at), options.size());
    if (options.substr(at, space - at) == word) return true;
    at = space + 1;
  }
  return false;
}

std::string StartText(const LocalDateTime& t) {
  return DateText(t, kRecordStartPattern);
}

std::string NameStem(const LocalDateTime& t) {
  return DateText(t, kRecordNamePattern) + "-" + PadNumber(CurrentProcessId(), 7);
}

// The record files of folder, oldest first: names sort by start time.
std::vector<std::string> RecordNames(const std::string& folder) {
  std::vector<std::string> names;
  for (std::string& name : ListFolderNames(folder)) {
    if (name.ends_with(".lauf")) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// An empty regular file: what a kill leaves before a record's first line,
// or as a reserved name.
bool EmptyFile(const std::string& path) {
  const std::optional<FileStatus> status = EntryStatusOf(path);
  return status && status->regular && status->size == 0;
}

// Whether the file at path ends a line (an empty one does); a file that
// cannot be read is taken to, as before.
bool EndsLine(const std::string& path) {
  std::optional<ReadOnlyFile> file = ReadOnlyFile::Open(path);
  if (!file || *file->Size() == 0) return true;
  char last = '\n';
  return !file->Seek(*file->Size() - 1) || file->Read(&last, 1) != size_t{1} || last == '\n';
}

// Appends lines to a record whose writer is gone. A writer stopped by a
// full disk may have left half a line: the new lines start on a line of
// their own, so that neither is glued to it and lost with it.
bool AppendToRecord(const std::string& path, std::string lines) {
  if (!EndsLine(path)) lines.insert(0, "\n");
  return AppendToExistingFile(path, lines);
}

void PruneRecords(const std::string& folder) {
  const std::vector<std::string> names = RecordNames(folder);
  for (size_t i = 0; i + kKeptRunRecords < names.size(); ++i)
    RemoveFile(folder + names[i]);
}

} // namespace

namespace {

std::vector<const RecordedMove*> LatestOf(const std::vector<RecordedMove>& all) {
  std::unordered_set<std::string_view> seen; // views of the record's own paths
  std::vector<const RecordedMove*> moves;
  for (auto move = all.rbegin(); move != all.rend(); ++move) {
    if (seen.insert(move->source).second) moves.push_back(&*move);
  }
  return moves;
}

} // namespace

std::vector<const RecordedMove*> LatestMoves(const RunRecord& record) {
  return LatestOf(record.moves);
}

std::vector<const RecordedMove*> LatestBackups(const RunRecord& record) {
  return LatestOf(record.backups);
}

RecordedFile RecordedFileOf(const FileStatus& status) {
  return {status.size, status.modifiedSeconds, status.modifiedNanoseconds};
}

RunRecordWriter::RunRecordWriter(const std::string& folderText, RecordKind kind,
                                 const RunOptions& options) {
  const std::string folder = WithBackslash(folderText);
  const LocalDateTime now = CurrentLocalTime();
  const std::string_view suffix = kind == RecordKind::Undo ? kUndoSuffix : kDistributionSuffix;
  const bool folderReady = !folder.empty() && !CreateFolderTree(folder, FolderAccess::OwnerOnly);
  for (int attempt = 0; folderReady && attempt < kNameTries && !file_; ++attempt) {
    const std::string stem = folder + NameStem(now) + "-" + PadNumber(attempt, 2);
    path_ = stem + std::string(suffix);
    // A record taken back gave up its name; its marked name stays taken.
    if (EntryExists(stem + std::string(kTakenBackSuffix)) ||
        EntryExists(stem + std::string(kEmptySuffix)))
      continue;
    file_.emplace(path_, AppendFile::Mode::CreateNew);
    if (!file_->IsOpen()) file_.reset();
  }
  if (!file_) {
    if (path_.empty()) path_ = folder + NameStem(now) + std::string(suffix);
    throw RunRecordError("Die Aufzeichnung " + path_ + " kann nicht angelegt werden.");
  }
  target_ = LexicallyNormal(options.target);
  Write(std::string(kFirstLineStem) + kVersion + "\nart\t" +
        (kind == RecordKind::Undo ? "rueckgaengig" : "verteilung") + "\nbeginn\t" + StartText(now) +
        "\nprozess\t" + std::to_string(CurrentProcessId()) + "\nquelle\t" +
        PathText(options.source) + "\nziel\t" + EscapeText(target_) + "\noptionen\t" +
        OptionsText(options) + "\n");
  PruneRecords(folder);
}

RunRecordWriter::~RunRecordWriter() {
  // A run that was not killed left no reservation and has no temporary copy
  // in hand: nothing for a later run to clear, so none need read it again.
  // After a failed write the record may end in half a line.
  if (file_) file_->Append((lineCut_ ? "\n" : "") + waiting_ + kCheckedLine);
}

void RunRecordWriter::TargetFolder(const std::string& folder) {
  // Asked before every file: the text as given tells most times.
  if (folder == givenTarget_) return;
  givenTarget_ = folder;
  std::string normal = LexicallyNormal(folder);
  if (normal == target_) return;
  target_ = std::move(normal);
  waiting_ += "ziel\t" + EscapeText(target_) + "\n";
}

void RunRecordWriter::FolderCreated(const std::string& folder) {
  waiting_ += "ordner\t" + PathText(folder) + "\n";
}

void RunRecordWriter::Group(size_t members) {
  waiting_ += "gruppe\t";
  AppendNumber(waiting_, members);
  waiting_ += '\n';
}

void RunRecordWriter::PathTexts::Append(std::string& out, const std::string& path) {
  const size_t separator = path.rfind(kPathSeparator);
  const std::string_view name =
      std::string_view(path).substr(separator == std::string::npos ? 0 : separator + 1);
  // The name is a part of its own: whether the path is normal is the folder's.
  const bool part = separator != std::string::npos && !name.empty() && name != "." && name != "..";
  const std::string_view folder = std::string_view(path).substr(0, part ? separator + 1 : 0);
  if (part && folder != folder_) {
    folder_.assign(folder);
    normal_ = IsLexicallyNormal(path);
    text_ = EscapeText(folder);
  }
  if (!part || !normal_) {
    out += PathText(path);
    return;
  }
  out += text_;
  AppendEscapedText(out, name);
}

void RunRecordWriter::AppendPaths(const std::string& source, const std::string& target) {
  sourceTexts_.Append(waiting_, source);
  waiting_ += '\t';
  targetTexts_.Append(waiting_, target);
}

IntentTicket RunRecordWriter::Intent(const std::string& source, const std::string& target,
                                     const RecordedFile& file) {
  waiting_ += "absicht\t";
  const size_t at = waiting_.size();
  AppendPaths(source, target);
  // The done line names the same paths: their texts are kept for it.
  if (intentTexts_.size() == kKeptIntentTexts) {
    intentTexts_.pop_front();
    ++firstTicket_;
  }
  intentTexts_.push_back(waiting_.substr(at));
  waiting_ += '\t';
  AppendFileText(waiting_, file);
  waiting_ += '\n';
  return firstTicket_ + intentTexts_.size() - 1;
}

void RunRecordWriter::Done(const std::string& source, const std::string& target,
                           const RecordedFile& landed, const std::optional<FileStatus>& entry,
                           std::optional<IntentTicket> intent) {
  waiting_ += "erledigt\t";
  std::string* kept = nullptr;
  if (intent && *intent >= firstTicket_ && *intent - firstTicket_ < intentTexts_.size())
    kept = &intentTexts_[*intent - firstTicket_];
  if (kept && !kept->empty()) {
    waiting_ += *kept;
    kept->clear();
  } else {
    AppendPaths(source, target);
  }
  while (!intentTexts_.empty() && intentTexts_.front().empty()) {
    intentTexts_.pop_front();
    ++firstTicket_;
  }
  AppendLanding(waiting_, landed, entry);
}

void RunRecordWriter::BackupIntent(const std::string& source, const std::string& copy,
                                   const RecordedFile& file) {
  waiting_ += "sicherung\t";
  AppendPaths(source, copy);
  waiting_ += '\t';
  AppendFileText(waiting_, file);
  waiting_ += '\n';
}

void RunRecordWriter::BackupDone(const std::string& source, const std::string& copy,
                                 const RecordedFile& landed,
                                 const std::optional<FileStatus>& entry) {
  waiting_ += "gesichert\t";
  AppendPaths(source, copy);
  AppendLanding(waiting_, landed, entry);
}

void RunRecordWriter::Flush() {
  if (waiting_.empty()) return;
  Write(waiting_);
  waiting_.clear();
}

bool RunRecordWriter::MarkEmpty() {
  if (!path_.ends_with(kDistributionSuffix)) return false;
  std::string empty =
      path_.substr(0, path_.size() - kDistributionSuffix.size()) + std::string(kEmptySuffix);
  // The open file follows its new name.
  if (MoveFileNoReplace(path_, empty).outcome != MoveOutcome::Moved) return false;
  path_ = std::move(empty);
  return true;
}

void RunRecordWriter::Write(const std::string& lines) {
  if (!file_->Append(lines)) {
    lineCut_ = true;
    throw RunRecordError("In die Aufzeichnung " + path_ + " kann nicht geschrieben werden.");
  }
}

std::optional<RunRecord> ReadRunRecord(const std::string& path) {
  // Read line by line: the record of a long run is held as its moves, not
  // besides as its text.
  // Of any size: memory is bounded by the longest line, not by the file.
  std::optional<LineReader> lines = LineReader::Open(path);
  std::string_view line;
  if (!lines || lines->Read(line) != LineReader::Next::Line || !line.starts_with(kFirstLineStem))
    return std::nullopt;
  const std::string_view version = line.substr(kFirstLineStem.size());
  if (std::find(std::begin(kReadableVersions), std::end(kReadableVersions), version) ==
      std::end(kReadableVersions)) {
    return std::nullopt;
  }
  RunRecord record;
  record.path = path;
  record.takenBack = path.ends_with(kTakenBackSuffix);
  // Only whole lines count: a killed run may have left half of its last one.
  std::vector<std::string_view> fields;
  std::vector<std::string> paths;
  std::vector<uint64_t> moveKeys; // of record.moves, one each
  size_t groupLeft = 0;           // intents still to come of the last group line
  for (LineReader::Next next; (next = lines->Read(line)) != LineReader::Next::End;) {
    if (next == LineReader::Next::Error) return std::nullopt;
    SplitFields(line, fields);
    const std::string_view key = fields[0];
    paths.clear();
    for (size_t i = 1; i < fields.size() && i < 3; ++i) {
      if (auto unescaped = UnescapeText(fields[i])) paths.push_back(std::move(*unescaped));
    }
    // A group's intents follow its line without another line between.
    const size_t groupBefore = groupLeft;
    groupLeft = 0;
    if (key == "gruppe" && fields.size() == 2) {
      const auto members = ParseNumber<size_t>(fields[1]);
      if (members && *members >= 2 && *members <= kMaxGroupMembers) {
        record.groups.emplace_back();
        groupLeft = *members;
      }
    } else if (key == "art" && fields.size() == 2) {
      record.kind = fields[1] == "rueckgaengig" ? RecordKind::Undo : RecordKind::Distribution;
    } else if (key == "beginn" && fields.size() == 2) {
      record.started = fields[1];
    } else if (key == "prozess" && fields.size() == 2) {
      record.process = static_cast<long>(ParseNumber(fields[1]).value_or(0));
    } else if (key == "quelle" && paths.size() == 1) {
      record.source = paths[0];
    } else if (key == "ziel" && paths.size() == 1) {
      record.targets.push_back(paths[0]);
    } else if (key == "ordner" && paths.size() == 1) {
      record.createdFolders.push_back(paths[0]);
    } else if (key == "optionen" && fields.size() == 2) {
      record.copies = NamesCopies(fields[1]);
      record.backup = NamedBackup(fields[1]);
    } else if (key == "zurueckgenommen") {
      record.takenBack = true;
    } else if (key == "ergaenzt" && fields.size() == 2) {
      if (const auto pid = ParseNumber<long>(fields[1])) record.completers.push_back(*pid);
    } else if (key == "geprueft") {
      record.checked = true;
    } else if ((key == "sicherung" || key == "gesichert") && paths.size() == 2 &&
               (fields.size() == 5 || (key == "gesichert" && fields.size() == 8))) {
      // Between a group's intents: the group goes on after it.
      groupLeft = groupBefore;
      const std::optional<RecordedFile> file = ParseFile(fields[3], fields[4]);
      const std::optional<LandedEntry> entry =
          fields.size() == 8 ? ParseEntry(fields[5], fields[6], fields[7]) : std::nullopt;
      if (!file || (fields.size() == 8 && !entry)) continue;
      if (key == "sicherung") {
        record.backups.push_back(
            {std::move(paths[0]), std::move(paths[1]), *file, std::nullopt, std::nullopt});
        continue;
      }
      // Few copies wait for their done line: the latest intent is near the end.
      for (size_t i = record.backups.size(); i-- > 0;) {
        RecordedMove& copy = record.backups[i];
        if (copy.target == paths[1] && copy.source == paths[0]) {
          copy.after = *file;
          copy.landed = entry;
          break;
        }
      }
    } else if ((key == "absicht" || key == "erledigt") && paths.size() == 2 &&
               (fields.size() == 5 || (key == "erledigt" && fields.size() == 8))) {
      const std::optional<RecordedFile> file = ParseFile(fields[3], fields[4]);
      const std::optional<LandedEntry> entry =
          fields.size() == 8 ? ParseEntry(fields[5], fields[6], fields[7]) : std::nullopt;
      if (!file || (fields.size() == 8 && !entry)) continue;
      const uint64_t pathsKey = PathsKey(paths[0], paths[1]);
      if (key == "absicht") {
        if (groupBefore > 0) {
          record.groups.back().moves.push_back(record.moves.size());
          groupLeft = groupBefore - 1;
        }
        record.moves.push_back(
            {std::move(paths[0]), std::move(paths[1]), *file, std::nullopt, std::nullopt});
        moveKeys.push_back(pathsKey);
        continue;
      }
      // The latest intent of that move is done. A batch's done lines follow
      // all of its intents: the search goes back over their keys, and
      // compares paths only where a key matches.
      for (size_t i = moveKeys.size(); i-- > 0;) {
        RecordedMove& move = record.moves[i];
        if (moveKeys[i] == pathsKey && move.target == paths[1] && move.source == paths[0]) {
          move.after = *file;
          move.landed = entry;
          break;
        }
      }
    }
  }
  return record;
}

std::string NewestUndoableRecord(const std::string& folderText) {
  const std::string folder = WithBackslash(folderText);
  const std::vector<std::string> names = RecordNames(folder);
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    if (!name->ends_with(kDistributionSuffix)) continue;
    // A run killed between creating its record and writing the first lines
    // (one append) left it empty, and moved nothing: it must not hide the
    // runs before it from every later undo.
    if (!EmptyFile(folder + *name)) return folder + *name;
  }
  return {};
}

bool MarkTakenBack(const std::string& record, const std::string& undoRecord) {
  // The name first: it is what the search for the newest record reads, so a
  // kill between the two steps never leaves a record that is taken back by
  // its text and still found by its name (every undo would stop at it).
  std::string marked = record;
  if (record.ends_with(kDistributionSuffix)) {
    marked = record.substr(0, record.size() - kDistributionSuffix.size()) +
             std::string(kTakenBackSuffix);
    MoveOutcome moved = MoveFileNoReplace(record, marked).outcome;
    // An undo killed while the new name was reserved by an empty file (a
    // state folder without no-replace rename) left that file, which is no
    // record; kept, it would keep this record open for good.
    if (moved == MoveOutcome::TargetTaken && EmptyFile(marked) && RemoveFile(marked))
      moved = MoveFileNoReplace(record, marked).outcome;
    // One killed after its copy of the record got the new name and before
    // the record went (a state folder reached by copies) left the record
    // twice: the copy is the marked record, and the record may go. Kept, the
    // record would be found and "taken back" by every undo, for good.
    if (moved == MoveOutcome::TargetTaken && SeparateCopies(record, marked) && RemoveFile(record))
      moved = MoveOutcome::Moved;
    if (moved != MoveOutcome::Moved) return false;
  }
  return AppendToRecord(marked, "zurueckgenommen\t" + EscapeText(undoRecord) + "\n");
}

std::vector<std::string> RecordPaths(const std::string& folderText) {
  const std::string folder = WithBackslash(folderText);
  std::vector<std::string> paths;
  for (const std::string& name : RecordNames(folder))
    paths.push_back(folder + name);
  return paths;
}

bool RecordChecked(const std::string& path) {
  std::optional<ReadOnlyFile> file = ReadOnlyFile::Open(path);
  if (!file || !file->Size()) return false;
  const uint64_t size = *file->Size();
  const uint64_t start = size > kCheckedTailBytes ? size - kCheckedTailBytes : 0;
  std::string tail(static_cast<size_t>(size - start), '\0');
  const std::optional<size_t> read =
      file->Seek(start) ? file->Read(tail.data(), tail.size()) : std::nullopt;
  if (!read) return false;
  tail.resize(*read);
  return tail.find(std::string("\n") + kCheckedLine) != std::string::npos;
}

bool MarkChecked(const std::string& path) {
  return AppendToRecord(path, kCheckedLine);
}

std::string LockFileFolder(const std::string& recordFolder) {
  return recordFolder.empty() ? std::string() : WithBackslash(recordFolder) + "sperren";
}

bool MarkCompleting(const std::string& path) {
  return AppendToRecord(path, "ergaenzt\t" + std::to_string(CurrentProcessId()) + "\n");
}

namespace {

bool AppendDoneLine(const std::string& path, std::string_view key, const RecordedMove& move,
                    const RecordedFile& landed, const FileStatus& entry) {
  std::string line =
      std::string(key) + "\t" + PathText(move.source) + "\t" + PathText(move.target) + "\t";
  AppendFileText(line, landed);
  line += '\t';
  AppendEntryText(line, entry);
  line += '\n';
  return AppendToRecord(path, std::move(line));
}

} // namespace

bool AppendDone(const std::string& path, const RecordedMove& move, const RecordedFile& landed,
                const FileStatus& entry) {
  return AppendDoneLine(path, "erledigt", move, landed, entry);
}

bool AppendBackupDone(const std::string& path, const RecordedMove& copy, const RecordedFile& landed,
                      const FileStatus& entry) {
  return AppendDoneLine(path, "gesichert", copy, landed, entry);
}
