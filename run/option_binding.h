#pragma once
// The rows of the option table bound to the members of RunOptions they set:
// what the settings file, the command line and the run record say of an
// option goes through here, so each option is read and written the one way
// its row describes. Every run option of the table has its binding, checked
// at compile time in option_binding.cpp.

#include "run/option_table.h"
#include "run/run_options.h"

#include <string>
#include <string_view>

// Sets the option of row in options from the word given for it on the
// command line (any case for a fixed word; a folder as it is). False, and
// options unchanged, when the word is none of the row's values.
bool SetOptionWord(const OptionRow& row, std::string_view word, RunOptions& options);

// The option of row in options as the command line writes it ("ja",
// "monat", "bilder,videos"; no kind at all is empty).
std::string OptionWord(const OptionRow& row, const RunOptions& options);

// Where the values of the options' keys come from: the settings file, or
// the options dialog's controls while the program runs.
class OptionKeys {
public:
  // A folder field's text.
  virtual std::string Text(const SettingKey& key) const = 0;
  // A check box's 1 or 0, the drop-down list's entry index.
  virtual int Number(const SettingKey& key) const = 0;

protected:
  ~OptionKeys() = default;
};

// Every run option of the table, from its keys.
RunOptions RunOptionsFrom(const OptionKeys& keys);
