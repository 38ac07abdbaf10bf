// LoadFormState and SaveFormState on a window that holds one control of every
// stored kind and tag, plus controls that must be left out.

#include "platform/ini.h"
#include "platform/ini_fault.h"
#include "settings/control_tag.h"
#include "settings/form_state.h"
#include "settings/panel.h"
#include "tests/kit/temp_files.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

template <class Control> Control* Add(QWidget* parent, const char* name, int tag) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  SetTag(control, tag);
  return control;
}

// The controls in definition order; the comment names the key(s) each writes.
struct TestForm {
  QWidget window;
  Panel* captionPanel = Add<Panel>(&window, "captionPanel", 1); // caption
  QLineEdit* edit = Add<QLineEdit>(captionPanel, "edit", 1);    // on the panel
  Panel* heightPanel = Add<Panel>(&window, "heightPanel", 2);   // height
  Panel* widthPanel = Add<Panel>(&window, "widthPanel", 3);     // width
  Panel* otherPanel = Add<Panel>(&window, "otherPanel", 4);     // nothing
  QLabel* label = Add<QLabel>(&window, "label", 1);
  QListWidget* list = Add<QListWidget>(&window, "list", 1); // list_0, list_1, ...
  QCheckBox* check = Add<QCheckBox>(&window, "check", 1);
  QComboBox* combo = Add<QComboBox>(&window, "combo", 1);           // index
  QComboBox* comboItems = Add<QComboBox>(&window, "comboItems", 2); // index, items
  QMenu* menu = Add<QMenu>(&window, "menu", 0);
  QAction* menuItem = Add<QAction>(menu, "menuItem", 1);
  QLineEdit* untagged = Add<QLineEdit>(&window, "untagged", 0);
  QCheckBox* tagTwoCheck = Add<QCheckBox>(&window, "tagTwoCheck", 2);
  QPushButton* button = Add<QPushButton>(&window, "button", 1);
  QListView* fileList = Add<QListView>(&window, "fileList", 1);
  QDialog* ownedDialog = Add<QDialog>(&window, "ownedDialog", 0);
  QLineEdit* dialogEdit = Add<QLineEdit>(ownedDialog, "dialogEdit", 1);

  TestForm() {
    window.setObjectName("TestForm");
    combo->addItems({"a", "b", "c"});
  }

  // Every stored control away from its initial state.
  void Fill() {
    captionPanel->setCaption("Titel");
    edit->setText("C:/Bilder/");
    heightPanel->resize(10, 33);
    widthPanel->resize(44, 10);
    label->setText("Beschriftung");
    list->addItems({"eins", "zwei"});
    check->setChecked(true);
    combo->setCurrentIndex(2);
    comboItems->addItems({"x", "y"});
    comboItems->setCurrentIndex(1);
    menuItem->setCheckable(true);
    menuItem->setChecked(true);
  }
};

class FormStateTest : public testing::Test {
protected:
  testkit::TempDir dir;
  std::string path = dir.File("settings.ini");
};

TEST_F(FormStateTest, SaveWritesEveryStoredKindInDefinitionOrder) {
  TestForm form;
  form.Fill();
  SaveFormState(path, &form.window);
  EXPECT_EQ(testkit::ReadWholeFile(path), "[TestForm]\n"
                                          "captionPanel=Titel\n"
                                          "edit=C:/Bilder/\n"
                                          "heightPanel=33\n"
                                          "widthPanel=44\n"
                                          "label=Beschriftung\n"
                                          "list_0=eins\n"
                                          "list_1=zwei\n"
                                          "check=1\n"
                                          "combo=2\n"
                                          "comboItems=1\n"
                                          "comboItems_0=x\n"
                                          "comboItems_1=y\n"
                                          "menuItem=1\n");
}

TEST_F(FormStateTest, SavedStateLoadsBackIntoAnotherWindow) {
  TestForm saved;
  saved.Fill();
  SaveFormState(path, &saved.window);

  TestForm loaded;
  LoadFormState(path, &loaded.window);
  EXPECT_EQ(loaded.captionPanel->caption(), "Titel");
  EXPECT_EQ(loaded.edit->text(), "C:/Bilder/");
  EXPECT_EQ(loaded.heightPanel->height(), 33);
  EXPECT_EQ(loaded.widthPanel->width(), 44);
  EXPECT_EQ(loaded.label->text(), "Beschriftung");
  ASSERT_EQ(loaded.list->count(), 2);
  EXPECT_EQ(loaded.list->item(1)->text(), "zwei");
  EXPECT_TRUE(loaded.check->isChecked());
  EXPECT_EQ(loaded.combo->currentIndex(), 2);
  ASSERT_EQ(loaded.comboItems->count(), 2);
  EXPECT_EQ(loaded.comboItems->currentText(), "y");
  EXPECT_TRUE(loaded.menuItem->isChecked());

  TestForm unchecked;
  unchecked.menuItem->setCheckable(true);
  unchecked.menuItem->setChecked(true);
  unchecked.check->setChecked(true);
  TestForm initial;
  SaveFormState(path, &initial.window);
  LoadFormState(path, &unchecked.window);
  EXPECT_FALSE(unchecked.menuItem->isChecked());
  EXPECT_FALSE(unchecked.check->isChecked());
}

TEST_F(FormStateTest, UnstoredKindsTagsAndOwnedWindowsAreNeitherWrittenNorRead) {
  TestForm form;
  form.untagged->setText("u");
  form.dialogEdit->setText("d");
  SaveFormState(path, &form.window);
  const std::string saved = testkit::ReadWholeFile(path);
  for (const char* key :
       {"otherPanel", "untagged", "tagTwoCheck", "button", "fileList", "dialogEdit"})
    EXPECT_EQ(saved.find(key), std::string::npos) << key;

  testkit::WriteFile(path, "[TestForm]\nuntagged=x\ndialogEdit=x\ntagTwoCheck=1\n");
  LoadFormState(path, &form.window);
  EXPECT_EQ(form.untagged->text(), "u");
  EXPECT_EQ(form.dialogEdit->text(), "d");
  EXPECT_FALSE(form.tagTwoCheck->isChecked());
}

TEST_F(FormStateTest, AbsentOrUnreadableKeysLeaveControlsAsTheyAre) {
  for (const char* file : {"", "[TestForm]\nheightPanel=hoch\ncheck=ja\ncombo=\nmenuItem=x\n"}) {
    SCOPED_TRACE(file);
    testkit::WriteFile(path, file);
    TestForm form;
    form.Fill();
    LoadFormState(path, &form.window);
    EXPECT_EQ(form.edit->text(), "C:/Bilder/");
    EXPECT_EQ(form.heightPanel->height(), 33);
    EXPECT_TRUE(form.check->isChecked());
    EXPECT_EQ(form.combo->currentIndex(), 2);
    EXPECT_TRUE(form.menuItem->isChecked());
  }
}

TEST_F(FormStateTest, CheckBoxReadsAnyNonZeroIntegerAsChecked) {
  const struct {
    const char* value;
    bool initial;
    bool loaded;
  } cases[] = {{"2", false, true},  {"-1", false, true},  {"0x1", false, true},
               {"$A", false, true}, {" 3", false, true},  {"0", true, false},
               {"ja", true, true},  {"ja", false, false}, {"", true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    testkit::WriteFile(path, std::string("[TestForm]\ncheck=") + c.value + "\n");
    TestForm form;
    form.check->setChecked(c.initial);
    LoadFormState(path, &form.window);
    EXPECT_EQ(form.check->isChecked(), c.loaded);
  }
}

TEST_F(FormStateTest, ListsAreEmptiedAndReadUpToTheFirstEmptyOrAbsentItem) {
  testkit::WriteFile(path, "[TestForm]\n"
                           "list_0=a\nlist_1=b\nlist_2=\nlist_3=d\n"
                           "comboItems=1\ncomboItems_0=x\ncomboItems_1=y\ncomboItems_3=z\n");
  TestForm form;
  form.list->addItems({"old1", "old2", "old3", "old4", "old5"});
  form.comboItems->addItems({"old"});
  LoadFormState(path, &form.window);
  ASSERT_EQ(form.list->count(), 2);
  EXPECT_EQ(form.list->item(0)->text(), "a");
  EXPECT_EQ(form.list->item(1)->text(), "b");
  EXPECT_EQ(form.comboItems->count(), 2);
  EXPECT_EQ(form.comboItems->currentIndex(), 1);

  // Nothing stored: the list is emptied all the same, and the combo box has
  // no selection, not its old one.
  testkit::WriteFile(path, "");
  form.comboItems->addItems({"p", "q"});
  form.comboItems->setCurrentIndex(0);
  LoadFormState(path, &form.window);
  EXPECT_EQ(form.list->count(), 0);
  EXPECT_EQ(form.comboItems->count(), 0);
  EXPECT_EQ(form.comboItems->currentIndex(), -1);
}

TEST_F(FormStateTest, LoadingReportsChangesOnlyWhereTheValueChanges) {
  testkit::WriteFile(path, "[TestForm]\nedit=neu\ncheck=1\nlabel=gleich\n");
  TestForm form;
  form.label->setText("gleich");
  int editChanges = 0;
  int checkChanges = 0;
  QObject::connect(form.edit, &QLineEdit::textChanged, [&] { ++editChanges; });
  QObject::connect(form.check, &QCheckBox::toggled, [&] { ++checkChanges; });
  LoadFormState(path, &form.window);
  EXPECT_EQ(editChanges, 1);
  EXPECT_EQ(checkChanges, 1);
  LoadFormState(path, &form.window);
  EXPECT_EQ(editChanges, 1);
  EXPECT_EQ(checkChanges, 1);
}

// A full disk in the middle of a save must not leave half the settings.
TEST_F(FormStateTest, AFailedSaveLeavesTheOldFileWhole) {
  const std::string old = "[TestForm]\nedit=/alt/\ncheck=0\n[optionenf]\nquellee=/q/\n";
  testkit::WriteFile(path, old);
  TestForm form;
  form.Fill();
  {
    ScopedIniFaults faults({.writesBeforeFailure = 0});
    try {
      SaveFormState(path, &form.window);
      FAIL() << "no write error";
    } catch (const IniWriteError& error) {
      EXPECT_EQ(std::string(error.what()), "In " + path + " kann nicht geschrieben werden");
    }
  }
  EXPECT_EQ(testkit::ReadWholeFile(path), old);
  // The whole save is one write; the other section stays, the window's comes last.
  ScopedIniFaults faults({.writesBeforeFailure = 1});
  SaveFormState(path, &form.window);
  const std::string saved = testkit::ReadWholeFile(path);
  EXPECT_TRUE(saved.starts_with("[optionenf]\nquellee=/q/\n[TestForm]\ncaptionPanel=Titel\n"))
      << saved;
  EXPECT_TRUE(saved.ends_with("comboItems_1=y\nmenuItem=1\n")) << saved;
}

} // namespace
