// The preview from the main window's menu, on real folders of about 500
// files: its rows are the dry run's plan in the preview's order, nothing on
// disk changes, the search and the copy work on what is shown, "Verteilen"
// runs with the preview's options, and the run's messages and the run
// itself keep the preview away.

#include "run/distribution_run.h"
#include "window/main_window.h"
#include "window/preview_dialog.h"
#include "window/preview_model.h"
#include "platform/folder_lock.h"
#include "platform/walk_faults.h"
#include "settings/options_dialog.h"
#include "tests/run/run_fixture.h"
#include "tests/window/open_preview.h"
#include "tests/window/start_window.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/testkit.h"
#include "tests/settings/qt_test_app.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using testkit::ModalKind;
using testkit::ModalRequest;

// A red picture of a camera's thumbnail size, as a JPEG.
std::string RedThumbnail() {
  QImage image(160, 120, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes.toStdString();
}

class PreviewTest : public testing::Test {
protected:
  testkit::FakeModal modal;
  testkit::TempDir dir;
  std::string source = dir.File("Quelle");
  std::string target = source + "/Archiv"; // inside: its files are in place
  std::unique_ptr<MainWindow> form;
  OptionsDialog* options = nullptr;
  bool previewShown = false;

  void SetUp() override {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    setenv("XDG_STATE_HOME", dir.File("zustand").c_str(), 1);
    fs::create_directories(target);
  }

  void Create(const std::string& optionLines = "") {
    StartedWindow started = StartWindow(dir.File("TamrelFotomaz.ini"), source, target, optionLines);
    form = std::move(started.form);
    options = started.options;
  }

  void Add(const std::string& name, const std::string& bytes, int year, int second = 30) {
    testkit::WriteFileAt(source + "/" + name, bytes,
                         testkit::LocalSeconds(year, 6, 15, 10, 20, second));
  }

  // Every kind of outcome: pictures dated by EXIF (some with a thumbnail)
  // and by their file date, films, a file already in place, one whose bytes
  // are in the target already, one without a date, an unreadable folder
  // (see UnreadableFolder), and a tab in a name.
  void BuildTree() {
    const std::string thumbnail = RedThumbnail();
    for (int i = 0; i < 400; ++i) {
      const std::string date =
          "2023:05:" + std::to_string(10 + i % 20) + " 12:" + std::to_string(10 + i / 20) + ":32";
      Add((i < 200 ? "Urlaub/IMG_" : "Garten/DSC_") + std::to_string(i) + ".JPG",
          i % 50 == 0 ? testkit::JpegWithThumbnail(thumbnail, testkit::ByteOrder::Intel, date)
                      : testkit::JpegWithExifDate(date),
          2020);
    }
    for (int i = 0; i < 80; ++i)
      Add("Handy/bild" + std::to_string(i) + ".png", "png" + std::to_string(i), 2021, 2 * (i % 30));
    for (int i = 0; i < 15; ++i)
      Add("clip" + std::to_string(i) + ".MOV", "mov" + std::to_string(i), 2022);
    Add("Archiv/2021/06/2021-06-15_102030.png", "gleich", 2021);
    Add("doppelt.png", "gleich", 2021);
    Add("alt.png", "alt", 1975);
    Add("tab\tname.png", "tab", 2019);
    fs::create_directories(source + "/Gesperrt");
  }
  std::string UnreadableFolder() const { return source + "/Gesperrt/"; }

  void Preview(const std::function<void(PreviewDialog&)>& inspect) {
    previewShown = OpenPreview(*form, inspect);
  }

  std::vector<FileOutcome> DryRun() {
    RunOptions runOptions;
    runOptions.source = source + "/";
    runOptions.target = target + "/";
    runOptions.skipIdentical = true;
    runtest::FakeFrontEnd plan;
    plan.options = runOptions;
    DistributionRun(plan, RunMode::DryRun).DistributeFiles();
    SortForPreview(plan.outcomes);
    return plan.outcomes;
  }
};

std::string Describe(const FileOutcome& o) {
  return o.source + " | " + std::to_string(static_cast<int>(o.result)) + " | " + o.target + " | " +
         PreviewReasonText(o);
}

TEST_F(PreviewTest, RowsAreTheDryRunsPlanInTheirOrderAndNothingMoves) {
  BuildTree();
  ScopedWalkFaults faults(
      {.unreadable = [&](const std::string& folder) { return folder == UnreadableFolder(); }});
  Create("gleichecb=1\n");
  const std::vector<std::string> before = testkit::ExactTree(source);
  std::vector<std::string> expected;
  for (const FileOutcome& outcome : DryRun())
    expected.push_back(Describe(outcome));

  std::vector<std::string> rows;
  std::map<std::string, std::vector<std::string>> shown; // by file name: the texts of a row
  QImage thumbnail, noThumbnail;
  Preview([&](PreviewDialog& preview) {
    PreviewModel& model = preview.Model();
    for (int row = 0; row < model.rowCount(); ++row) {
      rows.push_back(Describe(model.Outcome(row)));
      fs::path path(model.Outcome(row).source);
      if (!path.has_filename()) path = path.parent_path(); // a folder
      const std::string name = path.filename();
      for (int column = 2; column < model.columnCount(); ++column)
        shown[name].push_back(model.index(row, column).data().toString().toStdString());
      const QVariant picture =
          model.index(row, static_cast<int>(PreviewColumn::Picture)).data(Qt::DecorationRole);
      if (name == "IMG_0.JPG") thumbnail = picture.value<QPixmap>().toImage();
      if (name == "IMG_1.JPG") noThumbnail = picture.value<QPixmap>().toImage();
    }
  });

  ASSERT_TRUE(previewShown);
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(rows.size(), 400u + 80 + 15 + 5);
  EXPECT_EQ(testkit::ExactTree(source), before);
  const std::string archive = target + "/";
  const struct {
    const char* name;
    std::vector<std::string> texts; // target, date, date source, reason
  } cases[] = {
      {"IMG_0.JPG", {archive + "2023/05/2023-05-10_121032.jpg", "10.05.2023 12:10:32", "EXIF", ""}},
      {"bild1.png",
       {archive + "2021/06/2021-06-15_102002.png", "15.06.2021 10:20:02", "Dateidatum", ""}},
      {"2021-06-15_102030.png",
       {archive + "2021/06/2021-06-15_102030.png", "15.06.2021 10:20:30", "Dateidatum",
        "liegt schon an seinem Platz"}},
      {"doppelt.png",
       {archive + "2021/06/2021-06-15_102030.png", "15.06.2021 10:20:30", "Dateidatum",
        "schon im Ziel vorhanden"}},
      {"Gesperrt", {"", "", "", "Ordner nicht lesbar"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown[c.name], c.texts) << c.name;
  EXPECT_TRUE(shown["alt.png"][3].starts_with("Datum nicht lesbar")) << shown["alt.png"][3];
  // The thumbnail of a JPEG that has one, the photo picture for one without.
  ASSERT_FALSE(thumbnail.isNull());
  EXPECT_LE(thumbnail.width(), 48);
  EXPECT_EQ(QColor(thumbnail.pixel(thumbnail.rect().center())).red() > 200, true);
  EXPECT_NE(noThumbnail, thumbnail);
}

TEST_F(PreviewTest, PicturesLoadLazilyAndTheSearchAndCopyWorkOnWhatIsShown) {
  BuildTree();
  Create();
  QStringList found;
  QString copied;
  Preview([&](PreviewDialog& preview) {
    PreviewModel& model = preview.Model();
    auto* table = preview.findChild<QTableView*>("vorschaulv");
    // Pictures load as their rows come into view, not all 499 at the start.
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&preview));
    table->viewport()->repaint();
    const int loaded = model.PicturesLoaded();
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, 30);
    table->scrollToBottom();
    table->viewport()->repaint();
    EXPECT_GT(model.PicturesLoaded(), loaded);
    EXPECT_LT(model.PicturesLoaded(), 2 * loaded + 2);
    const struct {
      QString text;
      int rows;
    } cases[] = {
        {"URLAUB/img_1", 111}, {"2023/05/2023-05-1", 200}, {"TAB", 1}, {"", 499}, {"nirgends", 0}};
    for (const auto& c : cases) {
      preview.findChild<QLineEdit*>("suchee")->setText(c.text);
      EXPECT_EQ(model.rowCount(), c.rows) << c.text.toStdString();
    }
    preview.findChild<QLineEdit*>("suchee")->setText("name.png");
    table->selectAll();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    copied = QApplication::clipboard()->text();
  });
  ASSERT_TRUE(previewShown);
  EXPECT_EQ(copied.toStdString(), source + "/tab\\tname.png\t" + target +
                                      "/2019/06/2019-06-15_102030.png\t15.06.2019 "
                                      "10:20:30\tDateidatum\t\n");
}

TEST_F(PreviewTest, DistributeRunsWithThePreviewsOptionsAfterTheUsualQuestion) {
  Add("a.png", "a", 2021);
  Add("b.MOV", "b", 2022);
  Create("verteiloptcbb=0\n");
  const std::string elsewhere = dir.File("Anderswo");
  fs::create_directories(elsewhere);
  modal.answers = {true, false};
  Preview([&](PreviewDialog& preview) {
    // Changed while the preview is open: the run keeps the preview's.
    options->findChild<QLineEdit*>("ziele")->setText(QString::fromStdString(elsewhere + "/"));
    preview.findChild<QPushButton*>("verteilenb")->click();
  });
  ASSERT_TRUE(previewShown);
  EXPECT_EQ(modal.requests,
            (std::vector<ModalRequest>{
                {ModalKind::Confirm, "Insgesamt 2 Dateien gefunden.\nMit der Arbeit anfangen?"},
                {ModalKind::Confirm, "Fertig! Ziel-Ordner jetzt öffnen?"}}));
  EXPECT_EQ(testkit::FilesBelow(target),
            (std::vector<std::string>{"2021/2021-06-15_102030.png", "2022/2022-06-15_102030.mov"}));
  EXPECT_TRUE(testkit::FilesBelow(elsewhere).empty());
  // The next run reads the dialog again.
  EXPECT_EQ(options->TargetFolder(), elsewhere + "/");
}

TEST_F(PreviewTest, ARunsMessagesComeInsteadOfThePreview) {
  const std::string missing = dir.File("weg");
  const struct {
    const char* what;
    std::string source;
    bool locked;
    ModalRequest request;
  } cases[] = {
      {"nothing found",
       source,
       false,
       {ModalKind::Message, "Es wurden keine gültigen Daten gefunden"}},
      {"missing source",
       missing,
       false,
       {ModalKind::Error, "Der Quellordner existiert nicht (mehr)!"}},
      {"busy source",
       source,
       true,
       {ModalKind::Warning, "Eine andere Verteilung arbeitet gerade mit diesem Quellordner."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    source = c.source;
    Create();
    FolderLock other;
    if (c.locked) {
      ASSERT_EQ(other.Take(c.source + "/"), FolderLocking::Held);
    }
    modal.requests.clear();
    ModalDialogCloser closer; // the options, opened after a missing folder
    Preview([](PreviewDialog&) {});
    EXPECT_FALSE(previewShown);
    EXPECT_EQ(modal.requests, std::vector<ModalRequest>{c.request});
    source = dir.File("Quelle");
  }
}

TEST_F(PreviewTest, TheMenuItemIsDisabledDuringARun) {
  for (int i = 0; i < 20; ++i)
    Add("bild" + std::to_string(i) + ".png", "x" + std::to_string(i), 2021);
  Create();
  modal.answers = {true, false};
  auto* menu = form->findChild<QMenu*>("Datei1");
  auto* item = form->findChild<QAction*>("Vorschau1");
  std::optional<bool> enabledDuringRun;
  QTimer during;
  during.setInterval(0);
  QObject::connect(&during, &QTimer::timeout, [&] {
    if (!form->Distributing() || enabledDuringRun) return;
    emit menu->aboutToShow();
    enabledDuringRun = item->isEnabled();
    Preview([](PreviewDialog&) {}); // a trigger all the same does nothing
  });
  during.start();
  form->findChild<QPushButton*>("okb")->click();
  during.stop();

  EXPECT_EQ(enabledDuringRun, false);
  EXPECT_FALSE(previewShown);
  emit menu->aboutToShow();
  EXPECT_TRUE(item->isEnabled());
}

} // namespace
