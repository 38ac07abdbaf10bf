#include "window/window_front_end.h"

#include "window/collected_files_model.h"

#include "platform/modal.h"
#include "platform/path_text.h"
#include "run/escaped_text.h"
#include "run/option_binding.h"
#include "run/run_texts.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "settings/qt_text.h"
#include "window/wait_cursor.h"

#include <QCoreApplication>
#include <QListView>
#include <QProgressBar>
#include <algorithm>

namespace {

// About 30 repaints a second look continuous.
constexpr std::chrono::milliseconds kProgressInterval{33};

// The options' keys read from the dialog's controls.
class DialogKeys final : public OptionKeys {
public:
  explicit DialogKeys(const OptionsDialog& dialog) : dialog_(dialog) {}
  std::string Text(const SettingKey& key) const override { return dialog_.KeyText(key.name); }
  int Number(const SettingKey& key) const override { return dialog_.KeyNumber(key.name); }

private:
  const OptionsDialog& dialog_;
};

} // namespace

RunOptions DialogOptions(const OptionsDialog& dialog) {
  return RunOptionsFrom(DialogKeys(dialog));
}

std::string FolderNotOpenedText(const std::string& folder) {
  return "Der Ordner " + EscapeText(folder) + " konnte nicht geöffnet werden.";
}

WindowFrontEnd::WindowFrontEnd(Panel* statusLine, QProgressBar* progress, QListView* fileList,
                               const OptionsDialog& options)
    : statusLine_(statusLine), progress_(progress), fileList_(new CollectedFilesModel(fileList)),
      options_(options) {
  fileList->setModel(fileList_);
}

WindowFrontEnd::~WindowFrontEnd() {
  if (fileList_) fileList_->Show(nullptr);
}

RunOptions WindowFrontEnd::Options() {
  if (heldOptions_) return *heldOptions_;
  changesAtRead_ = options_.Changes();
  return DialogOptions(options_);
}

bool WindowFrontEnd::OptionsChanged() {
  return !heldOptions_ && options_.Changes() != changesAtRead_;
}

void WindowFrontEnd::SetStatusText(const std::string& text) {
  if (holdNextText_) {
    holdNextText_ = false;
    heldText_ = text;
    return;
  }
  statusLine_->setCaption(ToQString(text));
}

void WindowFrontEnd::SetProgressMaximum(int maximum) {
  // A Qt bar whose minimum and maximum are both 0 turns into an endless busy
  // animation; a run of one file shows an empty bar instead.
  progress_->setMaximum(std::max(maximum, 1));
}

void WindowFrontEnd::SetProgressPosition(int position) {
  const auto now = std::chrono::steady_clock::now();
  const bool firstOrLast = position == 0 || position >= progress_->maximum();
  if (!firstOrLast && now - lastShown_ < kProgressInterval) {
    heldPosition_ = position;
    holdNextText_ = true;
    return;
  }
  heldPosition_.reset();
  heldText_.reset();
  holdNextText_ = false;
  lastShown_ = now;
  progress_->setValue(position);
}

void WindowFrontEnd::ShowHeldProgress() {
  if (heldPosition_) progress_->setValue(*heldPosition_);
  if (heldText_) statusLine_->setCaption(ToQString(*heldText_));
  heldPosition_.reset();
  heldText_.reset();
  holdNextText_ = false;
}

void WindowFrontEnd::ProcessEvents() {
  QCoreApplication::processEvents();
}

void WindowFrontEnd::BeginWait() {
  ::BeginWait();
}

void WindowFrontEnd::EndWait() {
  // Every end of a run passes here, an error's and a stop's included.
  ShowHeldProgress();
  ::EndWait();
}

void WindowFrontEnd::RunsAs(RunMode mode) {
  copying_ = mode == RunMode::Copy;
}

void WindowFrontEnd::ShowCollectedFiles(const CollectedFiles& files) {
  BeginReport(copying_ ? ReportOf::Copy : ReportOf::Distribution);
  fileList_->Show(&files);
}

bool WindowFrontEnd::ConfirmStart(size_t count) {
  return CurrentModal().Confirm(FoundFilesText(count) + "\n" + kStartQuestion);
}

void WindowFrontEnd::NothingFound() {
  CurrentModal().Message(kNothingFoundText);
}

void WindowFrontEnd::BeginReport(ReportOf of) {
  reportOf_ = of;
  outcomes_.clear();
  recordPath_.clear();
  notReached_ = 0;
  lastMovedTarget_.clear();
}

void WindowFrontEnd::Recorded(const std::string& recordPath) {
  recordPath_ = recordPath;
}

void WindowFrontEnd::FileDone(FileOutcome&& outcome) {
  if (outcome.result == FileResult::Moved) lastMovedTarget_ = outcome.target;
  outcomes_.push_back(std::move(outcome));
}

void WindowFrontEnd::Stopped(size_t notReached) {
  notReached_ = notReached;
  statusLine_->setCaption(ToQString(kStoppedText));
}

void WindowFrontEnd::ShowReport() const {
  CurrentModal().Report(MakeRunReport(outcomes_, notReached_, recordPath_, reportOf_));
}

void WindowFrontEnd::ShowStopReport() {
  ShowReport();
}

void WindowFrontEnd::Finished(const std::string&, const std::vector<FileOutcome>& stayed) {
  // The folder the run last aimed at may be one it made and removed again
  // when that file stayed: only a folder a file went to is offered.
  if (!stayed.empty() || lastMovedTarget_.empty()) ShowReport();
  if (lastMovedTarget_.empty() || !CurrentModal().Confirm(kOpenTargetQuestion)) return;
  const std::string lastMovedFolder = FolderOf(lastMovedTarget_);
  // Without a file manager nothing would happen at all; say so.
  if (CurrentModal().OpenFolder(lastMovedFolder) == FolderOpening::Failed)
    CurrentModal().Error(FolderNotOpenedText(lastMovedFolder));
}

void WindowFrontEnd::RecordUnavailable(const std::string& message) {
  CurrentModal().Error(message);
}

void WindowFrontEnd::SourceBusy() {
  CurrentModal().Warning(kSourceBusyText);
}

bool WindowFrontEnd::ConfirmUndo(const UndoScope& scope) {
  BeginReport(scope.copies ? ReportOf::CopyUndo : ReportOf::Undo);
  return CurrentModal().Confirm(UndoQuestion(scope));
}

void WindowFrontEnd::NothingToUndo() {
  CurrentModal().Information(kNothingToUndoText);
}

void WindowFrontEnd::UndoFinished(const std::vector<FileOutcome>&) {
  ShowReport();
}
