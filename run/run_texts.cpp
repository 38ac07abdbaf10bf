#include "run/run_texts.h"

#include "run/escaped_text.h"

#include <string_view>

std::string WorkingOnText(size_t number, size_t count) {
  return "Bearbeite Bild: " + std::to_string(number) + " / " + std::to_string(count) + "  ";
}

std::string FoundFilesText(size_t count) {
  return "Insgesamt " + std::to_string(count) + " Dateien gefunden.";
}

std::string FilesText(size_t count) {
  return std::to_string(count) + (count == 1 ? " Datei" : " Dateien");
}

namespace {

// "08.12.2026, 10:11 Uhr" from a record's "2026-12-08 10:11:12"; a start
// of another shape is shown as it is.
std::string StartedText(const std::string& started) {
  constexpr std::string_view kShape = "dddd-dd-dd dd:dd";
  bool shaped = started.size() >= kShape.size();
  for (size_t i = 0; shaped && i < kShape.size(); ++i) {
    const char c = started[i];
    shaped = kShape[i] == 'd' ? c >= '0' && c <= '9' : c == kShape[i];
  }
  if (!shaped) return started;
  return started.substr(8, 2) + "." + started.substr(5, 2) + "." + started.substr(0, 4) + ", " +
         started.substr(11, 5) + " Uhr";
}

} // namespace

std::string UndoQuestion(const UndoScope& scope) {
  return "Verteilung vom " + StartedText(scope.started) + ", von " + EscapeText(scope.source) +
         " nach " + EscapeText(scope.target) + ": " + FilesText(scope.files) +
         (scope.copies ? " im Ziel löschen (die Quelle bleibt unverändert)?"
                       : " an ihren alten Platz zurücklegen?");
}

std::string StayReasonText(const FileOutcome& outcome, RunMode mode) {
  const bool copying = mode == RunMode::Copy;
  switch (outcome.reason) {
  case StayReason::DateUnreadable:
    return kDateUnreadableText + outcome.detail;
  case StayReason::NoSpace:
    return kNoSpaceText;
  case StayReason::TargetNotWritable:
    return kTargetNotWritableText;
  case StayReason::NameNotPossible:
    return kNameNotPossibleText;
  case StayReason::NameTaken:
    return kNameTakenText;
  case StayReason::ChangedWhileMoving:
    return copying ? kChangedWhileCopyingText : kChangedWhileMovingText;
  case StayReason::NotRegularFile:
    return kNotRegularFileText;
  case StayReason::FolderUnreadable:
    return kFolderUnreadableText;
  case StayReason::Vanished:
    return kVanishedText;
  case StayReason::SourceNotRemovable:
    return kSourceNotRemovableText;
  case StayReason::CopyFaulty:
    return kCopyFaultyText;
  case StayReason::LinkIntoSource:
    return kLinkIntoSourceText;
  case StayReason::ChangedSinceRun:
    return kChangedSinceRunText;
  case StayReason::GoneSinceRun:
    return kGoneSinceRunText;
  case StayReason::OldPlaceTaken:
    return kOldPlaceTakenText;
  case StayReason::ReplacedInTarget:
    return kReplacedInTargetText;
  case StayReason::OutsideRun:
    return kOutsideRunText;
  case StayReason::OnlyCopyLeft:
    return kOnlyCopyLeftText;
  case StayReason::LeaderStayed:
    return kLeaderStayedText;
  case StayReason::DiffersInTarget:
    return kDiffersInTargetText + EscapeText(outcome.target);
  case StayReason::SplitFromGroup:
    return kSplitFromGroupText + EscapeText(outcome.target);
  case StayReason::BackupFailed:
    return kBackupFailedText + outcome.detail;
  case StayReason::MoveError:
    break;
  }
  return (copying ? kCopyErrorText : kMoveErrorText) + outcome.detail;
}

std::string StayedLine(const FileOutcome& outcome, RunMode mode) {
  return EscapeText(outcome.source) + ": " + StayReasonText(outcome, mode);
}
