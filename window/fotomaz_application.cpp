#include "window/fotomaz_application.h"

#include "fotomaz_identity.h"
#include "platform/modal.h"

FotomazApplication::FotomazApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // Lets a Wayland desktop match the window to its menu entry and icon.
  setDesktopFileName(kFotomazAppId);
}

bool FotomazApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
