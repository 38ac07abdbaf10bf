// The report at the end of a run: its counts read as a user reads them, the
// dialog fits a small screen however long the list, and "Kopieren" puts the
// whole list on the clipboard.

#include "run/run_front_end.h"
#include "run/run_texts.h"
#include "window/report_dialog.h"
#include "window/run_report.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

TEST(RunReportTest, CountsReadInSingularAndPlural) {
  const struct {
    ReportCounts counts;
    ReportOf of;
    const char* summary;
  } cases[] = {
      {{1, 0, 0, 0, 0}, ReportOf::Distribution, "1 Datei verschoben"},
      {{0, 0, 1, 0, 0}, ReportOf::Distribution, "0 Dateien verschoben, 1 Datei lag schon im Ziel"},
      {{12, 2, 3, 1, 5},
       ReportOf::Distribution,
       "12 Dateien verschoben, 2 Dateien waren schon am Platz, 3 Dateien lagen schon im Ziel, "
       "1 Datei nicht verschoben, 5 nicht bearbeitet"},
      {{1, 1, 0, 0, 0}, ReportOf::Distribution, "1 Datei verschoben, 1 Datei war schon am Platz"},
      {{2, 0, 0, 1, 1},
       ReportOf::Undo,
       "2 Dateien zurückgelegt, 1 Datei nicht zurückgelegt, 1 nicht bearbeitet"},
      {{38, 0, 1, 1, 0},
       ReportOf::Copy,
       "38 Dateien kopiert, 1 Datei lag schon im Ziel, 1 Datei nicht kopiert"},
      {{2, 1, 0, 1, 0},
       ReportOf::CopyUndo,
       "2 Dateien gelöscht, 1 Datei war schon am Platz, 1 Datei nicht gelöscht"},
      // The undo of a moving run with a second target: its copies there go.
      {{4, 0, 0, 0, 0, 2}, ReportOf::Undo, "2 Dateien zurückgelegt, 2 Dateien gelöscht"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReportSummary(c.counts, c.of), c.summary);
}

TEST(RunReportTest, TheUndoQuestionNamesTheRun) {
  const struct {
    UndoScope scope;
    const char* question;
  } cases[] = {
      {{"2026-12-08 10:11:12", "/q", "/z", 1},
       "Verteilung vom 08.12.2026, 10:11 Uhr, von /q nach /z: 1 Datei an ihren alten Platz "
       "zurücklegen?"},
      {{"2026-12-08 10:11:12", "/q/neue\nzeile", "/z", 250},
       "Verteilung vom 08.12.2026, 10:11 Uhr, von /q/neue\\nzeile nach /z: 250 Dateien an ihren "
       "alten Platz zurücklegen?"},
      {{"2026-12-08 10:11:12", "/karte", "/z", 1, /*copies=*/true},
       "Verteilung vom 08.12.2026, 10:11 Uhr, von /karte nach /z: 1 Datei im Ziel löschen (die "
       "Quelle bleibt unverändert)?"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UndoQuestion(c.scope), c.question);
}

// A name that turns itself around on screen, or bytes an 8-bit terminal
// reads as a control, are shown as the log writes them.
TEST(RunReportTest, PathsAreShownEscapedAsInTheLog) {
  // A copy in the second target is a line of its own, after its file's.
  FileOutcome backedUp{"/q/b.jpg", FileResult::Moved, "/z/b.jpg", {}, {}};
  backedUp.backup = "/s/\x9B.jpg";
  const std::vector<FileOutcome> outcomes = {
      {"/q/a\xE2\x80\xAEgpj.exe", FileResult::Moved, "/z/\x9B.jpg", {}, {}},
      StayedOutcome("/q/neue\nzeile.jpg", StayReason::NoSpace),
      backedUp};
  const RunReport report = MakeRunReport(outcomes, 0, "", ReportOf::Distribution);
  std::string all;
  for (const std::string& line : report.lines)
    all += line + "\n";
  for (const char* shown : {"/q/a\\u202Egpj.exe -> /z/\\x9B.jpg", "/q/neue\\nzeile.jpg: ",
                            "/q/b.jpg -> /z/b.jpg\n/q/b.jpg -> /s/\\x9B.jpg\n"})
    EXPECT_NE(all.find(shown), std::string::npos) << shown << " in " << all;
}

RunReport ManyFiles(size_t count) {
  std::vector<FileOutcome> outcomes;
  for (size_t i = 0; i < count; ++i) {
    const std::string name =
        "/home/anna/Bilder/Kamera/Urlaub in den Bergen/IMG_" + std::to_string(1000 + i) + ".JPG";
    outcomes.push_back({name, FileResult::Moved, "/z/2021/" + std::to_string(i) + ".jpg", {}, {}});
  }
  outcomes[7] = StayedOutcome(outcomes[7].source, StayReason::NoSpace);
  return MakeRunReport(outcomes, 3, "/home/anna/.local/state/TamrelFotomaz/x-verteilung.lauf",
                       ReportOf::Distribution);
}

TEST(ReportDialogTest, FiveHundredFilesFitASmallScreenAndCopyWhole) {
  const RunReport report = ManyFiles(500);
  ASSERT_EQ(report.lines.size(), 500u);
  EXPECT_EQ(report.lines[0], "/home/anna/Bilder/Kamera/Urlaub in den Bergen/IMG_1007.JPG: kein "
                             "Platz im Ziel");
  ReportDialog dialog(report);
  dialog.show();

  EXPECT_EQ(dialog.windowTitle(), "Warnung");
  EXPECT_TRUE(dialog.isModal());
  const QSize frame = dialog.frameGeometry().size();
  EXPECT_LE(frame.width(), 800);
  EXPECT_LE(frame.height(), 600);
  auto* list = dialog.findChild<QListWidget*>("dateien");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 500);
  EXPECT_TRUE(list->verticalScrollBar()->isVisible());
  EXPECT_EQ(dialog.findChild<QLabel*>("zusammenfassung")->text(),
            "499 Dateien verschoben, 1 Datei nicht verschoben, 3 nicht bearbeitet");
  EXPECT_TRUE(dialog.findChild<QLabel*>("aufzeichnung")->text().endsWith("x-verteilung.lauf"));

  QApplication::clipboard()->clear();
  dialog.findChild<QPushButton*>("kopieren")->click();
  const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(copied.size(), 500);
  for (int i = 0; i < copied.size(); ++i)
    ASSERT_EQ(copied[i], list->item(i)->text()) << i;
}

} // namespace
