#pragma once
// Qt's own dialogs (the folder browser, standard button texts) speak German
// like the rest of the program, whatever the system language: Qt's German
// translation, from the system's Qt translations folder (Debian package
// qt6-translations-l10n), is installed on the application. Dates in the
// folder browser follow the system's locale; Qt offers no other choice there.

class QCoreApplication;

// False when the translation is missing; Qt's own texts then stay English.
bool InstallQtGermanTranslation(QCoreApplication& application);
