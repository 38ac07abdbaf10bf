#pragma once

// Caption of the general error box and of plain message boxes.
inline constexpr char ProgramTitle[] = "Tamrel Fotomaz";
// Title of the main window and first line of the "Info" box.
inline constexpr char MainWindowTitle[] = "Tamrel Fotomaz v1.2";
