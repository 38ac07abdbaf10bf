// The window's tests run in the program's own application, with Qt's German
// translation, as main() sets it up.

#include "window/fotomaz_application.h"
#include "window/qt_translation.h"
#include "tests/settings/qt_test_app.h"

QApplication* MakeTestApplication(int& argc, char** argv) {
  auto* application = new FotomazApplication(argc, argv);
  InstallQtGermanTranslation(*application);
  return application;
}
