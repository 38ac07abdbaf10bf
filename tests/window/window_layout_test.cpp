// The fixed layouts of both windows: every text fits its control. With
// FOTOMAZ_SCREENSHOT_DIR set, the windows are also saved as pictures there.

#include "settings/options_dialog.h"
#include "tests/kit/dated_files.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"
#include "tests/window/open_preview.h"
#include "window/main_window.h"
#include "window/qt_modal.h"
#include "window/report_dialog.h"
#include "window/run_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Width a control needs to show its whole text; 0 for controls without text.
int NeededWidth(const QWidget* control) {
  if (qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control))
    return control->sizeHint().width();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    if (button->text().isEmpty()) return button->icon().isNull() ? 0 : button->iconSize().width();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->fontMetrics().horizontalAdvance(button->text()) + icon + 8;
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
      widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    return widest + 24; // frame and arrow
  }
  return 0;
}

// Every visible control lies inside its container and is wide enough for
// its text.
void ExpectTextsFit(const QWidget& window) {
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    const QWidget* container = control->parentWidget();
    // Qt's own helper widgets (unnamed or "qt_...") are not ours to lay out.
    const QString name = control->objectName();
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    if (!control->isVisibleTo(&window) || control->isWindow() || container->isWindow()) continue;
    SCOPED_TRACE(control->objectName().toStdString());
    EXPECT_LE(NeededWidth(control), control->width());
    EXPECT_LE(control->geometry().right(), container->width() - 1);
    EXPECT_LE(control->geometry().bottom(), container->height() - 1);
  }
}

QString ScreenshotFolder() {
  return QString::fromUtf8(qgetenv("FOTOMAZ_SCREENSHOT_DIR"));
}

void SaveScreenshot(QWidget& window, const char* name) {
  if (ScreenshotFolder().isEmpty()) return;
  window.show();
  // Active, as a user sees it: the focus mark where the focus is.
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(window.grab().save(ScreenshotFolder() + "/" + name));
}

TEST(WindowLayoutTest, EveryTextFitsItsControl) {
  testkit::FakeModal modal;
  testkit::TempDir dir;
  const std::string settings = dir.File("TamrelFotomaz.ini");
  testkit::WriteFile(settings, "[optionenf]\nquellee=/home/anna/Kamera/\nziele=/home/anna/Fotos/\n"
                               "sicherunge=/media/anna/Sicherung/\n");
  MainWindow form(settings);
  OptionsDialog options(settings, form.Mirrors(), &form);
  form.SetOptions(&options);

  ExpectTextsFit(form);
  ExpectTextsFit(options);
  EXPECT_EQ(form.centralWidget()->size(), QSize(492, 196));
  EXPECT_EQ(options.size(), QSize(526, 563));

  SaveScreenshot(form, "main-window.png");
  SaveScreenshot(options, "options-dialog.png");
  options.findChild<QCheckBox*>("allcb")->setChecked(true);
  SaveScreenshot(options, "options-dialog-all.png");
}

// The report of a run that left a few files behind, as the README shows it.
TEST(WindowLayoutTest, ReportScreenshot) {
  if (ScreenshotFolder().isEmpty()) GTEST_SKIP() << "FOTOMAZ_SCREENSHOT_DIR not set";
  std::vector<FileOutcome> outcomes;
  for (int i = 0; i < 40; ++i)
    outcomes.push_back(
        {"/home/anna/Kamera/DCIM/IMG_" + std::to_string(4711 + i) + ".JPG",
         FileResult::Moved,
         "/home/anna/Fotos/2026/07/2026-07-14_1012" + std::to_string(10 + i) + ".jpg",
         {},
         {}});
  outcomes[3] = StayedOutcome("/home/anna/Kamera/DCIM/IMG_4714.JPG", StayReason::DateUnreadable,
                              "Ungültiges Argument zum Codieren des Datums");
  outcomes[5] = {"/home/anna/Kamera/DCIM/IMG_4716.JPG",
                 FileResult::AlreadyInTarget,
                 "/home/anna/Fotos/2026/07/2026-07-14_101215.jpg",
                 {},
                 {}};
  ReportDialog dialog(MakeRunReport(outcomes, 12,
                                    "/home/anna/.local/state/TamrelFotomaz/"
                                    "20260714-101200-0004242-00-verteilung.lauf",
                                    ReportOf::Distribution));
  SaveScreenshot(dialog, "report-dialog.png");
}

// The folder browser as the options dialog opens it, at a home folder with
// a few folders in it.
TEST(WindowLayoutTest, FolderBrowserScreenshot) {
  if (ScreenshotFolder().isEmpty()) GTEST_SKIP() << "FOTOMAZ_SCREENSHOT_DIR not set";
  testkit::TempDir root;
  const std::string home = root.File("anna");
  for (const char* folder : {"Bilder", "Dokumente", "Kamera", "Musik", "Videos"})
    std::filesystem::create_directories(home + "/" + folder);
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("HOME", home.c_str());
  QTimer::singleShot(200, [] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      EXPECT_TRUE(dialog->grab().save(ScreenshotFolder() + "/folder-browser.png"));
      dialog->reject();
    }
  });
  EXPECT_EQ(QtModal().BrowseFolder("Bitte den Bilder-Quellordner auswählen:"), std::nullopt);
  qputenv("HOME", oldHome);
}

// A thumbnail as a camera makes it: sky over a hill, in the hue given.
std::string Thumbnail(int hue) {
  QImage image(160, 120, QImage::Format_RGB32);
  image.fill(QColor::fromHsv(hue, 90, 240));
  QPainter painter(&image);
  painter.setBrush(QColor::fromHsv((hue + 120) % 360, 160, 150));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QRect(-40, 70, 240, 120));
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes.toStdString();
}

// The preview of a small card: photos with thumbnails, a picture and a film
// without, and a file that stays. It fits an 800 x 600 screen.
TEST(WindowLayoutTest, PreviewFitsASmallScreen) {
  testkit::FakeModal modal;
  testkit::TempDir dir;
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  const std::string source = dir.File("Kamera"), target = dir.File("Fotos");
  std::filesystem::create_directories(target);
  for (int i = 0; i < 6; ++i) {
    const std::string date = "2024:07:1" + std::to_string(i) + " 1" + std::to_string(i) + ":2" +
                             std::to_string(i) + ":05";
    testkit::WriteFileAt(
        source + "/DCIM/IMG_10" + std::to_string(i) + ".JPG",
        testkit::JpegWithThumbnail(Thumbnail(i * 50), testkit::ByteOrder::Intel, date),
        testkit::LocalSeconds(2024, 8, 1, 9, 0, 0));
  }
  testkit::WriteFileAt(source + "/Handy/Bildschirmfoto.png", "png",
                       testkit::LocalSeconds(2024, 7, 20, 18, 4, 12));
  testkit::WriteFileAt(source + "/DCIM/MVI_0107.MOV", "mov",
                       testkit::LocalSeconds(2024, 7, 16, 17, 45, 30));
  testkit::WriteFileAt(source + "/alt/scan.jpg", "scan",
                       testkit::LocalSeconds(1975, 3, 1, 0, 0, 0));
  const std::string settings = dir.File("TamrelFotomaz.ini");
  testkit::WriteFile(settings, "[optionenf]\nquellee=" + source + "/\nziele=" + target + "/\n");
  MainWindow form(settings);
  OptionsDialog options(settings, form.Mirrors(), &form);
  form.SetOptions(&options);
  form.show();
  EXPECT_TRUE(OpenPreview(form, [](PreviewDialog& preview) {
    EXPECT_LE(preview.frameGeometry().width(), 800);
    EXPECT_LE(preview.frameGeometry().height(), 600 - 40); // a panel
    if (ScreenshotFolder().isEmpty()) return;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_TRUE(preview.grab().save(ScreenshotFolder() + "/preview.png"));
  }));
}

} // namespace
