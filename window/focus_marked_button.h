#pragma once
// A push button that shows a focus mark whenever it has the focus: a dotted
// frame in the text colour, at least 3 : 1 against the window. Styles draw
// their mark only once the focus has moved by keyboard, some never on a flat
// button, and Fusion's is too faint; on the main window "Bilder verteilen"
// is the only control that takes the focus, so the focus never moves and no
// mark appeared, though Space presses the button.

#include <QPushButton>

class FocusMarkedButton : public QPushButton {
public:
  using QPushButton::QPushButton;

protected:
  void paintEvent(QPaintEvent* event) override;
};
