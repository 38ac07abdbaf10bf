// make_completion FILE: writes the bash completion of fotomaz-verteilen to
// FILE, made from the option table, so the completion offers exactly the
// options and values the command takes. Run at build time; the script it
// writes is the one installed.

#include "run/option_table.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// What bash does after an option that takes a value.
std::string CompleteValue(OptionValue value) {
  switch (value) {
  case OptionValue::Folder:
    return "_filedir -d";
  case OptionValue::File:
    return "_filedir";
  default:
    break;
  }
  std::string words;
  for (size_t i = 0; i < WordCount(value); ++i)
    words += (i == 0 ? "" : " ") + std::string(WordsOf(value).words[i]);
  return "COMPREPLY=($(compgen -W '" + words + "' -- \"$cur\"))";
}

// One case per kind of value, for every option that takes it.
std::string ValueCases() {
  std::string cases;
  for (const ValueWords& kind : kValueWords) {
    std::string flags;
    for (const OptionRow& row : kOptionRows) {
      if (row.value == kind.value && kind.value != OptionValue::None)
        flags += (flags.empty() ? "" : " | ") + std::string(row.flag);
    }
    if (flags.empty()) continue;
    cases +=
        "    " + flags + ")\n      " + CompleteValue(kind.value) + "\n      return\n      ;;\n";
  }
  return cases;
}

// The run's options on the first line, the command's own on the second.
std::string OptionList() {
  std::string run;
  std::string command;
  for (const OptionRow& row : kOptionRows) {
    std::string& list = IsRunOption(row) ? run : command;
    list += (list.empty() ? "" : " ") + std::string(row.flag);
  }
  return run + "\n    " + command;
}

std::string CompletionScript() {
  return "# bash completion for fotomaz-verteilen                      -*- shell-script -*-\n"
         "# Made at build time from the option table (run/option_table.h): a new\n"
         "# option and its values are a row there, not an edit here.\n"
         "\n"
         "_fotomaz_verteilen() {\n"
         "  local cur prev words cword split\n"
         "  _init_completion -s || return\n"
         "\n"
         "  case \"$prev\" in\n" +
         ValueCases() +
         "  esac\n"
         "  $split && return\n"
         "\n"
         "  local options='" +
         OptionList() +
         "'\n"
         "  COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
         "} &&\n"
         "  complete -F _fotomaz_verteilen fotomaz-verteilen\n";
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Aufruf: make_completion DATEI\n", stderr);
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << CompletionScript();
  file.close();
  if (!file) {
    std::fprintf(stderr, "make_completion: %s nicht geschrieben\n", argv[1]);
    return 1;
  }
  return 0;
}
