// The option table against what is written by hand beside it (the manual
// page, the defaults named by --hilfe) and against the parser and the
// binding made from it.
#include "run/option_binding.h"
#include "tests/kit/temp_files.h"
#include "tools/verteilen/command_line.h"
#include "tools/verteilen/run_options.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using Strings = std::vector<std::string>;

std::string Words(const OptionRow& row, std::string_view separator) {
  std::string text;
  for (size_t i = 0; i < WordCount(row.value); ++i)
    text += (i ? std::string(separator) : "") + std::string(WordsOf(row.value).words[i]);
  return text;
}

// The manual page's entries under OPTIONEN, each from its .TP on.
std::vector<Strings> ManualEntries() {
  std::istringstream page(testkit::ReadWholeFile(FOTOMAZ_MANUAL_PAGE));
  std::vector<Strings> entries;
  bool inOptions = false;
  for (std::string line; std::getline(page, line);) {
    if (line.starts_with(".SH")) inOptions = line == ".SH OPTIONEN";
    if (!inOptions) continue;
    if (line == ".TP")
      entries.emplace_back();
    else if (!entries.empty())
      entries.back().push_back(line);
  }
  return entries;
}

// The line that heads row's entry.
std::string ManualHead(const OptionRow& row) {
  std::string flag;
  for (const char c : row.flag)
    flag += c == '-' ? std::string("\\-") : std::string(1, c);
  const std::string placeholder(WordsOf(row.value).placeholder);
  if (row.value == OptionValue::None) return ".B " + flag;
  if (row.valueOptional) return ".BR " + flag + " [ =\\fI" + placeholder + "\\fR ]";
  if (!placeholder.empty()) return ".BI " + flag + " \" " + placeholder + "\"";
  return ".BR " + flag + " \" \" " + Words(row, " | ");
}

// The word a .B or .BR line sets in bold, or empty.
std::string BoldWord(const std::string& line) {
  if (!line.starts_with(".B ") && !line.starts_with(".BR ")) return {};
  const size_t start = line.find(' ') + 1;
  return line.substr(start, line.find(' ', start) - start);
}

TEST(OptionTableTest, EveryOptionHasItsManualEntryWithItsValuesAndStatedDefault) {
  const std::vector<Strings> entries = ManualEntries();
  size_t found = 0;
  for (const OptionRow& row : kOptionRows) {
    SCOPED_TRACE(std::string(row.flag));
    const std::string head = ManualHead(row);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const Strings& e) { return !e.empty() && e[0] == head; });
    ASSERT_NE(entry, entries.end()) << head;
    ++found;
    // A value shown by a placeholder names its words in the text.
    if (!WordsOf(row.value).placeholder.empty()) {
      for (size_t i = 0; i < WordCount(row.value); ++i) {
        const std::string word(WordsOf(row.value).words[i]);
        EXPECT_TRUE(std::any_of(entry->begin(), entry->end(), [&](const std::string& line) {
          return BoldWord(line) == word;
        })) << word;
      }
    }
    // "Vorgabe" beside a word in bold: that word is the default.
    if (!IsRunOption(row) || WordCount(row.value) == 0) continue;
    const std::string defaultWord = OptionWord(row, RunOptions{});
    for (size_t i = 1; i < entry->size(); ++i) {
      if ((*entry)[i].find("Vorgabe") == std::string::npos) continue;
      const std::string before = BoldWord((*entry)[i - 1]);
      const std::string after = i + 1 < entry->size() ? BoldWord((*entry)[i + 1]) : "";
      EXPECT_TRUE(before == defaultWord || after == defaultWord) << (*entry)[i];
    }
  }
  EXPECT_EQ(found, entries.size()) << "an entry of the manual page is no option of the table";
}

TEST(OptionTableTest, HelpNamesTheDefaultOfEveryOptionWithFixedWords) {
  std::string help = HelpText();
  std::transform(help.begin(), help.end(), help.begin(), ::tolower);
  // The paragraph on the defaults, not the options' lines ("ja|nein").
  help = help.substr(help.find("nicht angegebene optionen"));
  for (const OptionRow& row : kOptionRows) {
    if (!IsRunOption(row) || !WordsOf(row.value).placeholder.empty()) continue;
    const std::string named = std::string(row.flag.substr(2)) + " " + OptionWord(row, RunOptions{});
    EXPECT_NE(help.find(named), std::string::npos) << named;
  }
}

std::string ParseError(const Strings& arguments) {
  return ParseCommandLine(arguments).error;
}

TEST(OptionTableTest, ParserTakesEveryValueOfEveryOptionAndRefusesOthers) {
  for (const OptionRow& row : kOptionRows) {
    const std::string flag(row.flag);
    SCOPED_TRACE(flag);
    if (row.value == OptionValue::None) {
      EXPECT_EQ(ParseError({flag}), "");
      EXPECT_EQ(ParseError({flag + "=ja"}), "Die Option " + flag + " hat keinen Wert.");
      continue;
    }
    EXPECT_EQ(ParseError({flag}), row.valueOptional ? "" : "Bei " + flag + " fehlt der Wert.");
    if (!IsRunOption(row)) continue;
    for (size_t i = 0; i < WordCount(row.value); ++i) {
      const std::string word(WordsOf(row.value).words[i]);
      for (const Strings& arguments : {Strings{flag, word}, Strings{flag + "=" + word}}) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        ASSERT_EQ(parsed.error, "");
        // The word sets the option that reads back as the same word.
        EXPECT_EQ(OptionWord(row, ResolveRunOptions(parsed.options, "/nicht/da.ini")), word);
      }
    }
    if (WordCount(row.value) == 0) {
      const std::string folder = "/irgendwo/";
      EXPECT_EQ(OptionWord(row, ResolveRunOptions(ParseCommandLine({flag, folder}).options,
                                                  "/nicht/da.ini")),
                folder);
    } else {
      EXPECT_EQ(ParseError({flag, "vielleicht"}),
                "Ungültiger Wert für " + flag + ": \"vielleicht\" (erlaubt: " + Words(row, ", ") +
                    ")");
    }
  }
}

} // namespace
