// The options dialog stores what the run core reads back: the dialog's
// control names are the core's keys, and its defaults are the core's.

#include "run/run_options.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "tests/kit/temp_files.h"
#include "window/window_front_end.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void Choose(OptionsDialog& dialog, const RunOptions* chosen) {
  if (chosen) {
    const auto box = [&](const char* key) { return dialog.findChild<QCheckBox*>(key); };
    dialog.findChild<QLineEdit*>(kSourceKey)->setText(QString::fromStdString(chosen->source));
    dialog.findChild<QLineEdit*>(kTargetKey)->setText(QString::fromStdString(chosen->target));
    dialog.findChild<QLineEdit*>(kBackupKey)->setText(QString::fromStdString(chosen->backup));
    box(kAllFilesKey)->setChecked(chosen->kinds.all);
    box(kPicturesKey)->setChecked(chosen->kinds.pictures);
    box(kVideosKey)->setChecked(chosen->kinds.videos);
    box(kRenameKey)->setChecked(chosen->renameByDate);
    box(kKeepNameKey)->setChecked(chosen->keepOriginalName);
    box(kIdenticalKey)->setChecked(chosen->skipIdentical);
    box(kModernFormatsKey)->setChecked(chosen->modernFormats);
    box(kCompanionsKey)->setChecked(chosen->companions);
    box(kCopyKey)->setChecked(chosen->copy);
    dialog.findChild<QComboBox*>(kStructureKey)
        ->setCurrentIndex(IndexOfStructure(chosen->structure));
  }
}

RunOptions SavedWithTheDialog(const std::string& settings, const RunOptions* chosen) {
  QLineEdit sourceMirror, targetMirror;
  OptionsDialog dialog(settings, FolderMirrors{&sourceMirror, &targetMirror});
  Choose(dialog, chosen);
  dialog.findChild<QPushButton*>("okb")->click();
  return ReadRunOptions(settings);
}

TEST(OptionsRoundTripTest, WhatTheDialogSavesIsWhatTheRunReads) {
  const RunOptions cases[] = {
      {"/q/",
       "/z/",
       {false, true, true},
       true,
       false,
       FolderStructure::YearMonth,
       true,
       false,
       true,
       true,
       "/sicherung/"},
      {"/quelle a/",
       "/ziel b/",
       {true, false, false},
       false,
       true,
       FolderStructure::Year,
       false,
       true,
       false,
       false,
       "/sicherung b/"},
      {"/q/",
       "/z/",
       {false, false, true},
       true,
       true,
       FolderStructure::YearMonthDay,
       true,
       true,
       true,
       false,
       ""},
      {"",
       "/z/",
       {false, true, false},
       false,
       false,
       FolderStructure::None,
       false,
       false,
       false,
       false,
       ""},
  };
  for (const RunOptions& chosen : cases) {
    SCOPED_TRACE(chosen.source + " " + std::to_string(IndexOfStructure(chosen.structure)));
    testkit::TempDir dir;
    EXPECT_EQ(SavedWithTheDialog(dir.File("TamrelFotomaz.ini"), &chosen), chosen);
    // The window reads the same options live from the controls.
    OptionsDialog dialog(dir.File("ungespeichert.ini"), FolderMirrors{});
    Choose(dialog, &chosen);
    Panel statusLine;
    QProgressBar progress;
    QListView fileList;
    EXPECT_EQ(WindowFrontEnd(&statusLine, &progress, &fileList, dialog).Options(), chosen);
  }
}

TEST(OptionsRoundTripTest, TheDialogsDefaultsAreTheRunsDefaults) {
  testkit::TempDir dir;
  const std::string settings = dir.File("TamrelFotomaz.ini");
  EXPECT_EQ(ReadRunOptions(settings), RunOptions{}); // no file yet
  EXPECT_EQ(SavedWithTheDialog(settings, nullptr), RunOptions{});
}

} // namespace
