#include "app/fotomaz_application.h"

#include "platform/modal.h"

FotomazApplication::FotomazApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool FotomazApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
