// The main window: its layout, the checks before a run, the menu and
// closing, with every box answered by the scripted fake.

#include "platform/ini.h"
#include "platform/ini_fault.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/temp_files.h"
#include "tests/settings/qt_test_app.h"
#include "window/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testkit::ModalKind;
using testkit::ModalRequest;

const QColor kDarkRed(128, 0, 0);

// The window with the run replaced by a counter.
class CountingForm : public MainWindow {
public:
  using MainWindow::MainWindow;
  int runs = 0;

protected:
  void StartDistribution() override { ++runs; }
};

class MainWindowTest : public testing::Test {
protected:
  testkit::FakeModal modal;
  testkit::TempDir dir;
  std::string settings = dir.File("TamrelFotomaz.ini");
  std::unique_ptr<CountingForm> form;
  OptionsDialog* options = nullptr;

  // Start-up as main() does it: the main window first, then the dialog.
  void Create() {
    form = std::make_unique<CountingForm>(settings);
    options = new OptionsDialog(settings, form->Mirrors(), form.get());
    form->SetOptions(options);
  }

  template <class Control> Control* Find(const char* name) {
    auto* control = form->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // A new folder in dir, as a folder path.
  std::string Folder(const std::string& name) {
    std::filesystem::create_directories(dir.File(name));
    return dir.File(name) + "/";
  }
  QColor Background(const char* field) {
    return options->findChild<QLineEdit*>(field)->palette().color(QPalette::Disabled,
                                                                  QPalette::Base);
  }
};

TEST_F(MainWindowTest, StartsWithItsTitleFixedLayoutAndMenu) {
  Create();
  EXPECT_EQ(form->windowTitle(), "Tamrel Fotomaz v1.2");
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  const struct {
    const char* name;
    QRect geometry;
  } places[] = {{"quellee", {48, 16, 433, 21}},
                {"ziele", {48, 48, 433, 21}},
                {"okb", {8, 72, 473, 89}},
                {"statusbarp", {0, 165, 492, 21}},
                {"pb", {0, 186, 492, 10}}};
  for (const auto& place : places)
    EXPECT_EQ(Find<QWidget>(place.name)->geometry(), place.geometry) << place.name;
  EXPECT_TRUE(Find<QLineEdit>("quellee")->isReadOnly());
  EXPECT_FALSE(Find<QLineEdit>("ziele")->isEnabled());
  EXPECT_EQ(Find<QPushButton>("okb")->text(), "Bilder verteilen");
  EXPECT_TRUE(Find<Panel>("statusbarp")->alignment() & Qt::AlignRight);
  EXPECT_TRUE(Find<QListView>("verteilelb")->isHidden());
  EXPECT_TRUE(Find<QListView>("verteileflb")->isHidden());

  QStringList menu;
  for (QAction* top : form->menuBar()->actions()) {
    menu << top->text();
    for (QAction* item : top->menu()->actions())
      menu << "  " + item->text();
  }
  EXPECT_EQ(menu, (QStringList{"&Datei", "  &Vorschau…", "  Letzte Verteilung &rückgängig machen…",
                               "  &Beenden", "&Optionen", "  &Einstellungen", "?", "  &Spende",
                               "  ", "  &Info"}));
  EXPECT_EQ(Find<QAction>("Beenden1")->shortcut(), QKeySequence(Qt::Key_Escape));
}

TEST_F(MainWindowTest, EscapeAsksBeforeQuitting) {
  testkit::WriteFile(settings, "[Form1]\nalt=1\n[optionenf]\nallcb=1\n");
  Create();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  modal.answers = {false, true};

  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());

  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>(2, ModalRequest{ModalKind::AskYesNo, "Wirklich Beenden?"})));
  // Closing erases the window's own section and nothing else.
  EXPECT_EQ(testkit::ReadWholeFile(settings), "[optionenf]\nallcb=1\n");
}

TEST_F(MainWindowTest, ASectionThatCannotBeErasedIsReportedAndTheWindowClosesAnyway) {
  testkit::WriteFile(settings, "[Form1]\nalt=1\n");
  Create();
  form->show();
  ScopedIniFaults faults({.writesBeforeFailure = 0});
  EXPECT_TRUE(form->close());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Error, "In " + settings + " kann nicht geschrieben werden."}}));
}

TEST_F(MainWindowTest, TheDistributeButtonShowsItsFocusAndSpacePressesIt) {
  testkit::WriteFile(settings,
                     "[optionenf]\nquellee=" + dir.path() + "/\nziele=" + dir.path() + "/\n");
  Create();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  auto* button = Find<QPushButton>("okb");
  // The only control that takes the focus has it from the start, with no
  // keyboard use that would make a style draw its mark.
  ASSERT_TRUE(button->hasFocus());
  const QImage focused = button->grab().toImage();
  button->clearFocus();
  EXPECT_NE(button->grab().toImage(), focused);

  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(form->runs, 1);
}

TEST_F(MainWindowTest, FoldersAreCheckedInOrderBeforeARun) {
  const std::string existing = dir.path() + "/";
  const std::string missing = dir.path() + "/weg/";
  const std::string apart = Folder("sicherung");
  const std::string inside = Folder("quelle");
  const ModalRequest notChosen{ModalKind::Information,
                               "Bitte zuerst den Quell und Zielordner der Daten auswählen!"};
  const struct {
    std::string source, target, backup;
    std::vector<ModalRequest> requests;
    const char* red; // the field marked missing, or nullptr
  } cases[] = {
      {"", "", "", {notChosen}, nullptr},
      {existing, "", apart, {notChosen}, nullptr},
      {missing,
       missing,
       "",
       {{ModalKind::Error, "Der Quellordner existiert nicht (mehr)!"}},
       "quellee"},
      {existing,
       missing,
       "",
       {{ModalKind::Error, "Der Zielordner existiert nicht (mehr)!"}},
       "ziele"},
      {inside,
       existing,
       missing,
       {{ModalKind::Error, "Der Sicherungsordner existiert nicht (mehr)!"}},
       "sicherunge"},
      {existing,
       apart,
       inside,
       {{ModalKind::Error, "Der Sicherungsordner darf nicht im Quell- oder Zielordner liegen."}},
       nullptr},
      {existing, existing, "", {}, nullptr},
      {inside, Folder("ziel"), apart, {}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source + " -> " + c.target + ", " + c.backup);
    testkit::WriteFile(settings, "[optionenf]\nquellee=" + c.source + "\nziele=" + c.target +
                                     "\nsicherunge=" + c.backup + "\n");
    Create();
    modal.requests.clear();
    ModalDialogCloser closer;
    Find<QPushButton>("okb")->click();
    EXPECT_EQ(modal.requests, c.requests);
    // A failed check opens the options; a passed one starts the run.
    EXPECT_EQ(closer.closed(), c.requests.empty() ? 0 : 1);
    EXPECT_EQ(form->runs, c.requests.empty() ? 1 : 0);
    for (const char* field : {"quellee", "ziele", "sicherunge"})
      EXPECT_EQ(Background(field) == kDarkRed, c.red && std::string(c.red) == field) << field;
  }
}

// The window's checks of the second target guard "OK" too: a refused one
// keeps the dialog open and stores nothing.
TEST_F(MainWindowTest, OkRefusesASecondTargetThatIsGoneOrNotApart) {
  const std::string source = Folder("karte");
  const std::string target = Folder("fotos");
  const std::string inTarget = Folder("fotos/2024");
  const std::string apart = Folder("platte");
  const char* inside = "Der Sicherungsordner darf nicht im Quell- oder Zielordner liegen.";
  const struct {
    std::string source, backup;
    const char* refusal; // nullptr: stored
  } cases[] = {
      {source, source + "DCIM/../", inside}, // inside the source, by its real path
      {source, dir.path() + "/", inside},    // above the target (and the source)
      {source, target, inside},              // the target itself
      {"", inTarget, inside},                // no source chosen yet: still apart from the target
      {source, dir.path() + "/weg/", "Der Sicherungsordner existiert nicht (mehr)!"},
      {source, "", nullptr},
      {dir.path() + "/weg/", apart, nullptr}, // a missing source is the run's check
  };
  Folder("karte/DCIM");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source + ", " + c.backup);
    std::filesystem::remove(settings);
    Create();
    options->show();
    options->findChild<QLineEdit*>("quellee")->setText(QString::fromStdString(c.source));
    options->findChild<QLineEdit*>("ziele")->setText(QString::fromStdString(target));
    options->findChild<QLineEdit*>("sicherunge")->setText(QString::fromStdString(c.backup));
    modal.requests.clear();
    options->findChild<QPushButton*>("okb")->click();
    const std::vector<ModalRequest> refused{{ModalKind::Error, c.refusal ? c.refusal : ""}};
    EXPECT_EQ(modal.requests, c.refusal ? refused : std::vector<ModalRequest>{});
    EXPECT_EQ(options->isVisible(), c.refusal != nullptr);
    EXPECT_EQ(std::filesystem::exists(settings), c.refusal == nullptr);
    EXPECT_EQ(Background("sicherunge") == kDarkRed, c.backup.ends_with("weg/"));
  }
}

TEST_F(MainWindowTest, MenuShowsTheOptionsTheDonationAndTheInfo) {
  Create();
  ModalDialogCloser closer;
  Find<QAction>("Einstellungen1")->trigger();
  EXPECT_EQ(closer.closed(), 1);

  Find<QAction>("Spende1")->trigger();
  Find<QAction>("Info1")->trigger();
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Information,
                 "\r\n\r\nWer die Software mag und gerne etwas spenden möchte:\r\n\r\n"
                 "spende@tamrel-fotomaz.example\r\n\r\nDanke!"},
                {ModalKind::Information, "Tamrel Fotomaz v1.2\r\n\r\nAutor: Tamrel Fotomaz "
                                         "Team\r\n\r\nNews && Updates:\r\n"
                                         "https://tamrel-fotomaz.example"}}));
}

} // namespace
