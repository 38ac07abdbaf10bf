#include "app/qt_modal.h"

#include "app/program_title.h"
#include "settings/qt_text.h"

#include <QApplication>
#include <QDesktopServices>
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

std::optional<std::string> QtModal::BrowseFolder(const std::string& caption) {
  const QString folder = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), ToQString(caption), QString(), QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return ToStdString(folder);
}

void QtModal::OpenFolder(const std::string& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(folder)));
}

void QtModal::ApplicationError(const std::string& message) {
  ShowBox(QMessageBox::Critical, kProgramTitle, message, Buttons::Ok);
}
