#include "settings/search_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon SearchIcon(const QColor& ink) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(10.0, 10.0), QPointF(14.5, 14.5));
  painter.setPen(QPen(ink, 1.5));
  painter.setBrush(QColor(190, 225, 250));
  painter.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
  return QIcon(picture);
}
