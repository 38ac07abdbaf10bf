#include "window/file_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The drawings are made for this box and scaled to the size asked for.
constexpr double kBoxWidth = 48;
constexpr double kBoxHeight = 36;

QPixmap Drawn(QSize size, void (*draw)(QPainter&)) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = std::min(size.width() / kBoxWidth, size.height() / kBoxHeight);
  painter.translate((size.width() - kBoxWidth * scale) / 2,
                    (size.height() - kBoxHeight * scale) / 2);
  painter.scale(scale, scale);
  draw(painter);
  return picture;
}

void DrawFilm(QPainter& painter) {
  const QRectF strip(6, 2, 36, 32);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(50, 50, 55));
  painter.drawRoundedRect(strip, 2, 2);
  // The sprocket holes down both edges.
  painter.setBrush(QColor(235, 235, 235));
  for (int hole = 0; hole < 5; ++hole) {
    const double top = strip.top() + 3 + hole * 6;
    painter.drawRect(QRectF(strip.left() + 2, top, 3, 3));
    painter.drawRect(QRectF(strip.right() - 5, top, 3, 3));
  }
  // One frame of the film: a small photo.
  DrawPhoto(painter, QRectF(strip.left() + 8, strip.top() + 5, 20, 22), 0);
}

} // namespace

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

QPixmap PhotoPicture(QSize size) {
  return Drawn(size, [](QPainter& painter) { DrawPhoto(painter, QRectF(8, 2, 32, 32), 0); });
}

QPixmap FilmPicture(QSize size) {
  return Drawn(size, DrawFilm);
}
