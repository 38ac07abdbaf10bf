#pragma once
// The program's own small pictures of a photo and of a film, drawn rather
// than shipped as files: the "Bilder verteilen" button shows photos on their
// way into a folder, and the preview shows a photo or a film where a file
// has no thumbnail of its own.

#include <QPixmap>
#include <QRectF>

class QPainter;

// A photo (white frame, sky and green hills) in frame, turned by angle degrees.
void DrawPhoto(QPainter& painter, const QRectF& frame, double angle);

// A photo or a film strip centred on a transparent picture of size.
QPixmap PhotoPicture(QSize size);
QPixmap FilmPicture(QSize size);
