// A distribution run started from the main window on real folders: files
// land where their dates say, the questions come in order, and a user who
// clicks, changes options or closes the window during the run is handled.

#include "platform/folder_lock.h"
#include "platform/move_faults.h"
#include "settings/options_dialog.h"
#include "settings/panel.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/testkit.h"
#include "tests/settings/qt_test_app.h"
#include "tests/window/start_window.h"
#include "window/close_on_signal.h"
#include "window/main_window.h"
#include "window/window_front_end.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <fcntl.h>
#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace {

namespace fs = std::filesystem;
using testkit::ModalKind;
using testkit::ModalRequest;

const std::string kFoundThree = "Insgesamt 3 Dateien gefunden.\nMit der Arbeit anfangen?";
const std::string kFinished = "Fertig! Ziel-Ordner jetzt öffnen?";

// Calls paint each time control is painted, while the object lives.
class PaintCounter : public QObject {
public:
  PaintCounter(QWidget* control, std::function<void()> paint)
      : control_(control), paint_(std::move(paint)) {
    control_->installEventFilter(this);
  }
  ~PaintCounter() override { control_->removeEventFilter(this); }

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) paint_();
    return false;
  }

private:
  QWidget* control_;
  std::function<void()> paint_;
};

class RunWindowTest : public testing::Test {
protected:
  testkit::FakeModal modal;
  testkit::TempDir dir;
  std::string source = dir.File("Quelle");
  std::string target = dir.File("Ziel");
  std::unique_ptr<MainWindow> form;
  OptionsDialog* options = nullptr;

  void SetUp() override {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    // Each test's runs keep their records apart.
    setenv("XDG_STATE_HOME", dir.File("zustand").c_str(), 1);
    fs::create_directories(source);
    fs::create_directories(target);
  }

  // Start-up as main() does it, with the given options lines.
  void Create(const std::string& optionLines) {
    StartedWindow started = StartWindow(dir.File("TamrelFotomaz.ini"), source, target, optionLines);
    form = std::move(started.form);
    options = started.options;
  }

  // A file below the source folder, last modified at the given local time.
  void AddFile(const std::string& name, const std::string& bytes, int year, int month = 6,
               int day = 15, int hour = 10, int minute = 20, int second = 31) {
    testkit::WriteFileAt(source + "/" + name, bytes,
                         testkit::LocalSeconds(year, month, day, hour, minute, second));
  }
  static void SetModified(const std::string& path, int year, int month, int day, int hour,
                          int minute, int second) {
    testkit::SetModifiedTime(path, testkit::LocalSeconds(year, month, day, hour, minute, second));
  }
  static std::vector<std::string> FilesBelow(const std::string& root) {
    return testkit::FilesBelow(root);
  }

  void ClickDistribute() { form->findChild<QPushButton*>("okb")->click(); }

  // Runs action in the event handling before file `file` (counted from 0),
  // as a user acting between two files: once `file` files have arrived under
  // the target. (The bar is no clock: it skips files.) At least 1.
  void BeforeFile(size_t file, std::function<void()> action) {
    auto* watch = new QTimer(form.get());
    watch->setInterval(0);
    QObject::connect(watch, &QTimer::timeout, form.get(), [this, watch, file, action] {
      if (FilesBelow(target).size() != file) return;
      watch->stop();
      action();
    });
    watch->start();
  }

  std::string StatusText() const { return form->StatusLine()->caption().toStdString(); }
};

TEST_F(RunWindowTest, AClickRunsToTheEndAndOffersTheLastFolder) {
  AddFile("IMG_1234.JPG", testkit::JpegWithExifDate("2023:05:01 12:07:32"), 2020);
  AddFile("Urlaub/IMG_2000.jpg", testkit::JpegWithExifDate("2023:05:01 12:07:32"), 2020);
  AddFile("clip.MOV", "video", 2022, 12, 24, 18, 30, 45);
  AddFile("notiz.txt", "not collected", 2022);
  Create("verteiloptcbb=2\n");
  modal.answers = {true, true};

  ClickDistribute();

  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{{ModalKind::Confirm, kFoundThree},
                                       {ModalKind::Confirm, kFinished},
                                       {ModalKind::OpenFolder, target + "/2022/12/24"}}));
  EXPECT_EQ(FilesBelow(target),
            (std::vector<std::string>{"2022/12/24/2022-12-24_183044.mov",
                                      "2023/05/01/2023-05-01_120732.jpg",
                                      "2023/05/01/2023-05-01_120732_[0001].jpg"}));
  EXPECT_EQ(FilesBelow(source), (std::vector<std::string>{"notiz.txt"}));
  // The collected list in collection order: pictures by tree, then videos.
  QStringList collected;
  const QAbstractItemModel* list = form->FileList()->model();
  for (int i = 0; i < list->rowCount(); ++i)
    collected << list->index(i, 0).data().toString();
  EXPECT_EQ(collected, (QStringList{QString::fromStdString(source + "/IMG_1234.JPG"),
                                    QString::fromStdString(source + "/Urlaub/IMG_2000.jpg"),
                                    QString::fromStdString(source + "/clip.MOV")}));
  EXPECT_EQ(StatusText(), "Fertig!");
  EXPECT_EQ(form->Progress()->maximum(), 2);
  EXPECT_EQ(form->Progress()->value(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(RunWindowTest, ATargetFolderThatCannotBeOpenedIsReported) {
  AddFile("a.png", "a", 2021);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, true};
  modal.openings = {FolderOpening::Failed};

  ClickDistribute();

  EXPECT_EQ(
      modal.requests,
      (std::vector<ModalRequest>{
          {ModalKind::Confirm, "Insgesamt 1 Dateien gefunden.\nMit der Arbeit anfangen?"},
          {ModalKind::Confirm, kFinished},
          {ModalKind::OpenFolder, target + "/2021"},
          {ModalKind::Error, "Der Ordner " + target + "/2021 konnte nicht geöffnet werden."}}));
}

// The last file stays (its folder could not be made): the folder offered is
// that of the last file moved, not the one that does not exist.
TEST_F(RunWindowTest, TheFolderOfTheLastFileMovedIsOffered) {
  AddFile("a.png", "a", 2021);
  AddFile("z.png", "z", 2022);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, true};
  std::optional<ScopedMoveFaults> full;
  BeforeFile(1, [&] { full.emplace(MoveFaults{.targetRefuses = ENOSPC}); });

  ClickDistribute();

  ASSERT_EQ(modal.requests.size(), 4u);
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::Report, "1 Datei verschoben, 1 Datei nicht verschoben"}));
  EXPECT_EQ(modal.requests[3], (ModalRequest{ModalKind::OpenFolder, target + "/2021"}));
  EXPECT_FALSE(fs::exists(target + "/2022"));
}

// Events are handled before every file, but the status line and the bar
// are repainted about 30 times a second at most: a paint costs more than a
// move under a real display.
TEST_F(RunWindowTest, ProgressIsRepaintedAtMostAbout30TimesASecond) {
  constexpr int kFiles = 600;
  for (int i = 0; i < kFiles; ++i)
    AddFile("bild" + std::to_string(i) + ".png", "x", 2021);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, false};
  int paints = 0;
  QStringList painted;
  PaintCounter counter(form->StatusLine(), [&] {
    ++paints;
    painted << form->StatusLine()->caption();
  });
  PaintCounter barCounter(form->Progress(), [&] { ++paints; });
  int eventRounds = 0;
  QTimer round;
  round.setInterval(0);
  QObject::connect(&round, &QTimer::timeout, [&] { ++eventRounds; });
  round.start();

  QElapsedTimer clock;
  clock.start();
  ClickDistribute();
  const double seconds = static_cast<double>(clock.elapsed()) / 1000;

  EXPECT_EQ(FilesBelow(target).size(), static_cast<size_t>(kFiles));
  EXPECT_GE(eventRounds, kFiles);
  // Both controls: 30 a second (a throttle paints up to ceil(30 s) + 1
  // times in s seconds, which counts on a run of a few hundredths), the
  // first and the last file, and the collection's lines before the run.
  EXPECT_LE(paints, 2 * (std::ceil(30 * seconds) + 5)) << seconds << " s";
  EXPECT_TRUE(painted.contains("Bearbeite Bild: 1 / 600  ")) << painted.join("|").toStdString();
}

TEST_F(RunWindowTest, AFileWithoutADateStaysAndIsReportedBeforeTheLastQuestion) {
  AddFile("a.png", "a", 2021);
  AddFile("b.png", "b", 2021);
  AddFile("c.png", "c", 2021);
  SetModified(source + "/b.png", 1975, 1, 1, 12, 0, 0);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, false};

  ClickDistribute();

  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Confirm, kFoundThree},
                {ModalKind::Report, "2 Dateien verschoben, 1 Datei nicht verschoben"},
                {ModalKind::Confirm, kFinished}}));
  ASSERT_EQ(modal.reports.size(), 1u);
  EXPECT_EQ(modal.reports[0].kind, ReportKind::Warning);
  EXPECT_EQ(modal.reports[0].lines,
            (std::vector<std::string>{
                source + "/b.png: Datum nicht lesbar: Ungültiges Argument zum Codieren des Datums",
                source + "/a.png -> " + target + "/2021/a.png",
                source + "/c.png -> " + target + "/2021/c.png"}));
  EXPECT_EQ(FilesBelow(target), (std::vector<std::string>{"2021/a.png", "2021/c.png"}));
  EXPECT_EQ(FilesBelow(source), (std::vector<std::string>{"b.png"}));
  EXPECT_EQ(StatusText(), "Fertig!");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(form->Distributing());

  // With the date repaired, the next click moves the rest.
  SetModified(source + "/b.png", 2021, 6, 15, 10, 20, 31);
  modal.requests.clear();
  modal.answers = {true, false};
  ClickDistribute();
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Confirm, "Insgesamt 1 Dateien gefunden.\nMit der Arbeit anfangen?"},
                {ModalKind::Confirm, kFinished}}));
  EXPECT_EQ(FilesBelow(target),
            (std::vector<std::string>{"2021/a.png", "2021/b.png", "2021/c.png"}));
}

TEST_F(RunWindowTest, TheLastRunIsTakenBackFromTheMenu) {
  AddFile("a.png", "a", 2021);
  AddFile("b/c.png", "c", 2022);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, false};
  ClickDistribute();
  ASSERT_EQ(FilesBelow(target), (std::vector<std::string>{"2021/a.png", "2022/c.png"}));
  testkit::WriteFile(target + "/2022/c.png", "bearbeitet"); // changed since the run

  // A later run that moves nothing is no run to take back.
  AddFile("d.png", "d", 1975);
  modal.answers = {true};
  ClickDistribute();

  QAction* undo = form->findChild<QAction*>("Rueckgaengig1");
  ASSERT_NE(undo, nullptr);
  modal.requests.clear();
  modal.reports.clear();
  modal.answers = {true};
  undo->trigger();
  ASSERT_EQ(modal.requests.size(), 2u);
  const std::string question = modal.requests[0].text;
  EXPECT_TRUE(question.starts_with("Verteilung vom ")) << question;
  EXPECT_TRUE(question.ends_with(" Uhr, von " + source + " nach " + target +
                                 ": 2 Dateien an ihren alten Platz zurücklegen?"))
      << question;
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::Report, "1 Datei zurückgelegt, 1 Datei nicht zurückgelegt"}));
  EXPECT_EQ(modal.reports[0].lines,
            (std::vector<std::string>{target + "/2022/c.png: seit der Verteilung geändert",
                                      target + "/2021/a.png -> " + source + "/a.png"}));
  std::remove((source + "/d.png").c_str());
  EXPECT_EQ(FilesBelow(source), (std::vector<std::string>{"a.png"}));
  EXPECT_EQ(StatusText(), "Fertig!");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // Mended, the next undo finishes the job; then there is nothing left.
  testkit::WriteFileAt(target + "/2022/c.png", "c", testkit::LocalSeconds(2022, 6, 15, 10, 20, 31));
  modal.requests.clear();
  modal.answers = {true};
  undo->trigger();
  ASSERT_EQ(modal.requests.size(), 2u);
  EXPECT_TRUE(modal.requests[0].text.ends_with(": 1 Datei an ihren alten Platz zurücklegen?"))
      << modal.requests[0].text;
  // a.png went back the first time: it is counted as in place, not again.
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::Report, "1 Datei zurückgelegt, 1 Datei war schon am Platz"}));
  EXPECT_EQ(FilesBelow(source), (std::vector<std::string>{"a.png", "b/c.png"}));
  EXPECT_TRUE(FilesBelow(target).empty());
  modal.requests.clear();
  undo->trigger();
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Information, "Keine Verteilung zum Rückgängigmachen gefunden."}}));
}

// Another run works with the source folder: neither the button nor the undo
// starts, and a warning says why.
TEST_F(RunWindowTest, ASourceFolderInUseByAnotherRunGetsAWarning) {
  AddFile("a.png", "a", 2021);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true, false};
  ClickDistribute(); // a run to take back
  AddFile("b.png", "b", 2021);
  FolderLock other;
  ASSERT_EQ(other.Take(source), FolderLocking::Held);
  modal.requests.clear();

  ClickDistribute();
  form->findChild<QAction*>("Rueckgaengig1")->trigger();

  const ModalRequest busy{ModalKind::Warning,
                          "Eine andere Verteilung arbeitet gerade mit diesem Quellordner."};
  EXPECT_EQ(modal.requests, (std::vector<ModalRequest>{busy, busy}));
  EXPECT_EQ(FilesBelow(source), std::vector<std::string>{"b.png"});
  EXPECT_EQ(FilesBelow(target), std::vector<std::string>{"2021/a.png"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// With the option ticked, a file whose bytes lie in the target already stays
// and is counted on its own; alone it is an information, not a warning. As
// nothing moved, no folder is offered.
TEST_F(RunWindowTest, FilesAlreadyInTheTargetAreReportedAndNoFolderIsOffered) {
  const std::string present = source + "/a.png: schon im Ziel vorhanden: " + target + "/2021/a.png";
  const struct {
    bool undatable;
    ReportKind kind;
    std::string summary;
    std::vector<std::string> lines;
  } cases[] = {
      {false,
       ReportKind::Information,
       "0 Dateien verschoben, 1 Datei lag schon im Ziel",
       {present}},
      {true,
       ReportKind::Warning,
       "0 Dateien verschoben, 1 Datei lag schon im Ziel, 1 Datei nicht verschoben",
       {source + "/b.png: Datum nicht lesbar: Ungültiges Argument zum Codieren des Datums",
        present}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.undatable);
    AddFile("a.png", "a", 2021);
    testkit::WriteFileAt(target + "/2021/a.png", "a", 0);
    if (c.undatable) AddFile("b.png", "b", 1975);
    Create("verteiloptcbb=0\nexifrenamecb=0\ngleichecb=1\n");
    modal.requests.clear();
    modal.reports.clear();
    modal.answers = {true, true};

    ClickDistribute();

    ASSERT_EQ(modal.requests.size(), 2u);
    EXPECT_EQ(modal.requests[1], (ModalRequest{ModalKind::Report, c.summary}));
    EXPECT_EQ(modal.reports[0].kind, c.kind);
    EXPECT_EQ(modal.reports[0].lines, c.lines);
    // The run moved nothing: its record is no run to take back.
    EXPECT_TRUE(modal.reports[0].recordPath.ends_with("-verteilung-leer.lauf"))
        << modal.reports[0].recordPath;
    EXPECT_EQ(FilesBelow(target), std::vector<std::string>{"2021/a.png"});
  }
}

// "Anhalten" stops the run after the file in hand: every file is whole at
// one place, and the report says what moved and how many were not reached.
TEST_F(RunWindowTest, AnhaltenStopsAfterTheFileInHandAndReportsWhatMoved) {
  constexpr size_t kFiles = 500, kStopAt = 200;
  for (size_t i = 0; i < kFiles; ++i)
    AddFile("bild" + std::to_string(1000 + i) + ".png", "bytes " + std::to_string(i), 2021);
  Create("verteiloptcbb=0\nexifrenamecb=0\n");
  modal.answers = {true};
  QString buttonDuringRun;
  BeforeFile(kStopAt, [&] {
    buttonDuringRun = form->findChild<QPushButton*>("okb")->text();
    ClickDistribute();
  });

  ClickDistribute();

  EXPECT_EQ(buttonDuringRun, "Anhalten");
  EXPECT_EQ(form->findChild<QPushButton*>("okb")->text(), "Bilder verteilen");
  EXPECT_EQ(StatusText(), "Angehalten.");
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Confirm, "Insgesamt 500 Dateien gefunden.\nMit der Arbeit anfangen?"},
                {ModalKind::Report, "200 Dateien verschoben, 300 nicht bearbeitet"}}));
  const std::vector<std::string> moved = FilesBelow(target), left = FilesBelow(source);
  EXPECT_EQ(moved.size(), kStopAt); // no temporary copy either
  EXPECT_EQ(left.size(), kFiles - kStopAt);
  std::vector<std::string> listed;
  for (const std::string& name : moved)
    listed.push_back(source + "/" + name.substr(5) + " -> " + target + "/" + name);
  std::vector<std::string> reported = modal.reports.at(0).lines;
  std::sort(reported.begin(), reported.end());
  EXPECT_EQ(reported, listed);
  EXPECT_TRUE(modal.reports[0].recordPath.ends_with("-verteilung.lauf"));
  EXPECT_FALSE(form->Distributing());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(RunWindowTest, OptionsChangedDuringARunApplyToTheFilesAfter) {
  for (const char* name : {"a.png", "b.png", "c.png"})
    AddFile(name, name, 2021);
  Create("verteiloptcbb=0\nexifrenamecb=1\n");
  modal.answers = {true, false};
  // The user opens the options from the menu, turns renaming off and closes
  // them with the close box.
  QTimer user;
  user.setInterval(5);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != options) return;
    options->findChild<QCheckBox*>("exifrenamecb")->setChecked(false);
    options->close();
  });
  user.start();
  BeforeFile(2, [&] { form->findChild<QAction*>("Einstellungen1")->trigger(); });

  ClickDistribute();

  EXPECT_EQ(FilesBelow(target),
            (std::vector<std::string>{"2021/2021-06-15_102030.png",
                                      "2021/2021-06-15_102030_[0001].png", "2021/c.png"}));
}

// A user's close during a run asks whether to stop; a stop signal does not.
TEST_F(RunWindowTest, ClosingDuringARunAsksThenStopsAfterTheFileInHand) {
  const ModalRequest found{ModalKind::Confirm, kFoundThree};
  const ModalRequest stop{ModalKind::AskYesNo, "Die Verteilung läuft noch. Anhalten und beenden?"};
  const struct {
    const char* how;
    size_t beforeFile; // 0: during the collection
    std::function<void(MainWindow&)> close;
    std::deque<bool> answers;
    size_t moved;
    std::vector<ModalRequest> requests;
    bool open;
  } cases[] = {
      {"Beenden answered Yes",
       2,
       [](MainWindow& w) { w.findChild<QAction*>("Beenden1")->trigger(); },
       {true, true},
       2,
       {found, stop},
       false},
      {"close box answered No",
       2,
       [](MainWindow& w) { w.close(); },
       {true, false, false},
       3,
       {found, stop, {ModalKind::Confirm, kFinished}},
       true},
      {"signal while collecting",
       0,
       [](MainWindow& w) {
         w.setProperty(kClosingOnSignal, true);
         w.close();
       },
       {},
       0,
       {},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    fs::remove_all(target);
    fs::create_directories(target);
    for (const char* name : {"a.png", "b.png", "c.png"})
      if (!fs::exists(source + "/" + name)) AddFile(name, name, 2021);
    Create("verteiloptcbb=0\nexifrenamecb=0\n");
    modal.requests.clear();
    modal.answers = c.answers;
    if (c.beforeFile > 0)
      BeforeFile(c.beforeFile, [&] { c.close(*form); });
    else
      QTimer::singleShot(0, form.get(), [&] { c.close(*form); });

    ClickDistribute();

    EXPECT_EQ(modal.requests, c.requests);
    EXPECT_EQ(FilesBelow(target).size(), c.moved);
    EXPECT_EQ(FilesBelow(source).size(), 3 - c.moved);
    EXPECT_EQ(form->isVisible(), c.open);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

} // namespace

namespace {

// With kopiercb the window's report and its undo speak of copies: "kopiert"
// and "nicht kopiert", then "im Ziel löschen" and "gelöscht"; the source
// stays as it was throughout.
TEST_F(RunWindowTest, ACopyRunAndItsUndoAreReportedAsCopies) {
  AddFile("a.png", "a", 2021);
  AddFile("z.png", "z", 2022);
  const std::vector<std::string> card = testkit::ExactTree(source);
  Create("verteiloptcbb=0\nexifrenamecb=0\nkopiercb=1\n");
  modal.answers = {true, false};
  std::optional<ScopedMoveFaults> full;
  BeforeFile(1, [&] { full.emplace(MoveFaults{.targetRefuses = ENOSPC}); });
  ClickDistribute();
  full.reset();
  ASSERT_EQ(modal.requests.size(), 3u);
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::Report, "1 Datei kopiert, 1 Datei nicht kopiert"}));
  EXPECT_EQ(FilesBelow(target), (std::vector<std::string>{"2021/a.png"}));
  EXPECT_EQ(testkit::ExactTree(source), card);

  modal.requests.clear();
  modal.answers = {true};
  form->findChild<QAction*>("Rueckgaengig1")->trigger();
  ASSERT_EQ(modal.requests.size(), 2u);
  EXPECT_TRUE(modal.requests[0].text.ends_with(
      ": 1 Datei im Ziel löschen (die Quelle bleibt unverändert)?"))
      << modal.requests[0].text;
  // z.png's copy never landed: nothing of it to delete.
  EXPECT_EQ(modal.requests[1],
            (ModalRequest{ModalKind::Report, "1 Datei gelöscht, 1 Datei war schon am Platz"}));
  EXPECT_TRUE(FilesBelow(target).empty());
  EXPECT_EQ(testkit::ExactTree(source), card);
}

} // namespace
