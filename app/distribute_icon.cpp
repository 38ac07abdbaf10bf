#include "app/distribute_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawPhoto(QPainter& painter, const QRectF& frame, double angle) {
  painter.save();
  painter.translate(frame.center());
  painter.rotate(angle);
  const QRectF local(-frame.width() / 2, -frame.height() / 2, frame.width(), frame.height());
  painter.setPen(QPen(QColor(90, 90, 90), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(local);
  const QRectF picture = local.adjusted(2, 2, -2, -5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(150, 200, 240));
  painter.drawRect(picture);
  QPainterPath hills;
  hills.moveTo(picture.bottomLeft());
  hills.lineTo(picture.left() + picture.width() * 0.35, picture.top() + picture.height() * 0.45);
  hills.lineTo(picture.left() + picture.width() * 0.6, picture.top() + picture.height() * 0.75);
  hills.lineTo(picture.left() + picture.width() * 0.8, picture.top() + picture.height() * 0.55);
  hills.lineTo(picture.bottomRight());
  hills.closeSubpath();
  painter.setBrush(QColor(70, 140, 70));
  painter.drawPath(hills);
  painter.restore();
}

} // namespace

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
