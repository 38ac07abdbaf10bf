#include "app/core/run_texts.h"

#include "app/core/escaped_text.h"

std::string WorkingOnText(size_t number, size_t count) {
  return "Bearbeite Bild: " + std::to_string(number) + " / " + std::to_string(count) + "  ";
}

std::string FoundFilesText(size_t count) {
  return "Insgesamt " + std::to_string(count) + " Dateien gefunden.";
}

std::string UndoQuestion(size_t count) {
  return std::to_string(count) + " Dateien an ihren alten Platz zurücklegen?";
}

std::string StayReasonText(const FileOutcome& outcome) {
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
    return kChangedWhileMovingText;
  case StayReason::NotRegularFile:
    return kNotRegularFileText;
  case StayReason::FolderUnreadable:
    return kFolderUnreadableText;
  case StayReason::Vanished:
    return kVanishedText;
  case StayReason::SourceNotRemovable:
    return kSourceNotRemovableText;
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
  case StayReason::LeaderStayed:
    return kLeaderStayedText;
  case StayReason::DiffersInTarget:
    return kDiffersInTargetText + EscapeText(outcome.target);
  case StayReason::MoveError:
    break;
  }
  return kMoveErrorText + outcome.detail;
}

std::string StayedLine(const FileOutcome& outcome) {
  return EscapeText(outcome.source) + ": " + StayReasonText(outcome);
}
