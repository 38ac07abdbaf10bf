#pragma once
// The 16 x 16 cross of the button that empties an optional folder field,
// in the ink of the magnifying glass beside it (search_icon.h).

#include <QIcon>

QIcon ClearIcon(const QColor& ink);
