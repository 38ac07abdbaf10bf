#include "tools/verteilen/console_run.h"

#include "platform/ascii_case.h"
#include "run/escaped_text.h"
#include "run/run_texts.h"
#include "tools/verteilen/move_log.h"

namespace {

// A log gets the first file, then one line per tenth of the files.
bool IsMilestone(long long file, long long files) {
  return file == 1 || (files > 0 && 10 * file / files != 10 * (file - 1) / files);
}

} // namespace

void ConsoleFrontEnd::SetStatusText(const std::string& text) {
  console_.Status(text, milestone_);
  milestone_ = false;
}

void ConsoleFrontEnd::SetProgressMaximum(int maximum) {
  files_ = static_cast<long long>(maximum) + 1;
}

void ConsoleFrontEnd::SetProgressPosition(int position) {
  milestone_ = files_ > 0 && IsMilestone(static_cast<long long>(position) + 1, files_);
}

void ConsoleFrontEnd::ProcessEvents() {
  if (onEvents_) onEvents_();
}

bool ConsoleFrontEnd::ConfirmStart(size_t count) {
  console_.Message(FoundFilesText(count));
  return assumeYes_ || AskOnTerminal(kStartQuestion);
}

void ConsoleFrontEnd::NothingFound() {
  console_.Message(kNothingFoundText);
}

void ConsoleFrontEnd::RecordUnavailable(const std::string& message) {
  console_.Message(message);
}

void ConsoleFrontEnd::SourceBusy() {
  console_.Message(kSourceBusyText);
}

bool ConsoleFrontEnd::ConfirmUndo(const UndoScope& scope) {
  return assumeYes_ || AskOnTerminal(UndoQuestion(scope));
}

void ConsoleFrontEnd::NothingToUndo() {
  console_.Message(kNothingToUndoText);
}

void ConsoleFrontEnd::FileDone(FileOutcome&& outcome) {
  switch (outcome.result) {
  case FileResult::Moved:
  case FileResult::Back:
    if (dryRun_) {
      console_.Output(MoveLine(outcome.source, " -> ", outcome.target));
    } else if (log_) {
      log_->Append(outcome.source, outcome.target);
    }
    BackupDone(outcome);
    return;
  case FileResult::InPlace:
    if (dryRun_) console_.Output(EscapeText(outcome.source) + " (bleibt)");
    return;
  case FileResult::Removed:
    // The undo of a copy run: the copy goes, its source stays.
    if (dryRun_) console_.Output(EscapeText(outcome.source) + " (löschen)");
    return;
  case FileResult::AlreadyInTarget:
    if (dryRun_) console_.Output(AlreadyInTargetLine(outcome));
    BackupDone(outcome);
    return;
  case FileResult::Stayed:
    return;
  }
}

void ConsoleFrontEnd::BackupDone(const FileOutcome& outcome) {
  // The copy in the second target: a line of its own, QUELLE -> SICHERUNG.
  if (outcome.backup.empty()) return;
  if (dryRun_) {
    console_.Output(MoveLine(outcome.source, " -> ", outcome.backup));
  } else if (log_) {
    log_->Append(outcome.source, outcome.backup);
  }
}

std::string AlreadyInTargetLine(const FileOutcome& outcome) {
  return MoveLine(outcome.source, " = ", outcome.target) + " (" + kAlreadyInTargetText + ")";
}

bool ConsoleFrontEnd::AskOnTerminal(const std::string& question) {
  const std::optional<std::string> answer = console_.Ask(question + " [j/N] ", input_);
  if (!answer) return false;
  const std::string word = AsciiLowered(*answer);
  return word == "j" || word == "ja";
}
