#include "window/qt_modal.h"

#include "window/program_title.h"
#include "window/report_dialog.h"
#include "settings/qt_text.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

enum class Buttons { Ok, YesNo };

// The program's texts follow the convention of the boxes they were written
// for: lines end in CR LF, and "&&" stands for one ampersand.
QString DisplayText(const std::string& text) {
  QString shown = ToQString(text);
  shown.replace("\r\n", "\n");
  shown.replace("&&", "&");
  return shown;
}

// True when the user pressed Yes.
bool ShowBox(QMessageBox::Icon icon, const char* caption, const std::string& text,
             Buttons buttons) {
  QMessageBox box(icon, QString::fromUtf8(caption), DisplayText(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  if (buttons == Buttons::Ok) {
    box.addButton(QMessageBox::Ok)->setText("OK");
  } else {
    box.addButton(QMessageBox::Yes)->setText("&Ja");
    box.addButton(QMessageBox::No)->setText("&Nein");
  }
  return box.exec() == QMessageBox::Yes;
}

} // namespace

void QtModal::Information(const std::string& text) {
  ShowBox(QMessageBox::Information, "Informationen", text, Buttons::Ok);
}

void QtModal::Error(const std::string& text) {
  ShowBox(QMessageBox::Critical, "Fehler", text, Buttons::Ok);
}

void QtModal::Warning(const std::string& text) {
  ShowBox(QMessageBox::Warning, "Warnung", text, Buttons::Ok);
}

bool QtModal::Confirm(const std::string& text) {
  return ShowBox(QMessageBox::Question, "Bestätigung", text, Buttons::YesNo);
}

void QtModal::Message(const std::string& text) {
  ShowBox(QMessageBox::NoIcon, kProgramTitle, text, Buttons::Ok);
}

bool QtModal::AskYesNo(const std::string& question) {
  return ShowBox(QMessageBox::NoIcon, "=> Frage <=", question, Buttons::YesNo);
}

void QtModal::Report(const RunReport& report) {
  ReportDialog dialog(report, QApplication::activeWindow());
  dialog.exec();
}

std::optional<std::string> QtModal::BrowseFolder(const std::string& caption) {
  // Qt's own dialog, which Qt's German translation reaches (a platform's
  // native one would not), at the home folder each time with nothing
  // preselected; its side bar and "look in" list reach the whole file system.
  QFileDialog dialog(QApplication::activeWindow(), ToQString(caption));
  dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setDirectory(QDir::homePath());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.constFirst().isEmpty()) return std::nullopt;
  return ToStdString(chosen.constFirst());
}

FolderOpening QtModal::OpenFolder(const std::string& folder) {
  // False when Qt finds no launcher; a launcher that starts and fails later
  // is not seen here.
  return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(folder))) ? FolderOpening::Opened
                                                                           : FolderOpening::Failed;
}

void QtModal::ApplicationError(const std::string& message) {
  ShowBox(QMessageBox::Critical, kProgramTitle, message, Buttons::Ok);
}
