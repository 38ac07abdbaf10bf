#pragma once
// The 16 x 16 magnifying glass of the folder buttons, drawn on a transparent
// background.

#include <QIcon>

QIcon SearchIcon();
