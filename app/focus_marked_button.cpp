#include "app/focus_marked_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
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
  QStyleOptionFocusRect mark;
  mark.QStyleOption::operator=(button);
  mark.state |= QStyle::State_KeyboardFocusChange;
  mark.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
}
