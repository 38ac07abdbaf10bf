// The options dialog knows no application class of its own.

#include "tests/settings/qt_test_app.h"

#include <QApplication>

QApplication* MakeTestApplication(int& argc, char** argv) {
  return new QApplication(argc, argv);
}
