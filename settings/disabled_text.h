#pragma once
// Greyed-out texts that stay readable. The style's own grey for disabled
// text all but vanishes on the panels' grey 192 and on the dark red marking
// of a missing folder. These colours reach a contrast of at least 4.5 : 1
// (relative luminance as WCAG defines it) against the background behind the
// text, yet stay clearly dimmer than enabled text, so a control still looks
// disabled.

#include <QColor>

class QWidget;

// A mid-dark grey for light backgrounds (white, the panel grey, the window):
// 5.7 : 1 on grey 192, 10.4 : 1 on white. Antialiased glyphs of the small
// window font reach somewhat less at their darkest pixel, hence the margin.
inline const QColor kDisabledTextOnLight(64, 64, 64);
// A pale pink for dark backgrounds: 5.7 : 1 on the dark red (128, 0, 0).
inline const QColor kDisabledTextOnDark(224, 176, 176);
// A light grey for the dark greys of a dark desktop palette: 5.7 : 1 on
// grey 53, pink would look like the missing-folder marking there.
inline const QColor kDisabledTextOnDarkGrey(176, 176, 176);

// Gives control's disabled texts the colour above that suits background.
void UseReadableDisabledText(QWidget* control, const QColor& background);
