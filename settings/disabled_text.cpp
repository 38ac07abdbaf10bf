#include "settings/disabled_text.h"

#include <QWidget>

namespace {

// Below this lightness (0 to 255) dark text would be unreadable; the dark
// red marking has 64, the panel grey 192.
constexpr int kDarkBackgroundLightness = 100;

} // namespace

void UseReadableDisabledText(QWidget* control, const QColor& background) {
  const QColor text = background.lightness() < kDarkBackgroundLightness ? kDisabledTextOnDark
                                                                        : kDisabledTextOnLight;
  QPalette palette = control->palette();
  // Line edits draw with Text, check boxes and labels with WindowText or
  // ButtonText, depending on the style.
  for (const QPalette::ColorRole role :
       {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, text);
  control->setPalette(palette);
}
