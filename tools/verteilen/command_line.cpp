#include "tools/verteilen/command_line.h"

#include "run/option_binding.h"

#include <algorithm>
#include <variant>

namespace {

// The options of the command itself bound to their places in CommandLine.
using CommandMember = std::variant<std::optional<std::string> CommandLine::*, bool CommandLine::*>;

struct CommandBinding {
  std::string_view flag;
  CommandMember member;
};

constexpr CommandBinding kCommandBindings[] = {
    {"--einstellungen", &CommandLine::settingsFile},
    {"--probelauf", &CommandLine::dryRun},
    {"--ja", &CommandLine::assumeYes},
    {"--protokoll", &CommandLine::logFile},
    {"--rueckgaengig", &CommandLine::undoRecord},
    {"--hilfe", &CommandLine::help},
    {"--version", &CommandLine::version},
};

constexpr const CommandBinding* FindCommandBinding(std::string_view flag) {
  for (const CommandBinding& binding : kCommandBindings) {
    if (binding.flag == flag) return &binding;
  }
  return nullptr;
}

// A switch sets a bool, an option with a value keeps its text.
constexpr bool EveryCommandOptionBound() {
  size_t count = 0;
  for (const OptionRow& row : kOptionRows) {
    if (IsRunOption(row)) continue;
    ++count;
    const CommandBinding* binding = FindCommandBinding(row.flag);
    if (!binding || std::holds_alternative<bool CommandLine::*>(binding->member) !=
                        (row.value == OptionValue::None))
      return false;
  }
  return count == std::size(kCommandBindings);
}
static_assert(EveryCommandOptionBound(), "each option of the command has its place");

// The words of value joined by separator: "ja, nein", "ja|nein".
std::string JoinedWords(OptionValue value, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < WordCount(value); ++i)
    text += (i == 0 ? "" : std::string(separator)) + std::string(WordsOf(value).words[i]);
  return text;
}

std::string InvalidValue(const std::string& option, const std::string& value,
                         const std::string& allowed) {
  return "Ungültiger Wert für " + option + ": \"" + value + "\" (erlaubt: " + allowed + ")";
}

// The error of value for row, or empty when it is one of the row's values.
std::string Take(const OptionRow& row, const std::string& option, const std::string& value,
                 CommandLine& line) {
  if (IsRunOption(row)) {
    RunOptions checked;
    if (!SetOptionWord(row, value, checked))
      return InvalidValue(option, value, JoinedWords(row.value, ", "));
    line.runOptions.push_back({&row, value});
    return {};
  }
  line.*std::get<std::optional<std::string> CommandLine::*>(FindCommandBinding(row.flag)->member) =
      value;
  return {};
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
    const OptionRow* row = FindOption(option);
    if (!row) {
      parsed.error = "Unbekannte Option: " + option;
      return parsed;
    }
    if (row->value == OptionValue::None) {
      if (value) {
        parsed.error = "Die Option " + option + " hat keinen Wert.";
        return parsed;
      }
      line.*std::get<bool CommandLine::*>(FindCommandBinding(row->flag)->member) = true;
      continue;
    }
    if (!value && !row->valueOptional) {
      if (i + 1 == arguments.size()) {
        parsed.error = "Bei " + option + " fehlt der Wert.";
        return parsed;
      }
      value = arguments[++i];
    }
    parsed.error = Take(*row, option, value.value_or(""), line);
    if (!parsed.error.empty()) return parsed;
  }
  return parsed;
}

namespace {

// Where an option's help starts: two spaces, the option, at least one space.
constexpr size_t kHelpColumn = 25;

void AppendOptionHelp(std::string& text, const std::string& usage, const HelpLines& lines) {
  const std::string indent(kHelpColumn, ' ');
  std::string head = "  " + usage;
  if (head.size() + 1 > kHelpColumn) {
    text += head + "\n";
    head = indent;
  }
  head.resize(kHelpColumn, ' ');
  for (const std::string_view line : lines) {
    if (line.empty()) break;
    text += head + std::string(line) + "\n";
    head = indent;
  }
}

// "ORDNER", "ja|nein".
std::string Placeholder(OptionValue value) {
  const std::string_view placeholder = WordsOf(value).placeholder;
  return placeholder.empty() ? JoinedWords(value, "|") : std::string(placeholder);
}

} // namespace

namespace {

std::string MakeHelpText() {
  std::string text = R"(Aufruf: fotomaz-verteilen [OPTIONEN]

Verteilt die Bilder und Videos des Quellordners und aller seiner Unterordner
in Datumsordner unter dem Zielordner, genau wie "Bilder verteilen" im
Programmfenster, aber ohne Fenster.

)";
  for (const OptionRow& row : kOptionRows) {
    const std::string flag(row.flag);
    if (row.valueOptional) {
      AppendOptionHelp(text, flag, row.help);
      AppendOptionHelp(text, flag + "=" + Placeholder(row.value), row.helpWithValue);
    } else if (row.value == OptionValue::None) {
      AppendOptionHelp(text, flag, row.help);
    } else {
      AppendOptionHelp(text, flag + " " + Placeholder(row.value), row.help);
    }
  }
  return text + R"(
Nicht angegebene Optionen kommen aus dem Abschnitt [optionenf] der
Einstellungsdatei, sonst gelten die Vorgaben des Optionen-Dialogs (Bilder und
Videos, umbenennen ja, Originalname nein, Ordner monat, gleiche nummerieren,
moderne nein, begleiter nein, kopieren nein). Die Einstellungsdatei
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
Quellordner, einem Ordner darüber oder einem darunter, beginnt keine zweite:
"Eine andere Verteilung arbeitet gerade mit diesem Quellordner."
(Rückgabewert 2). Ein Probelauf ist davon frei.

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
alle Dateien verschoben (mit --kopieren ja: fertig, aber nicht alle Dateien
kopiert).
)";
}

} // namespace

const char* HelpText() {
  // Made once; the program prints it at most once.
  static const std::string text = MakeHelpText();
  return text.c_str();
}
