#pragma once

#include "fotomaz_identity.h"

// Caption of the general error box and of plain message boxes.
inline constexpr char kProgramTitle[] = "Tamrel Fotomaz";
// Title of the main window and first line of the "Info" box.
inline constexpr char kMainWindowTitle[] = "Tamrel Fotomaz v" FOTOMAZ_VERSION;
