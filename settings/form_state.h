#pragma once
// Storing a window's controls in the settings file and restoring them, so
// that a window comes back as the user left it.
//
// Which controls are stored: every QObject below the window whose Tag
// (control_tag.h) and kind appear in the table of form_state.cpp. The window's
// section is named after its objectName, each key after a control's
// objectName.
//
// Definition order: the walk visits the window's QObject tree depth first,
// each object before its children and siblings in the order they were
// created, so a panel comes before the controls on it. Windows therefore
// create their controls in the order their settings are to be written, and
// never reorder siblings (QWidget::raise/lower/stackUnder do). Other windows
// below the window (a dialog it owns) are not part of it and are skipped.

#include <string>

class QWidget;

// Puts the stored values into the window's controls through their ordinary
// setters, so the controls react as to a user's change. Absent or unreadable
// values leave a control as it is; never fails.
void LoadFormState(const std::string& path, QWidget* window);
// Replaces the window's section by every stored control, in one replacement
// of the file. Throws IniWriteError; the old file then stays whole.
void SaveFormState(const std::string& path, QWidget* window);
