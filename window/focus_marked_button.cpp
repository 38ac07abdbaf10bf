#include "window/focus_marked_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void FocusMarkedButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton button;
  initStyleOption(&button);
  // The button without the style's own mark, then the mark once, always.
  QStyleOptionButton unmarked = button;
  unmarked.state &= ~QStyle::State_HasFocus;
  painter.drawControl(QStyle::CE_PushButton, unmarked);
  if (!hasFocus()) return;
  // The styles' own marks are too faint on the window grey (Fusion's is a
  // pale blue, about 1.5 : 1); the text colour reaches well over 3 : 1 on
  // the window, light or dark.
  const QRect mark = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
  QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(mark.adjusted(0, 0, -1, -1));
}
