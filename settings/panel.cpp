#include "settings/panel.h"

Panel::Panel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
}
