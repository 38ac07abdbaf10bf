#pragma once
// The options of fotomaz-verteilen and of the options dialog as the user
// meets them, one row each: the flag and its values, the settings keys it
// stands for with the dialog's defaults, the record's word for it and the
// lines of --hilfe. The settings reader, the dialog's defaults, the record's
// optionen line, the command line's parser, --hilfe and the bash completion
// are all made from this table, so they cannot drift apart; a new option is
// a row here, its member in RunOptions (bound in run/option_binding.cpp) and
// its control in the dialog.
//
// Pure constant data on the standard library only: the options dialog
// includes this header (and nothing else of the run) for its defaults.

#include <array>
#include <cstddef>
#include <string_view>

// The options dialog's section of the settings file and its keys, which are
// the names of the dialog's controls.
inline constexpr char kOptionsSection[] = "optionenf";
inline constexpr char kSourceKey[] = "quellee";
inline constexpr char kTargetKey[] = "ziele";
inline constexpr char kRenameKey[] = "exifrenamecb";
inline constexpr char kKeepNameKey[] = "keepfncb";
inline constexpr char kIdenticalKey[] = "gleichecb";
inline constexpr char kAllFilesKey[] = "allcb";
inline constexpr char kPicturesKey[] = "piccb";
inline constexpr char kVideosKey[] = "videocb";
inline constexpr char kStructureKey[] = "verteiloptcbb";
inline constexpr char kModernFormatsKey[] = "modernecb";
inline constexpr char kCompanionsKey[] = "begleitcb";
inline constexpr char kCopyKey[] = "kopiercb";
inline constexpr char kBackupKey[] = "sicherunge";

// What an option's value is. The order is that of the bash completion's
// cases.
enum class OptionValue {
  None,      // a switch without a value
  Folder,    // completed as a folder
  File,      // completed as a file
  Kinds,     // a comma-separated list of the first three words
  YesNo,     // the first word is true
  Identical, // the first word is true (skip a file already in the target)
  Structure, // the words are the dialog's entries in order; the last is none
};

struct ValueWords {
  OptionValue value;
  // Stands for the value in --hilfe and the error texts; empty: the words
  // themselves, joined by "|".
  std::string_view placeholder;
  // The values as written (in lower case; the command line takes any case),
  // in the order shown; unused places are empty.
  std::array<std::string_view, 4> words;
};

inline constexpr std::array<ValueWords, 7> kValueWords = {{
    {OptionValue::None, "", {}},
    {OptionValue::Folder, "ORDNER", {}},
    {OptionValue::File, "DATEI", {}},
    {OptionValue::Kinds, "ARTEN", {"alle", "bilder", "videos", "bilder,videos"}},
    {OptionValue::YesNo, "", {"ja", "nein"}},
    {OptionValue::Identical, "", {"ueberspringen", "nummerieren"}},
    {OptionValue::Structure, "", {"jahr", "monat", "tag", "keine"}},
}};

constexpr const ValueWords& WordsOf(OptionValue value) {
  return kValueWords[static_cast<size_t>(value)];
}

constexpr size_t WordCount(OptionValue value) {
  size_t count = 0;
  for (const std::string_view word : WordsOf(value).words)
    count += word.empty() ? 0 : 1;
  return count;
}

// A key of the settings file and the dialog's default for it: a check box
// 1 or 0, the drop-down list its entry index; a folder field starts empty.
struct SettingKey {
  std::string_view name;
  int defaultValue = 0;
};

// Lines of --hilfe beside and below an option's name.
using HelpLines = std::array<std::string_view, 5>;

struct OptionRow {
  std::string_view flag;
  OptionValue value = OptionValue::None;
  // Written "--flag" or "--flag=VALUE", never "--flag VALUE".
  bool valueOptional = false;
  // The keys it sets (--dateien: allcb, piccb, videocb); none for an
  // option of the command itself.
  std::array<SettingKey, 3> keys = {};
  // Its word in a run record's optionen line, and its place there (from
  // 1); empty and 0: the record does not name it.
  std::string_view recordWord = {};
  int recordPlace = 0;
  HelpLines help = {};
  HelpLines helpWithValue = {}; // the form "--flag=VALUE" of an optional value
};

// In the order of --hilfe.
inline constexpr std::array<OptionRow, 18> kOptionRows = {{
    {.flag = "--quelle",
     .value = OptionValue::Folder,
     .keys = {{{kSourceKey}}},
     .help = {"Quellordner"}},
    {.flag = "--ziel",
     .value = OptionValue::Folder,
     .keys = {{{kTargetKey}}},
     .help = {"Zielordner"}},
    {.flag = "--sicherung",
     .value = OptionValue::Folder,
     .keys = {{{kBackupKey}}},
     .recordWord = "sicherung",
     .recordPlace = 7,
     .help = {"Sicherungsordner: jede Datei, die im Ziel abgelegt wird,",
              "zusätzlich geprüft dorthin kopieren, unter demselben",
              "Pfad und Namen (leer: keiner)"}},
    {.flag = "--dateien",
     .value = OptionValue::Kinds,
     .keys = {{{kAllFilesKey, 0}, {kPicturesKey, 1}, {kVideosKey, 1}}},
     .recordWord = "dateien",
     .recordPlace = 1,
     .help = {"alle | bilder | videos | bilder,videos"}},
    {.flag = "--umbenennen",
     .value = OptionValue::YesNo,
     .keys = {{{kRenameKey, 1}}},
     .recordWord = "umbenennen",
     .recordPlace = 2,
     .help = {"Dateien in Datum umbenennen"}},
    {.flag = "--originalname",
     .value = OptionValue::YesNo,
     .keys = {{{kKeepNameKey, 0}}},
     .recordWord = "originalname",
     .recordPlace = 3,
     .help = {"Originalnamen anhängen"}},
    {.flag = "--moderne",
     .value = OptionValue::YesNo,
     .keys = {{{kModernFormatsKey, 0}}},
     .help = {"auch HEIC, RAW und MP4 einbeziehen und jede Datei nach",
              "dem Aufnahmedatum aus ihren Metadaten einordnen"}},
    {.flag = "--begleiter",
     .value = OptionValue::YesNo,
     .keys = {{{kCompanionsKey, 0}}},
     .recordWord = "begleiter",
     .recordPlace = 5,
     .help = {"zusammengehörige Dateien gemeinsam verteilen: RAW und",
              "JPEG einer Aufnahme, Live-Fotos (HEIC und MOV) und",
              "die Begleitdateien XMP, THM, AAE, PP3, DOP und JSON",
              "unter einem Namen im selben Ordner"}},
    {.flag = "--kopieren",
     .value = OptionValue::YesNo,
     .keys = {{{kCopyKey, 0}}},
     .recordWord = "kopieren",
     .recordPlace = 6,
     .help = {"jede Datei genau dorthin kopieren, wohin sie verschoben",
              "würde; die Quelle bleibt unverändert (eine Speicherkarte",
              "mit Schreibschutz, ein Telefon, das nur lesen lässt)"}},
    {.flag = "--ordner",
     .value = OptionValue::Structure,
     .keys = {{{kStructureKey, 1}}},
     .recordWord = "ordner",
     .recordPlace = 4,
     .help = {"Ordnerstruktur: Jahr, Jahr - Monat,", "Jahr - Monat - Tag oder keine Unterordner"}},
    {.flag = "--gleiche",
     .value = OptionValue::Identical,
     .keys = {{{kIdenticalKey, 0}}},
     .help = {"eine Datei, deren Name im Ziel belegt ist und die",
              "der Datei dieses Namens oder einer ihrer",
              "nummerierten Varianten Byte für Byte gleicht, in",
              "der Quelle lassen oder wie bisher nummeriert ablegen"}},
    {.flag = "--einstellungen",
     .value = OptionValue::File,
     .help = {"Einstellungsdatei für die nicht angegebenen Optionen",
              "(sonst die des Programmfensters, siehe unten)"}},
    {.flag = "--probelauf",
     .help = {"jede geplante Verschiebung als QUELLE -> ZIEL zeigen,",
              "eine Datei, die schon richtig liegt, als",
              "QUELLE (bleibt), eine, die schon im Ziel liegt,",
              "als QUELLE = ZIEL (schon im Ziel vorhanden), und",
              "nichts ändern (auch kein Protokoll)"}},
    {.flag = "--ja", .help = {"ohne die Frage \"Mit der Arbeit anfangen?\" starten"}},
    {.flag = "--protokoll",
     .value = OptionValue::File,
     .help = {"für jede verschobene Datei eine Zeile QUELLE<Tab>ZIEL", "an DATEI anhängen"}},
    {.flag = "--rueckgaengig",
     .value = OptionValue::File,
     .valueOptional = true,
     .help = {"die letzte Verteilung zurücknehmen: jede verschobene",
              "Datei an ihren alten Platz zurücklegen"},
     .helpWithValue = {"die Verteilung dieser Aufzeichnung zurücknehmen"}},
    {.flag = "--hilfe", .help = {"diesen Text zeigen"}},
    {.flag = "--version", .help = {"Programmname und Version zeigen"}},
}};

// An option of a run (it has settings keys), not one of the command itself.
constexpr bool IsRunOption(const OptionRow& row) {
  return !row.keys[0].name.empty();
}

// The row of flag ("--quelle"), or nullptr.
constexpr const OptionRow* FindOption(std::string_view flag) {
  for (const OptionRow& row : kOptionRows) {
    if (row.flag == flag) return &row;
  }
  return nullptr;
}

// The setting of key, or nullptr.
constexpr const SettingKey* FindSetting(std::string_view key) {
  for (const OptionRow& row : kOptionRows) {
    for (const SettingKey& setting : row.keys) {
      if (!setting.name.empty() && setting.name == key) return &setting;
    }
  }
  return nullptr;
}

// The dialog's default of the control of key; 0 for a key of no option.
constexpr int KeyDefault(std::string_view key) {
  const SettingKey* setting = FindSetting(key);
  return setting ? setting->defaultValue : 0;
}

namespace option_table_checks {

constexpr size_t KeyCount(const OptionRow& row) {
  size_t count = 0;
  for (const SettingKey& key : row.keys)
    count += key.name.empty() ? 0 : 1;
  return count;
}

// The keys a run option needs: --dateien one check box per kind, every
// other one key.
constexpr size_t KeysNeeded(OptionValue value) {
  return value == OptionValue::Kinds ? 3 : 1;
}

constexpr bool RowIsWhole(const OptionRow& row) {
  if (!row.flag.starts_with("--") || row.help[0].empty()) return false;
  if (row.valueOptional != !row.helpWithValue[0].empty()) return false;
  if (row.valueOptional && row.value == OptionValue::None) return false;
  if (row.recordWord.empty() != (row.recordPlace == 0)) return false;
  if (!IsRunOption(row)) return KeyCount(row) == 0 && row.recordPlace == 0;
  if (row.valueOptional || KeyCount(row) != KeysNeeded(row.value)) return false;
  for (const SettingKey& key : row.keys) {
    if (key.name.empty()) continue;
    const bool isIndex = row.value == OptionValue::Structure;
    const int limit = isIndex ? static_cast<int>(WordCount(row.value)) - 1 : 2;
    if (row.value == OptionValue::Folder ? key.defaultValue != 0
                                         : key.defaultValue < 0 || key.defaultValue >= limit)
      return false;
  }
  return true;
}

constexpr bool Checked() {
  for (size_t i = 0; i < kValueWords.size(); ++i) {
    if (kValueWords[i].value != static_cast<OptionValue>(i)) return false;
    // A value is shown by its placeholder or by its words.
    const bool shown = !kValueWords[i].placeholder.empty() || !kValueWords[i].words[0].empty();
    if (shown != (i != 0)) return false;
  }
  for (size_t i = 0; i < kOptionRows.size(); ++i) {
    if (!RowIsWhole(kOptionRows[i])) return false;
    for (size_t j = 0; j < i; ++j) {
      if (kOptionRows[i].flag == kOptionRows[j].flag) return false;
      const int place = kOptionRows[i].recordPlace;
      if (place != 0 && place == kOptionRows[j].recordPlace) return false;
    }
    for (const SettingKey& key : kOptionRows[i].keys) {
      if (!key.name.empty() && FindSetting(key.name) != &key) return false;
    }
  }
  return true;
}

} // namespace option_table_checks

// Flags, keys and record places are unique; every row is whole and its
// defaults are values its control can hold.
static_assert(option_table_checks::Checked());
