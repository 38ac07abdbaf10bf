#pragma once
// The 16 x 16 magnifying glass of the folder buttons, drawn on a transparent
// background with its handle and rim in ink: a dark grey on light panels, a
// light one on a dark desktop's.

#include <QIcon>

inline const QColor kSearchInkOnLight(40, 40, 40);
inline const QColor kSearchInkOnDark(230, 230, 230);

QIcon SearchIcon(const QColor& ink);
