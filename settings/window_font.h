#pragma once
// The font of the program's windows. Their layout is fixed in pixels, so the
// font is fixed in pixels too: a condensed sans face at 10 pixels, whose
// character height matches the 11-pixel layout grid and whose longest texts
// fit their controls.

#include <QFont>

QFont WindowFont();
QFont BoldWindowFont();
