#pragma once
// A push button that shows the style's focus mark whenever it has the focus.
// Styles draw the mark only once the focus has moved by keyboard, and some
// never on a flat button; on the main window "Bilder verteilen" is the only
// control that takes the focus, so the focus never moves and no mark
// appeared, though Space presses the button.

#include <QPushButton>

class FocusMarkedButton : public QPushButton {
public:
  using QPushButton::QPushButton;

protected:
  void paintEvent(QPaintEvent* event) override;
};
