#include "tools/verteilen/command_line.h"

#include "platform/ascii_case.h"

#include <sstream>

namespace {

std::string InvalidValue(const std::string& option, const std::string& value,
                         const std::string& allowed) {
  return "Ungültiger Wert für " + option + ": \"" + value + "\" (erlaubt: " + allowed + ")";
}

std::optional<bool> YesNo(const std::string& value) {
  const std::string word = AsciiLowered(value);
  if (word == "ja") return true;
  if (word == "nein") return false;
  return std::nullopt;
}

// What becomes of a file whose bytes are in the target already.
std::optional<bool> SkipIdentical(const std::string& value) {
  const std::string word = AsciiLowered(value);
  if (word == "ueberspringen") return true;
  if (word == "nummerieren") return false;
  return std::nullopt;
}

std::optional<FolderStructure> Structure(const std::string& value) {
  const std::string word = AsciiLowered(value);
  for (const FolderStructure structure : {FolderStructure::Year, FolderStructure::YearMonth,
                                          FolderStructure::YearMonthDay, FolderStructure::None}) {
    if (word == StructureWord(structure)) return structure;
  }
  return std::nullopt;
}

// A comma-separated list of alle, bilder, videos.
std::optional<FileKinds> Kinds(const std::string& value) {
  FileKinds kinds{false, false, false};
  std::istringstream words(AsciiLowered(value));
  std::string word;
  bool any = false;
  while (std::getline(words, word, ',')) {
    if (word == "alle") {
      kinds.all = true;
    } else if (word == "bilder") {
      kinds.pictures = true;
    } else if (word == "videos") {
      kinds.videos = true;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return kinds;
}

// A folder or file name, taken as it is.
template <std::optional<std::string> CommandLine::*Field>
std::string SetText(CommandLine& line, const std::string&, const std::string& value) {
  line.*Field = value;
  return {};
}

template <std::optional<bool> CommandLine::*Field>
std::string SetYesNo(CommandLine& line, const std::string& option, const std::string& value) {
  line.*Field = YesNo(value);
  if (!(line.*Field)) return InvalidValue(option, value, "ja, nein");
  return {};
}

std::string SetKinds(CommandLine& line, const std::string& option, const std::string& value) {
  line.kinds = Kinds(value);
  if (!line.kinds) return InvalidValue(option, value, "alle, bilder, videos, bilder,videos");
  return {};
}

std::string SetStructure(CommandLine& line, const std::string& option, const std::string& value) {
  line.structure = Structure(value);
  if (!line.structure) return InvalidValue(option, value, "jahr, monat, tag, keine");
  return {};
}

std::string SetIdentical(CommandLine& line, const std::string& option, const std::string& value) {
  line.skipIdentical = SkipIdentical(value);
  if (!line.skipIdentical) return InvalidValue(option, value, "ueberspringen, nummerieren");
  return {};
}

// An option with a value; its setter returns the error when the value does
// not fit.
struct ValueOption {
  const char* name;
  std::string (*set)(CommandLine&, const std::string& option, const std::string& value);
};

constexpr ValueOption kValueOptions[] = {
    {"--quelle", SetText<&CommandLine::source>},
    {"--ziel", SetText<&CommandLine::target>},
    {"--dateien", SetKinds},
    {"--umbenennen", SetYesNo<&CommandLine::renameByDate>},
    {"--originalname", SetYesNo<&CommandLine::keepOriginalName>},
    {"--moderne", SetYesNo<&CommandLine::modernFormats>},
    {"--begleiter", SetYesNo<&CommandLine::companions>},
    {"--ordner", SetStructure},
    {"--gleiche", SetIdentical},
    {"--einstellungen", SetText<&CommandLine::settingsFile>},
    {"--protokoll", SetText<&CommandLine::logFile>},
};

const ValueOption* FindValueOption(const std::string& name) {
  for (const ValueOption& option : kValueOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

bool* Flag(CommandLine& line, const std::string& option) {
  if (option == "--probelauf") return &line.dryRun;
  if (option == "--ja") return &line.assumeYes;
  if (option == "--hilfe") return &line.help;
  if (option == "--version") return &line.version;
  return nullptr;
}

} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  CommandLine& line = parsed.options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    std::optional<std::string> value;
    if (option.rfind("--", 0) != 0) {
      parsed.error = "Unerwartetes Argument: \"" + option + "\"";
      return parsed;
    }
    if (const size_t equals = option.find('='); equals != std::string::npos) {
      value = option.substr(equals + 1);
      option.resize(equals);
    }
    // The one option whose value may be left out.
    if (option == "--rueckgaengig") {
      line.undoRecord = value.value_or("");
      continue;
    }
    if (bool* flag = Flag(line, option)) {
      if (value) {
        parsed.error = "Die Option " + option + " hat keinen Wert.";
        return parsed;
      }
      *flag = true;
      continue;
    }
    const ValueOption* valueOption = FindValueOption(option);
    if (!valueOption) {
      parsed.error = "Unbekannte Option: " + option;
      return parsed;
    }
    if (!value) {
      if (i + 1 == arguments.size()) {
        parsed.error = "Bei " + option + " fehlt der Wert.";
        return parsed;
      }
      value = arguments[++i];
    }
    parsed.error = valueOption->set(line, option, *value);
    if (!parsed.error.empty()) return parsed;
  }
  return parsed;
}

const char* HelpText() {
  return R"(Aufruf: fotomaz-verteilen [OPTIONEN]

Verteilt die Bilder und Videos des Quellordners und aller seiner Unterordner
in Datumsordner unter dem Zielordner, genau wie "Bilder verteilen" im
Programmfenster, aber ohne Fenster.

  --quelle ORDNER        Quellordner
  --ziel ORDNER          Zielordner
  --dateien ARTEN        alle | bilder | videos | bilder,videos
  --umbenennen ja|nein   Dateien in Datum umbenennen
  --originalname ja|nein Originalnamen anhängen
  --moderne ja|nein      auch HEIC, RAW und MP4 einbeziehen und jede Datei nach
                         dem Aufnahmedatum aus ihren Metadaten einordnen
  --begleiter ja|nein    zusammengehörige Dateien gemeinsam verteilen: RAW und
                         JPEG einer Aufnahme, Live-Fotos (HEIC und MOV) und
                         die Begleitdateien XMP, THM, AAE, PP3, DOP und JSON
                         unter einem Namen im selben Ordner
  --ordner jahr|monat|tag|keine
                         Ordnerstruktur: Jahr, Jahr - Monat,
                         Jahr - Monat - Tag oder keine Unterordner
  --gleiche ueberspringen|nummerieren
                         eine Datei, deren Name im Ziel belegt ist und die
                         der Datei dieses Namens oder einer ihrer
                         nummerierten Varianten Byte für Byte gleicht, in
                         der Quelle lassen oder wie bisher nummeriert ablegen
  --einstellungen DATEI  Einstellungsdatei für die nicht angegebenen Optionen
                         (sonst die des Programmfensters, siehe unten)
  --probelauf            jede geplante Verschiebung als QUELLE -> ZIEL zeigen,
                         eine Datei, die schon richtig liegt, als
                         QUELLE (bleibt), eine, die schon im Ziel liegt,
                         als QUELLE = ZIEL (schon im Ziel vorhanden), und
                         nichts ändern (auch kein Protokoll)
  --ja                   ohne die Frage "Mit der Arbeit anfangen?" starten
  --protokoll DATEI      für jede verschobene Datei eine Zeile QUELLE<Tab>ZIEL
                         an DATEI anhängen
  --rueckgaengig         die letzte Verteilung zurücknehmen: jede verschobene
                         Datei an ihren alten Platz zurücklegen
  --rueckgaengig=DATEI   die Verteilung dieser Aufzeichnung zurücknehmen
  --hilfe                diesen Text zeigen
  --version              Programmname und Version zeigen

Nicht angegebene Optionen kommen aus dem Abschnitt [optionenf] der
Einstellungsdatei, sonst gelten die Vorgaben des Optionen-Dialogs (Bilder und
Videos, umbenennen ja, Originalname nein, Ordner monat, gleiche nummerieren,
moderne nein, begleiter nein). Die Einstellungsdatei
des Programmfensters ist TamrelFotomaz.ini neben dem Programm; ein
installiertes Programm hat sie für jeden Benutzer in
$XDG_CONFIG_HOME/TamrelFotomaz/ (sonst ~/.config/TamrelFotomaz/).

Ohne --ja fragt das Programm auf dem Terminal nach; ohne Terminal startet es
nur mit --ja. Strg+C (ebenso SIGTERM und SIGHUP) beendet die Arbeit nach der
Datei in Arbeit; ein zweites Strg+C bricht auch eine Kopie in Arbeit ab.

Jede Datei, die nicht verschoben werden konnte, steht am Ende als Zeile
QUELLE: GRUND auf der Standardfehlerausgabe (Rückgabewert 3), etwa mit
"nicht mehr vorhanden" (sie verschwand vor dem Verschieben aus der Quelle)
oder "Quelle nicht löschbar" (sie darf ihren Ordner nicht verlassen und
bleibt ganz in der Quelle); danach jede, die schon im Ziel lag, als
QUELLE = ZIEL (schon im Ziel vorhanden).

Arbeitet schon eine Verteilung oder ein Zurücknehmen mit demselben
Quellordner, beginnt keine zweite: "Eine andere Verteilung arbeitet gerade mit
diesem Quellordner." (Rückgabewert 2). Ein Probelauf ist davon frei.

Jede Verteilung (nicht der Probelauf) wird in $XDG_STATE_HOME/TamrelFotomaz/
aufgezeichnet (sonst ~/.local/state/TamrelFotomaz/), die neuesten 100. Mit
--rueckgaengig legt das Programm jede Datei der letzten noch nicht
zurückgenommenen Verteilung an ihren alten Platz zurück, wenn sie seitdem
unverändert ist und ihr alter Platz frei; --probelauf zeigt das vorher,
--ja spart die Frage. Ordner, die die Verteilung angelegt hat und die danach
leer sind, werden entfernt. Ohne Aufzeichnung: Rückgabewert 2. Was bleibt,
steht als QUELLE: GRUND da (Rückgabewert 3): seit der Verteilung geändert,
im Ziel ersetzt, nicht mehr am Ziel, alter Platz belegt, und für jede Zeile
einer veränderten Aufzeichnung außerhalb von Quell- und Zielordnern, die nicht
ausgeführt wird: Eintrag außerhalb der Verteilung (auch mit --probelauf).

Rückgabewert: 0 fertig (auch wenn nichts gefunden wurde oder Dateien schon
im Ziel lagen), 1 Fehler oder abgebrochen, 2 falscher Aufruf, fehlender
Ordner, keine Aufzeichnung oder Quellordner in Arbeit, 3 fertig, aber nicht
alle Dateien verschoben.
)";
}
