#pragma once
// German words for the system's errors that a move or the making of a
// folder can meet. A file that stayed for such an error is reported
// "Fehler beim Verschieben: " and the error; the system's own texts are
// English (std::error_code::message() ignores the locale), which read out of
// place among the German reasons. An error not in the table keeps the
// system's text: a rare error named in English is better than none.

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

struct SystemErrorText {
  int error; // an errno value
  std::string_view text;
};

inline constexpr SystemErrorText kSystemErrorTexts[] = {
    // The medium and its file system.
    {EIO, "Ein-/Ausgabefehler"},
    {EROFS, "Dateisystem nur lesbar"},
    {ENOSPC, "kein Platz auf dem Gerät"},
    {EDQUOT, "Speicherkontingent überschritten"},
    {EFBIG, "Datei zu groß"},
    {ENOMEDIUM, "kein Datenträger eingelegt"},
    {ENXIO, "Gerät nicht vorhanden"},
    {ENODEV, "Gerät nicht vorhanden"},
    {EBUSY, "Gerät oder Datei belegt"},
    {ETXTBSY, "Datei wird gerade benutzt"},
    {EOPNOTSUPP, "vom Dateisystem nicht unterstützt"},
    {EXDEV, "nicht über Dateisystemgrenzen möglich"},
    // Permissions.
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Vorgang nicht erlaubt"},
    // Names and entries.
    {ENOENT, "Datei oder Ordner nicht vorhanden"},
    {EEXIST, "Datei existiert bereits"},
    {ENOTDIR, "kein Ordner"},
    {EISDIR, "ist ein Ordner"},
    {ENOTEMPTY, "Ordner nicht leer"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {EILSEQ, "ungültiges Zeichen im Namen"},
    {ELOOP, "zu viele Ebenen von Verknüpfungen"},
    {EINVAL, "ungültiges Argument"},
    // Shares over the network.
    {ETIMEDOUT, "Zeitüberschreitung der Verbindung"},
    {ECONNRESET, "Verbindung von der Gegenseite zurückgesetzt"},
    {ECONNABORTED, "Verbindung abgebrochen"},
    {ENOTCONN, "keine Verbindung"},
    {EPIPE, "Verbindung unterbrochen"},
    {EHOSTUNREACH, "Rechner nicht erreichbar"},
    {EHOSTDOWN, "Rechner nicht in Betrieb"},
    {ENETUNREACH, "Netzwerk nicht erreichbar"},
    {ENETDOWN, "Netzwerk nicht in Betrieb"},
    {ESTALE, "Datei auf dem Netzlaufwerk nicht mehr gültig"},
    {EREMOTEIO, "Ein-/Ausgabefehler auf der Gegenseite"},
    // The process and the system.
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien im System"},
    {ENOMEM, "nicht genug Speicher"},
    {EAGAIN, "vorübergehend nicht verfügbar"},
    {EINTR, "unterbrochen"},
    {ECANCELED, "Vorgang abgebrochen"},
};

namespace system_error_texts_check {

constexpr bool ErrorsAreUnique() {
  const size_t count = std::size(kSystemErrorTexts);
  for (size_t i = 0; i < count; ++i) {
    if (kSystemErrorTexts[i].error == 0 || kSystemErrorTexts[i].text.empty()) return false;
    for (size_t j = i + 1; j < count; ++j)
      if (kSystemErrorTexts[i].error == kSystemErrorTexts[j].error) return false;
  }
  return true;
}

} // namespace system_error_texts_check

static_assert(system_error_texts_check::ErrorsAreUnique(),
              "each error once, each with a text (EAGAIN is EWOULDBLOCK, EOPNOTSUPP ENOTSUP)");

// The German text of error where the table has one, else the system's text.
std::string SystemErrorMessage(std::error_code error);
