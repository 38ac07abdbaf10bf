#include "window/distribute_icon.h"

#include "window/file_icons.h"

#include <QPainter>
#include <QPixmap>

QIcon DistributeIcon() {
  QPixmap picture(48, 48);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // The folder.
  painter.setPen(QPen(QColor(150, 110, 20), 1));
  painter.setBrush(QColor(240, 200, 90));
  painter.drawRoundedRect(QRectF(4, 22, 40, 22), 2, 2);
  painter.drawRoundedRect(QRectF(4, 18, 16, 6), 2, 2);
  // Two photos on their way in.
  DrawPhoto(painter, QRectF(8, 4, 20, 18), -12);
  DrawPhoto(painter, QRectF(20, 8, 20, 18), 10);
  // The folder's front.
  painter.setBrush(QColor(250, 215, 110));
  painter.drawRoundedRect(QRectF(4, 28, 40, 16), 2, 2);
  return QIcon(picture);
}
