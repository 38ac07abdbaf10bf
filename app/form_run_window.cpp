#include "app/form_run_window.h"

#include "settings/formstate.h"
#include "settings/optionenu.h"
#include "settings/panel.h"
#include "settings/qt_text.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QProgressBar>
#include <algorithm>

FormRunWindow::FormRunWindow(Panel* statusbarp, QProgressBar* pb, QListWidget* verteilelb,
                             const Toptionenf& options)
    : statusbarp_(statusbarp), pb_(pb), verteilelb_(verteilelb), options_(options) {}

void FormRunWindow::SetStatusText(const std::string& text) {
  statusbarp_->setCaption(ToQString(text));
}

void FormRunWindow::SetProgressMaximum(int maximum) {
  // A Qt bar whose minimum and maximum are both 0 turns into an endless busy
  // animation; a run of one file shows an empty bar instead.
  pb_->setMaximum(std::max(maximum, 1));
}

void FormRunWindow::SetProgressPosition(int position) {
  pb_->setValue(position);
}

void FormRunWindow::ProcessEvents() {
  QCoreApplication::processEvents();
}

void FormRunWindow::BeginWait() {
  ::BeginWait();
}

void FormRunWindow::EndWait() {
  ::EndWait();
}

void FormRunWindow::ShowCollectedFiles(const std::vector<std::string>& files) {
  verteilelb_->clear();
  QStringList items;
  items.reserve(static_cast<qsizetype>(files.size()));
  for (const std::string& file : files)
    items << ToQString(file);
  verteilelb_->addItems(items);
}

std::string FormRunWindow::SourceFolderText() {
  return options_.SourceFolder();
}

bool FormRunWindow::AllFilesChecked() {
  return options_.AllFiles();
}

bool FormRunWindow::PicturesChecked() {
  return options_.Pictures();
}

bool FormRunWindow::VideosChecked() {
  return options_.Videos();
}

std::string FormRunWindow::TargetFolderText() {
  return options_.TargetFolder();
}

bool FormRunWindow::RenameByDateChecked() {
  return options_.RenameByDate();
}

bool FormRunWindow::KeepOriginalNameChecked() {
  return options_.KeepOriginalName();
}

int FormRunWindow::StructureIndex() {
  return options_.StructureIndex();
}
