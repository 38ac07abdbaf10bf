// The options dialog: defaults, storing with "OK", restoring with "Abbruch",
// the close box, the folder choice and the mirrors in the main window.

#include "settings/options_dialog.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/temp_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

using testkit::ModalKind;
using testkit::ModalRequest;

const QColor kDarkRed(128, 0, 0);

class OptionsDialogTest : public testing::Test {
protected:
  testkit::FakeModal modal;
  testkit::TempDir dir;
  std::string settings = dir.File("TamrelFotomaz.ini");
  QLineEdit sourceMirror;
  QLineEdit targetMirror;
  std::unique_ptr<OptionsDialog> dialog;

  // The dialog as the program creates it: restored from the settings file.
  void Create() {
    dialog = std::make_unique<OptionsDialog>(settings, FolderMirrors{&sourceMirror, &targetMirror});
  }

  template <class Control> Control* Find(const char* name) {
    auto* control = dialog->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
  QCheckBox* Box(const char* name) { return Find<QCheckBox>(name); }
  QComboBox* Structure() { return Find<QComboBox>("verteiloptcbb"); }
  QString Explanation() { return Find<QLabel>("erkll")->text(); }
  void Click(const char* button) { Find<QAbstractButton>(button)->click(); }
  // The user picks an entry of the drop-down list.
  void Pick(int index) {
    Structure()->setCurrentIndex(index);
    emit Structure()->activated(index);
  }
  QColor Background(const char* field) {
    return Field(field)->palette().color(QPalette::Disabled, QPalette::Base);
  }
};

TEST_F(OptionsDialogTest, FirstStartShowsTheDefaults) {
  Create();
  EXPECT_EQ(Field("quellee")->text(), "");
  EXPECT_EQ(Field("ziele")->text(), "");
  EXPECT_EQ(sourceMirror.text(), "");
  EXPECT_FALSE(Box("allcb")->isChecked());
  EXPECT_TRUE(Box("piccb")->isChecked() && Box("piccb")->isEnabled());
  EXPECT_TRUE(Box("videocb")->isChecked() && Box("videocb")->isEnabled());
  EXPECT_TRUE(Box("exifrenamecb")->isChecked());
  EXPECT_FALSE(Box("keepfncb")->isChecked());
  EXPECT_EQ(Structure()->currentIndex(), 1);
  EXPECT_EQ(Explanation(), "Ordner Jahr, darin Ordner Monat, darin alle Dateien");
  EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST_F(OptionsDialogTest, OkStoresTheOptionsInOrderAndARestartRestoresThem) {
  Create();
  dialog->show();
  modal.folders = {"/bilder/quelle", "/bilder/ziel", "/sicherung"};
  Click("quellsuchsb");
  Click("zielsuchsb");
  Click("sicherungsuchsb");
  Box("allcb")->click();
  Box("keepfncb")->click();
  Pick(2);
  Click("okb");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(testkit::ReadWholeFile(settings), "[optionenf]\n"
                                              "quellee=/bilder/quelle/\n"
                                              "ziele=/bilder/ziel/\n"
                                              "sicherunge=/sicherung/\n"
                                              "exifrenamecb=1\n"
                                              "keepfncb=1\n"
                                              "gleichecb=0\n"
                                              "allcb=1\n"
                                              "piccb=1\n"
                                              "videocb=1\n"
                                              "modernecb=0\n"
                                              "begleitcb=0\n"
                                              "kopiercb=0\n"
                                              "verteiloptcbb=2\n");

  sourceMirror.clear();
  targetMirror.clear();
  Create();
  EXPECT_EQ(dialog->SourceFolder(), "/bilder/quelle/");
  EXPECT_EQ(dialog->TargetFolder(), "/bilder/ziel/");
  EXPECT_EQ(dialog->BackupFolder(), "/sicherung/");
  EXPECT_EQ(sourceMirror.text(), "/bilder/quelle/");
  EXPECT_EQ(targetMirror.text(), "/bilder/ziel/");
  EXPECT_TRUE(dialog->AllFiles());
  EXPECT_TRUE(dialog->KeepOriginalName());
  EXPECT_EQ(dialog->StructureIndex(), 2);
  EXPECT_EQ(Explanation(),
            "Ordner Jahr, darin Ordner Monat, darin Order mit Tag, darin alle Dateien");
}

TEST_F(OptionsDialogTest, AllGreysPicturesAndVideosButKeepsTheirMarks) {
  testkit::WriteFile(settings, "[optionenf]\nallcb=1\npiccb=0\nvideocb=1\n");
  Create();
  EXPECT_FALSE(Box("piccb")->isEnabled());
  EXPECT_FALSE(Box("videocb")->isEnabled());
  EXPECT_FALSE(dialog->Pictures());
  EXPECT_TRUE(dialog->Videos());
  Box("allcb")->click();
  EXPECT_TRUE(Box("piccb")->isEnabled());
  EXPECT_TRUE(Box("videocb")->isEnabled());
  EXPECT_FALSE(dialog->Pictures());
}

TEST_F(OptionsDialogTest, ChoosingAFolderAddsOneSeparatorAndPaintsTheFieldWhite) {
  Create();
  dialog->MarkMissingFolder(FolderField::Source);
  dialog->MarkMissingFolder(FolderField::Target);
  EXPECT_EQ(Background("quellee"), kDarkRed);

  Click("quellsuchsb"); // cancelled: nothing changes
  EXPECT_EQ(Field("quellee")->text(), "");
  EXPECT_EQ(Background("quellee"), kDarkRed);

  modal.folders = {"/", "/daten/fotos"};
  Click("quellsuchsb");
  Click("zielsuchsb");
  EXPECT_EQ(Field("quellee")->text(), "/");
  EXPECT_EQ(Field("ziele")->text(), "/daten/fotos/");
  EXPECT_EQ(targetMirror.text(), "/daten/fotos/");
  EXPECT_EQ(Background("quellee"), QColor(Qt::white));
  EXPECT_EQ(Background("ziele"), QColor(Qt::white));
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::BrowseFolder, "Bitte den Bilder-Quellordner auswählen:"},
                {ModalKind::BrowseFolder, "Bitte den Bilder-Quellordner auswählen:"},
                {ModalKind::BrowseFolder, "Bitte den Bilder-Zielordner auswählen:"}}));
}

TEST_F(OptionsDialogTest, AbbruchBringsBackTheStoredOptions) {
  testkit::WriteFile(settings, "[optionenf]\nquellee=/gespeichert/\nverteiloptcbb=0\n");
  Create();
  dialog->show();
  modal.folders = {"/anders", "/ziel"};
  Click("quellsuchsb");
  Click("zielsuchsb"); // no target stored: stays
  Pick(2);
  Click("Abbruch");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->SourceFolder(), "/gespeichert/");
  EXPECT_EQ(sourceMirror.text(), "/gespeichert/");
  EXPECT_EQ(dialog->TargetFolder(), "/ziel/");
  EXPECT_EQ(dialog->StructureIndex(), 0);
  EXPECT_EQ(Explanation(), "Ordner Jahr, darin dann alle Dateien");
}

TEST_F(OptionsDialogTest, CloseBoxKeepsChangesForNowButStoresNothing) {
  Create();
  dialog->show();
  modal.folders = {"/neu"};
  Click("quellsuchsb");
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->SourceFolder(), "/neu/");
  EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST_F(OptionsDialogTest, SettingsThatCannotBeWrittenKeepTheDialogOpen) {
  settings = dir.path(); // a folder cannot be replaced by a file
  Create();
  dialog->show();
  modal.folders = {"/neu"};
  Click("quellsuchsb");
  Click("okb");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->SourceFolder(), "/neu/");
  ASSERT_EQ(modal.requests.size(), 2u);
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::ApplicationError,
                          "In " + dir.path() + " kann nicht geschrieben werden."}));
}

TEST_F(OptionsDialogTest, StoredStructureOutsideTheEntriesSelectsNothing) {
  testkit::WriteFile(settings, "[optionenf]\nverteiloptcbb=5\n");
  Create();
  EXPECT_EQ(dialog->StructureIndex(), -1);
  EXPECT_EQ(Explanation(), "Erklärung...");
}

TEST_F(OptionsDialogTest, EscapeClosesNothingAndTabFollowsTheOptions) {
  Create();
  dialog->show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dialog.get(), &escape);
  EXPECT_TRUE(dialog->isVisible());

  std::vector<std::string> order;
  QWidget* start = Box("exifrenamecb");
  for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
    if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->objectName() != "")
      order.push_back(w->objectName().toStdString());
  EXPECT_EQ(order,
            (std::vector<std::string>{"keepfncb", "gleichecb", "allcb", "piccb", "videocb",
                                      "modernecb", "begleitcb", "kopiercb", "verteiloptcbb", "okb",
                                      "Abbruch", "quellsuchsb", "zielsuchsb", "sicherungsuchsb"}));

  // Only the picture buttons show hints.
  for (const QWidget* control : dialog->findChildren<QWidget*>()) {
    const bool hinted = control->objectName().endsWith("sb");
    EXPECT_EQ(!control->toolTip().isEmpty(), hinted) << control->objectName().toStdString();
  }
}

TEST_F(OptionsDialogTest, EnterPressesOnlyTheFocusedButtonAndNeitherIsTheDefault) {
  const struct {
    const char* focus;
    Qt::Key key;
    bool stored, open;
  } cases[] = {
      {"exifrenamecb", Qt::Key_Return, false, true},
      {"verteiloptcbb", Qt::Key_Enter, false, true},
      {"Abbruch", Qt::Key_Enter, false, false},
      {"okb", Qt::Key_Return, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.focus);
    std::filesystem::remove(settings);
    Create();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    // A button that once had the focus must not stay the default either.
    Find<QWidget>("okb")->setFocus();
    Find<QWidget>(c.focus)->setFocus();
    for (const char* button : {"okb", "Abbruch"})
      EXPECT_FALSE(Find<QPushButton>(button)->isDefault()) << button;

    QTest::keyClick(QApplication::focusWidget(), c.key);
    EXPECT_EQ(std::filesystem::exists(settings), c.stored);
    EXPECT_EQ(dialog->isVisible(), c.open);
  }
}

// Without a mouse: Alt+Q and Alt+Z lead to the folder buttons, Space or
// Enter opens the folder browser, and the chosen folder fills the field.
TEST_F(OptionsDialogTest, FoldersAreChosenWithTheKeyboardAlone) {
  const struct {
    Qt::Key letter, press;
    const char* button;
    const char* field;
    const char* caption;
  } cases[] = {
      {Qt::Key_Q, Qt::Key_Space, "quellsuchsb", "quellee",
       "Bitte den Bilder-Quellordner auswählen:"},
      {Qt::Key_Z, Qt::Key_Return, "zielsuchsb", "ziele", "Bitte den Bilder-Zielordner auswählen:"},
      {Qt::Key_S, Qt::Key_Space, "sicherungsuchsb", "sicherunge",
       "Bitte den Sicherungsordner auswählen:"},
  };
  Create();
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    modal.requests.clear();
    modal.folders = {"/media/karte/DCIM"};
    QTest::keyClick(QApplication::focusWidget(), c.letter, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), Find<QWidget>(c.button));
    QTest::keyClick(QApplication::focusWidget(), c.press);
    EXPECT_EQ(modal.requests,
              (std::vector<testkit::ModalRequest>{{testkit::ModalKind::BrowseFolder, c.caption}}));
    EXPECT_EQ(Find<QLineEdit>(c.field)->text(), "/media/karte/DCIM/");
    // The field shows its whole path as a tip.
    EXPECT_EQ(Find<QLineEdit>(c.field)->toolTip(), "/media/karte/DCIM/");
  }
}

// The second target is optional: its cross empties it, and the focus
// stays on the row when the cross greys out.
TEST_F(OptionsDialogTest, TheSecondTargetIsEmptiedByItsCross) {
  Create();
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  auto* cross = Find<QToolButton>("sicherungleersb");
  EXPECT_FALSE(cross->isEnabled());
  modal.folders = {"/media/platte"};
  Click("sicherungsuchsb");
  dialog->MarkMissingFolder(FolderField::Backup);
  EXPECT_EQ(Background("sicherunge"), kDarkRed);
  ASSERT_TRUE(cross->isEnabled());
  cross->setFocus();
  QTest::keyClick(cross, Qt::Key_Space);
  EXPECT_EQ(dialog->BackupFolder(), "");
  EXPECT_EQ(Background("sicherunge"), QColor(Qt::white));
  EXPECT_FALSE(cross->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>("sicherungsuchsb"));
}

} // namespace
