#include "window/close_on_signal.h"
#include "window/display_check.h"
#include "window/fotomaz_application.h"
#include "window/main_window.h"
#include "window/qt_modal.h"
#include "window/qt_translation.h"
#include "platform/settings_location.h"
#include "settings/options_dialog.h"

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtMessages = nullptr;

// A display that answered the probe may still refuse Qt (authorization, a
// missing platform plugin); Qt then ends the process with abort(). Its line
// says why, the German one what it means, and the exit code is 1.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (qtMessages) qtMessages(type, context, message);
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(message));
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) display = std::getenv("WAYLAND_DISPLAY");
  std::fputs(NoDisplayText(display ? display : "").c_str(), stderr);
  std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
  if (const std::optional<std::string> unreachable = UnreachableDisplay(argc, argv)) {
    std::fputs(unreachable->c_str(), stderr);
    return 1;
  }
  qtMessages = qInstallMessageHandler(StartupMessages);
  FotomazApplication application(argc, argv);
  qInstallMessageHandler(qtMessages);
  InstallQtGermanTranslation(application);

  QtModal modal;
  SetModal(&modal);
  const std::string settingsPath = SettingsFilePath();
  MainWindow window(settingsPath);
  // Owned by the main window; shown only from it.
  auto* options = new OptionsDialog(settingsPath, window.Mirrors(), &window);
  window.SetOptions(options);
  window.show();
  const CloseOnSignal closeOnSignal(&window);
  const int result = application.exec();
  SetModal(nullptr);
  return result;
}
