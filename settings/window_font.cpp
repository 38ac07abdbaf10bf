#include "settings/window_font.h"

QFont WindowFont() {
  QFont font("DejaVu Sans Condensed");
  font.setPixelSize(10);
  return font;
}

QFont BoldWindowFont() {
  QFont font = WindowFont();
  font.setBold(true);
  return font;
}
