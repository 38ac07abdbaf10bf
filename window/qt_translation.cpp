#include "window/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtGermanTranslation(QCoreApplication& application) {
  // Owned by the application, so it lives exactly as long.
  auto* translator = new QTranslator(&application);
  if (!translator->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}
