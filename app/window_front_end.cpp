#include "app/window_front_end.h"

#include "app/core/escaped_text.h"
#include "app/core/run_texts.h"
#include "platform/modal.h"
#include "settings/formstate.h"
#include "settings/optionenu.h"
#include "settings/panel.h"
#include "settings/qt_text.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QProgressBar>
#include <algorithm>

WindowFrontEnd::WindowFrontEnd(Panel* statusbarp, QProgressBar* pb, QListWidget* verteilelb,
                               const Toptionenf& options)
    : statusbarp_(statusbarp), pb_(pb), verteilelb_(verteilelb), options_(options) {}

RunOptions WindowFrontEnd::Options() {
  RunOptions options;
  options.source = options_.SourceFolder();
  options.target = options_.TargetFolder();
  options.kinds = {options_.AllFiles(), options_.Pictures(), options_.Videos()};
  options.renameByDate = options_.RenameByDate();
  options.keepOriginalName = options_.KeepOriginalName();
  options.skipIdentical = options_.SkipIdentical();
  options.structure = StructureFromIndex(options_.StructureIndex());
  return options;
}

void WindowFrontEnd::SetStatusText(const std::string& text) {
  statusbarp_->setCaption(ToQString(text));
}

void WindowFrontEnd::SetProgressMaximum(int maximum) {
  // A Qt bar whose minimum and maximum are both 0 turns into an endless busy
  // animation; a run of one file shows an empty bar instead.
  pb_->setMaximum(std::max(maximum, 1));
}

void WindowFrontEnd::SetProgressPosition(int position) {
  pb_->setValue(position);
}

void WindowFrontEnd::ProcessEvents() {
  QCoreApplication::processEvents();
}

void WindowFrontEnd::BeginWait() {
  ::BeginWait();
}

void WindowFrontEnd::EndWait() {
  ::EndWait();
}

void WindowFrontEnd::ShowCollectedFiles(const std::vector<std::string>& files) {
  verteilelb_->clear();
  QStringList items;
  items.reserve(static_cast<qsizetype>(files.size()));
  for (const std::string& file : files)
    items << ToQString(file);
  verteilelb_->addItems(items);
}

bool WindowFrontEnd::ConfirmStart(size_t count) {
  return CurrentModal().Confirm(FoundFilesText(count) + "\n" + kStartQuestion);
}

void WindowFrontEnd::NothingFound() {
  CurrentModal().Message(kNothingFoundText);
}

void WindowFrontEnd::Finished(const std::string& folder, const std::vector<FileOutcome>& stayed) {
  if (AnyFailed(stayed)) {
    CurrentModal().Warning(StayedWarningText(stayed));
  } else if (!stayed.empty()) {
    CurrentModal().Information(StayedWarningText(stayed));
  }
  if (CurrentModal().Confirm(kOpenTargetQuestion)) CurrentModal().OpenFolder(folder);
}

namespace {

// One section of the box: its heading with the count, the first
// kStayedListed lines, and how many more there are. Empty without lines.
std::string Section(const std::string& heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return {};
  std::string text = std::to_string(lines.size()) + heading;
  const size_t listed = std::min(lines.size(), kStayedListed);
  for (size_t i = 0; i < listed; ++i)
    text += "\n" + lines[i];
  if (lines.size() > listed)
    text += "\n… und " + std::to_string(lines.size() - listed) + " weitere";
  return text;
}

} // namespace

std::string StayedWarningText(const std::vector<FileOutcome>& stayed) {
  std::vector<std::string> failed, present;
  for (const FileOutcome& outcome : stayed) {
    if (outcome.result == FileResult::AlreadyInTarget) {
      present.push_back(EscapeText(outcome.source) + ": " + kAlreadyInTargetText + ": " +
                        EscapeText(outcome.target));
    } else {
      failed.push_back(EscapeText(outcome.source) + ": " + StayReasonText(outcome));
    }
  }
  const std::string first = Section(" Dateien wurden nicht verschoben:", failed);
  const std::string second = Section(" Dateien lagen schon im Ziel:", present);
  return first.empty() || second.empty() ? first + second : first + "\n\n" + second;
}
