#include "run/file_outcome.h"

#include "run/system_error_texts.h"

FileOutcome StayedOutcome(const std::string& source, StayReason reason, std::string detail) {
  return {source, FileResult::Stayed, {}, reason, std::move(detail)};
}

FileOutcome FailedMoveOutcome(const std::string& source, MoveOutcome outcome,
                              std::error_code error) {
  switch (outcome) {
  case MoveOutcome::NoSpace:
    return StayedOutcome(source, StayReason::NoSpace);
  case MoveOutcome::NotWritable:
    return StayedOutcome(source, StayReason::TargetNotWritable);
  case MoveOutcome::NameNotPossible:
    return StayedOutcome(source, StayReason::NameNotPossible);
  case MoveOutcome::TargetTaken:
    return StayedOutcome(source, StayReason::NameTaken);
  case MoveOutcome::SourceChanged:
  case MoveOutcome::ChangedDuringCopy:
    return StayedOutcome(source, StayReason::ChangedWhileMoving);
  case MoveOutcome::SourceNotRemovable:
    return StayedOutcome(source, StayReason::SourceNotRemovable);
  case MoveOutcome::NotRegularFile:
    return StayedOutcome(source, StayReason::NotRegularFile);
  case MoveOutcome::CopyDiffers:
    return StayedOutcome(source, StayReason::CopyFaulty);
  case MoveOutcome::Moved:
  case MoveOutcome::Copied:
  case MoveOutcome::NotFound:
  case MoveOutcome::Abandoned:
  case MoveOutcome::Failed:
    break;
  }
  return StayedOutcome(source, StayReason::MoveError, SystemErrorMessage(error));
}
