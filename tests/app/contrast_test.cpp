// Greyed-out texts stay readable: measured on a grab of each control in each
// state, the glyph pixel farthest from the background behind it reaches a
// contrast of 4.5 : 1 (WCAG relative luminance), and still falls clearly
// short of the strongest text possible there, so the control looks disabled.

#include "app/main_window.h"
#include "settings/options_dialog.h"
#include "tests/kit/fake_modal.h"
#include "tests/kit/temp_files.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
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

TEST(ContrastTest, GreyedOutTextsStayReadableYetLookDisabled) {
  testkit::FakeModal modal;
  testkit::TempDir dir;
  const std::string settings = dir.File("TamrelFotomaz.ini");
  testkit::WriteFile(settings, "[optionenf]\nallcb=1\n");
  MainWindow form(settings);
  auto* options = new OptionsDialog(settings, form.Mirrors(), &form);
  form.SetOptions(options);
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

} // namespace
