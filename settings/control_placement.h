#pragma once
// Creating the controls of the fixed-layout windows: each named after its
// component (the name is also its key in the settings file) and placed at
// its pixel position.

#include <QLabel>
#include <QRect>

template <class Control> Control* Place(QWidget* parent, const char* name, QRect geometry) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  control->setGeometry(geometry);
  return control;
}

enum class LabelStyle { Plain, Bold };

// A label sizes itself to its text.
QLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, const char* text,
                   LabelStyle style = LabelStyle::Plain);
