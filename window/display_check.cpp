#include "window/display_check.h"

#include "platform/display_probe.h"

std::string NoDisplayText(const std::string& display) {
  if (display.empty())
    return "Tamrel Fotomaz kann kein Fenster öffnen: keine Anzeige gefunden. Bitte in einer "
           "Desktop-Sitzung starten (DISPLAY oder WAYLAND_DISPLAY muss gesetzt sein).\n";
  return "Keine Verbindung zur Anzeige " + display +
         ". Tamrel Fotomaz braucht eine Desktop-Sitzung.\n";
}

std::optional<std::string> UnreachableDisplay(int argc, const char* const* argv) {
  const DisplayProbe probe = ProbeDisplay(DisplaySettingsOf(argc, argv));
  switch (probe.answer) {
  case DisplayAnswer::Answered:
  case DisplayAnswer::NotProbed:
    return std::nullopt;
  case DisplayAnswer::NoneNamed:
    return NoDisplayText({});
  case DisplayAnswer::NoAnswer:
    return NoDisplayText(probe.display);
  }
  return std::nullopt;
}
