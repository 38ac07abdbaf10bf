#include "app/close_on_signal.h"
#include "app/fotomaz_application.h"
#include "app/qt_modal.h"
#include "app/unit1.h"
#include "settings/formstate.h"
#include "settings/optionenu.h"

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler qtMessages = nullptr;

// Qt ends the process with abort() when no window system can be reached;
// a German message and exit code 1 tell the user more.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (qtMessages) qtMessages(type, context, message);
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(message));
  std::fputs("Tamrel Fotomaz kann kein Fenster öffnen: keine Anzeige gefunden. Bitte in einer "
             "Desktop-Sitzung starten (DISPLAY oder WAYLAND_DISPLAY muss gesetzt sein).\n",
             stderr);
  std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
  qtMessages = qInstallMessageHandler(StartupMessages);
  FotomazApplication application(argc, argv);
  qInstallMessageHandler(qtMessages);

  QtModal modal;
  SetModal(&modal);
  const std::string settingsPath = SettingsFilePath();
  TForm1 Form1(settingsPath);
  // Owned by the main window; shown only from it.
  auto* optionenf = new Toptionenf(settingsPath, Form1.Mirrors(), &Form1);
  Form1.SetOptions(optionenf);
  Form1.show();
  const CloseOnSignal closeOnSignal(&Form1);
  const int result = application.exec();
  SetModal(nullptr);
  return result;
}
