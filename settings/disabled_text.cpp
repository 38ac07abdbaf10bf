#include "settings/disabled_text.h"

#include <QWidget>

namespace {

// Below this lightness (0 to 255) dark text would be unreadable; the dark
// red marking has 64, the panel grey 192.
constexpr int kDarkBackgroundLightness = 100;
// At most this saturation (0 to 255) a background counts as grey.
constexpr int kGreySaturation = 32;

} // namespace

void UseReadableDisabledText(QWidget* control, const QColor& background) {
  const bool dark = background.lightness() < kDarkBackgroundLightness;
  const bool grey = background.hslSaturation() <= kGreySaturation;
  const QColor text = !dark  ? kDisabledTextOnLight
                      : grey ? kDisabledTextOnDarkGrey
                             : kDisabledTextOnDark;
  QPalette palette = control->palette();
  // Line edits draw with Text, check boxes and labels with WindowText or
  // ButtonText, depending on the style.
  for (const QPalette::ColorRole role :
       {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, text);
  control->setPalette(palette);
}
