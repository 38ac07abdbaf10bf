#include "app/qt_german.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtGerman(QCoreApplication& application) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  // Owned by the application, so it lives exactly as long.
  auto* translator = new QTranslator(&application);
  if (!translator->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}
