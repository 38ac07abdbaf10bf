// Greyed-out texts stay readable: measured on a grab of each control in each
// state, the glyph pixel farthest from the background behind it reaches a
// contrast of 4.5 : 1 (WCAG relative luminance), and still falls clearly
// short of the strongest text possible there, so the control looks disabled.

#include "window/main_window.h"
#include "settings/options_dialog.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/temp_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr double kReadable = 4.5;
// Share of the strongest possible contrast that disabled text stays below.
constexpr double kDimmed = 0.8;

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb pixel) {
  return 0.2126 * Linear(qRed(pixel)) + 0.7152 * Linear(qGreen(pixel)) +
         0.0722 * Linear(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Measure {
  double text = 1;      // the glyph pixel farthest from its background
  double strongest = 1; // black or white on that background
};

// The control grabbed without and with its text: the pixels that differ are
// the glyphs', the first grab holds the background behind each.
Measure TextContrast(QWidget* control, const QString& text) {
  control->setProperty("text", QString());
  const QImage background = control->grab().toImage();
  control->setProperty("text", text);
  const QImage shown = control->grab().toImage();
  Measure measure;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb glyph = shown.pixel(x, y), behind = background.pixel(x, y);
      if (glyph == behind || Contrast(glyph, behind) <= measure.text) continue;
      measure.text = Contrast(glyph, behind);
      measure.strongest =
          std::max(Contrast(behind, qRgb(0, 0, 0)), Contrast(behind, qRgb(255, 255, 255)));
    }
  return measure;
}

std::string AllTicked(const testkit::TempDir& dir) {
  const std::string settings = dir.File("TamrelFotomaz.ini");
  testkit::WriteFile(settings, "[optionenf]\nallcb=1\n");
  return settings;
}

// The main window and its options as at a start, with "Alle" ticked.
struct Windows {
  testkit::FakeModal modal;
  testkit::TempDir dir;
  std::string settings = AllTicked(dir);
  MainWindow form{settings};
  OptionsDialog* options = new OptionsDialog(settings, form.Mirrors(), &form);
  Windows() { form.SetOptions(options); }
};

TEST(ContrastTest, GreyedOutTextsStayReadableYetLookDisabled) {
  Windows windows;
  MainWindow& form = windows.form;
  OptionsDialog* options = windows.options;
  const QString folder = "/home/anna/Bilder/Kamera/";

  const struct {
    const char* what;
    QWidget* window;
    const char* control;
    QString text;
    std::function<void()> state;
  } cases[] = {
      {"Bilder with Alle ticked", options, "piccb", "Bilder", [] {}},
      {"Videos with Alle ticked", options, "videocb", "Videos", [] {}},
      {"source field on white", options, "quellee", folder, [] {}},
      {"source field marked missing", options, "quellee", folder,
       [&] { options->MarkMissingFolder(FolderField::Source); }},
      {"target field marked missing", options, "ziele", folder,
       [&] { options->MarkMissingFolder(FolderField::Target); }},
      {"main window source", &form, "quellee", folder, [] {}},
      {"main window target", &form, "ziele", folder, [] {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.state();
    auto* control = c.window->findChild<QWidget*>(c.control);
    ASSERT_NE(control, nullptr);
    ASSERT_FALSE(control->isEnabled());
    const Measure measure = TextContrast(control, c.text);
    testing::Test::RecordProperty(c.what, QString::number(measure.text, 'f', 2).toStdString());
    EXPECT_GE(measure.text, kReadable);
    EXPECT_LE(measure.text, kDimmed * measure.strongest) << measure.text;
  }
}

// The strongest contrast between the two grabs where they differ: what a
// state adds to a control (a focus mark, a tick).
double AddedContrast(const QImage& without, const QImage& with) {
  double strongest = 1;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      strongest = std::max(strongest, Contrast(with.pixel(x, y), without.pixel(x, y)));
  return strongest;
}

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Button, QColor(53, 53, 53));
  dark.setColor(QPalette::ButtonText, Qt::white);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  return dark;
}

// On a light and on a dark desktop: the panels are silver only on the light
// one, every text of the options reaches 4.5 : 1, greyed-out ones still look
// disabled, a ticked disabled box shows its tick, and the focus mark of
// "Bilder verteilen" reaches 3 : 1 against the window.
TEST(ContrastTest, LightAndDarkDesktopsKeepEveryTextReadable) {
  const QPalette original = QApplication::palette();
  const struct {
    const char* what;
    QPalette palette;
    bool silver;
  } desktops[] = {{"light", original, true}, {"dark", DarkPalette(), false}};
  for (const auto& desktop : desktops) {
    SCOPED_TRACE(desktop.what);
    QApplication::setPalette(desktop.palette);
    Windows windows;
    MainWindow& form = windows.form;
    OptionsDialog* options = windows.options;

    const QColor panel = options->findChild<QWidget*>("Panel2")->palette().color(QPalette::Window);
    EXPECT_EQ(panel == QColor(192, 192, 192), desktop.silver) << panel.name().toStdString();
    for (const char* name : {"Label5", "Label3", "Label9", "exifrenamecb", "gleichecb", "erkll"}) {
      SCOPED_TRACE(name);
      auto* control = options->findChild<QWidget*>(name);
      ASSERT_NE(control, nullptr);
      EXPECT_GE(TextContrast(control, control->property("text").toString()).text, kReadable);
    }
    auto* pictures = options->findChild<QCheckBox*>("piccb");
    ASSERT_FALSE(pictures->isEnabled());
    const Measure greyed = TextContrast(pictures, "Bilder");
    EXPECT_GE(greyed.text, kReadable);
    EXPECT_LE(greyed.text, kDimmed * greyed.strongest);
    pictures->setChecked(false);
    const QImage unticked = pictures->grab().toImage();
    pictures->setChecked(true);
    EXPECT_GE(AddedContrast(unticked, pictures->grab().toImage()), 3.0);

    auto* button = form.findChild<QPushButton*>("okb");
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(button->hasFocus());
    const QImage marked = button->grab().toImage();
    button->clearFocus();
    EXPECT_GE(AddedContrast(button->grab().toImage(), marked), 3.0);
  }
  QApplication::setPalette(original);
}

} // namespace
