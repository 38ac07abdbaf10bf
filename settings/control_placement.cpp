#include "settings/control_placement.h"

#include "settings/window_font.h"

QLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, const char* text,
                   LabelStyle style) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  if (style == LabelStyle::Bold) label->setFont(BoldWindowFont());
  label->setText(QString::fromUtf8(text));
  label->move(left, top);
  label->adjustSize();
  return label;
}
