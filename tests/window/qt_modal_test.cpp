// The modal interface as the program shows it: real Qt boxes and the folder
// browser, opened offscreen and answered from a timer as a user would
// answer them, and the application's general error box for an error that
// escapes an event handler.

#include "window/fotomaz_application.h"
#include "window/program_title.h"
#include "window/qt_modal.h"
#include "tests/kit/temp_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace {

// Installs the Qt boxes as the program's modal service while it lives.
class InstalledQtModal {
public:
  InstalledQtModal() { SetModal(&modal); }
  ~InstalledQtModal() { SetModal(nullptr); }
  QtModal modal;
};

// Calls act with the next modal dialog of type Dialog once it is shown.
template <class Dialog> class Answerer {
public:
  explicit Answerer(std::function<void(Dialog*)> act) : act_(std::move(act)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
        timer_.stop();
        act_(dialog);
      }
    });
    timer_.start();
  }

private:
  std::function<void(Dialog*)> act_;
  QTimer timer_;
};

QAbstractButton* ButtonWithText(QWidget* dialog, const QString& text) {
  for (auto* button : dialog->findChildren<QAbstractButton*>())
    if (button->isVisible() && button->text() == text) return button;
  return nullptr;
}

struct BoxSeen {
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Records the next message box and presses press; an empty press closes
// the box with Escape.
std::optional<BoxSeen> AnswerBox(const QString& press, const std::function<void()>& open) {
  std::optional<BoxSeen> seen;
  Answerer<QMessageBox> answerer([&](QMessageBox* box) {
    seen = BoxSeen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons())
      seen->buttons << button->text();
    seen->buttons.sort();
    if (press.isEmpty())
      QTest::keyClick(box, Qt::Key_Escape);
    else if (QAbstractButton* button = ButtonWithText(box, press))
      button->click();
    else
      box->done(QMessageBox::NoButton);
  });
  open();
  return seen;
}

TEST(QtModalTest, BoxesShowTheirCaptionTextIconAndGermanButtons) {
  QtModal modal;
  const QStringList ok = {"OK"}, yesNo = {"&Ja", "&Nein"};
  const struct {
    const char* what;
    std::function<bool()> open;
    QString caption, text;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString press;
    bool answer;
  } cases[] = {
      {"information", [&] { return modal.Information("Zeile\r\nA && B"), false; }, "Informationen",
       "Zeile\nA & B", QMessageBox::Information, ok, "OK", false},
      {"error", [&] { return modal.Error("Weg!"), false; }, "Fehler", "Weg!", QMessageBox::Critical,
       ok, "OK", false},
      {"confirm yes", [&] { return modal.Confirm("Los?"); }, "Bestätigung", "Los?",
       QMessageBox::Question, yesNo, "&Ja", true},
      {"confirm no", [&] { return modal.Confirm("Los?"); }, "Bestätigung", "Los?",
       QMessageBox::Question, yesNo, "&Nein", false},
      {"confirm escaped", [&] { return modal.Confirm("Los?"); }, "Bestätigung", "Los?",
       QMessageBox::Question, yesNo, "", false},
      {"message", [&] { return modal.Message("Nichts."), false; }, kProgramTitle, "Nichts.",
       QMessageBox::NoIcon, ok, "OK", false},
      {"question yes", [&] { return modal.AskYesNo("Wirklich?"); }, "=> Frage <=", "Wirklich?",
       QMessageBox::NoIcon, yesNo, "&Ja", true},
      {"application error", [&] { return modal.ApplicationError("Kaputt."), false; }, kProgramTitle,
       "Kaputt.", QMessageBox::Critical, ok, "OK", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    bool answer = !c.answer;
    const std::optional<BoxSeen> seen = AnswerBox(c.press, [&] { answer = c.open(); });
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->caption, c.caption);
    EXPECT_EQ(seen->text, c.text);
    EXPECT_EQ(seen->icon, c.icon);
    EXPECT_EQ(seen->buttons, c.buttons);
    EXPECT_EQ(answer, c.answer);
  }
}

class Throwing : public QObject {
protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("Datei kaputt");
    return QObject::event(event);
  }
};

TEST(QtModalTest, AnErrorEscapingAnEventHandlerShowsTheGeneralErrorBox) {
  ASSERT_NE(dynamic_cast<FotomazApplication*>(QCoreApplication::instance()), nullptr);
  InstalledQtModal installed;
  Throwing object;
  QEvent event(QEvent::User);
  bool handled = true;
  const std::optional<BoxSeen> seen =
      AnswerBox("OK", [&] { handled = QCoreApplication::sendEvent(&object, &event); });
  EXPECT_FALSE(handled);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->caption, kProgramTitle);
  EXPECT_EQ(seen->text, "Datei kaputt.");
  EXPECT_EQ(seen->icon, QMessageBox::Critical);
  EXPECT_EQ(seen->buttons, QStringList{"OK"});
}

TEST(QtModalTest, TheFolderBrowserIsQtsOwnInGermanAndStartsAtHomeEachTime) {
  testkit::TempDir home;
  std::filesystem::create_directories(home.File("Bilder"));
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("HOME", home.path().c_str());
  QtModal modal;
  const struct {
    const char* what;
    std::function<void(QFileDialog*)> act;
    std::optional<std::string> chosen;
  } cases[] = {
      {"a typed folder",
       [](QFileDialog* dialog) {
         dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Bilder");
         ButtonWithText(dialog, "&Auswählen")->click();
       },
       home.File("Bilder")},
      {"cancelled", [](QFileDialog* dialog) { ButtonWithText(dialog, "Abbrechen")->click(); },
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QString start, typed;
    bool native = true;
    QStringList buttons;
    Answerer<QFileDialog> answerer([&](QFileDialog* dialog) {
      start = dialog->directory().absolutePath();
      typed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
      native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
      for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible()) buttons << button->text();
      if (ButtonWithText(dialog, "&Auswählen") && ButtonWithText(dialog, "Abbrechen"))
        c.act(dialog);
      else
        dialog->reject();
    });
    EXPECT_EQ(modal.BrowseFolder("Bitte den Bilder-Quellordner auswählen:"), c.chosen)
        << buttons.join(", ").toStdString();
    EXPECT_EQ(start, QString::fromStdString(home.path()));
    EXPECT_EQ(typed, "");
    EXPECT_FALSE(native);
  }
  qputenv("HOME", oldHome);
}

TEST(QtModalTest, AFolderWithoutAFileManagerIsReportedAsNotOpened) {
  // With no launcher on the search path Qt cannot open anything.
  testkit::TempDir emptyPath;
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", emptyPath.path().c_str());
  EXPECT_EQ(QtModal().OpenFolder(emptyPath.path()), FolderOpening::Failed);
  qputenv("PATH", oldPath);
}

} // namespace
