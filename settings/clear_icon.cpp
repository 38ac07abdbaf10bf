#include "settings/clear_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon ClearIcon(const QColor& ink) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(4.0, 4.0), QPointF(12.0, 12.0));
  painter.drawLine(QPointF(12.0, 4.0), QPointF(4.0, 12.0));
  return QIcon(picture);
}
