#include "run/option_binding.h"

#include "platform/ascii_case.h"

#include <optional>
#include <variant>

namespace {

using Member = std::variant<std::string RunOptions::*, bool RunOptions::*, FileKinds RunOptions::*,
                            FolderStructure RunOptions::*>;

struct Binding {
  std::string_view flag;
  Member member;
};

constexpr Binding kBindings[] = {
    {"--quelle", &RunOptions::source},
    {"--ziel", &RunOptions::target},
    {"--sicherung", &RunOptions::backup},
    {"--dateien", &RunOptions::kinds},
    {"--umbenennen", &RunOptions::renameByDate},
    {"--originalname", &RunOptions::keepOriginalName},
    {"--moderne", &RunOptions::modernFormats},
    {"--begleiter", &RunOptions::companions},
    {"--kopieren", &RunOptions::copy},
    {"--ordner", &RunOptions::structure},
    {"--gleiche", &RunOptions::skipIdentical},
};

// The member type that holds each kind of value.
constexpr bool Fits(OptionValue value, const Member& member) {
  switch (value) {
  case OptionValue::Folder:
    return std::holds_alternative<std::string RunOptions::*>(member);
  case OptionValue::Kinds:
    return std::holds_alternative<FileKinds RunOptions::*>(member);
  case OptionValue::YesNo:
  case OptionValue::Identical:
    return std::holds_alternative<bool RunOptions::*>(member);
  case OptionValue::Structure:
    return std::holds_alternative<FolderStructure RunOptions::*>(member);
  case OptionValue::None:
  case OptionValue::File:
    break;
  }
  return false;
}

constexpr const Binding* FindBinding(std::string_view flag) {
  for (const Binding& binding : kBindings) {
    if (binding.flag == flag) return &binding;
  }
  return nullptr;
}

constexpr bool EveryRunOptionBound() {
  size_t runOptions = 0;
  for (const OptionRow& row : kOptionRows) {
    if (!IsRunOption(row)) continue;
    ++runOptions;
    const Binding* binding = FindBinding(row.flag);
    if (!binding || !Fits(row.value, binding->member)) return false;
  }
  return runOptions == std::size(kBindings);
}
static_assert(EveryRunOptionBound(), "each run option of the table binds one member of its type");

const Member& MemberOf(const OptionRow& row) {
  return FindBinding(row.flag)->member;
}

// The place of word among the words of value, or -1.
int WordIndex(OptionValue value, std::string_view word) {
  const std::string lowered = AsciiLowered(word);
  const auto& words = WordsOf(value).words;
  for (size_t i = 0; i < WordCount(value); ++i) {
    if (lowered == words[i]) return static_cast<int>(i);
  }
  return -1;
}

// A comma-separated list of the first three words: alle, bilder, videos.
std::optional<FileKinds> KindsOf(std::string_view text) {
  FileKinds kinds{false, false, false};
  bool* const kindOfWord[] = {&kinds.all, &kinds.pictures, &kinds.videos};
  for (size_t at = 0;;) {
    const size_t comma = text.find(',', at);
    const std::string_view word = text.substr(at, comma == text.npos ? text.npos : comma - at);
    const int index = WordIndex(OptionValue::Kinds, word);
    if (index < 0 || index >= static_cast<int>(std::size(kindOfWord))) return std::nullopt;
    *kindOfWord[index] = true;
    if (comma == text.npos || comma + 1 == text.size()) return kinds;
    at = comma + 1;
  }
}

std::string KindsWord(const FileKinds& kinds) {
  const auto& words = WordsOf(OptionValue::Kinds).words;
  if (kinds.all) return std::string(words[0]);
  std::string text = kinds.pictures ? std::string(words[1]) : "";
  if (kinds.videos) text += (text.empty() ? "" : ",") + std::string(words[2]);
  return text;
}

} // namespace

bool SetOptionWord(const OptionRow& row, std::string_view word, RunOptions& options) {
  const Member& member = MemberOf(row);
  if (const auto* text = std::get_if<std::string RunOptions::*>(&member)) {
    options.*(*text) = std::string(word);
    return true;
  }
  if (const auto* kinds = std::get_if<FileKinds RunOptions::*>(&member)) {
    const std::optional<FileKinds> given = KindsOf(word);
    if (given) options.*(*kinds) = *given;
    return given.has_value();
  }
  const int index = WordIndex(row.value, word);
  if (index < 0) return false;
  if (const auto* flag = std::get_if<bool RunOptions::*>(&member)) {
    options.*(*flag) = index == 0;
  } else {
    // The words are in the order of the dialog's entries.
    options.*std::get<FolderStructure RunOptions::*>(member) = StructureFromIndex(index);
  }
  return true;
}

std::string OptionWord(const OptionRow& row, const RunOptions& options) {
  const Member& member = MemberOf(row);
  if (const auto* text = std::get_if<std::string RunOptions::*>(&member)) return options.*(*text);
  if (const auto* kinds = std::get_if<FileKinds RunOptions::*>(&member))
    return KindsWord(options.*(*kinds));
  if (const auto* flag = std::get_if<bool RunOptions::*>(&member))
    return std::string(WordsOf(row.value).words[options.*(*flag) ? 0 : 1]);
  return StructureWord(options.*std::get<FolderStructure RunOptions::*>(member));
}

RunOptions RunOptionsFrom(const OptionKeys& keys) {
  RunOptions options;
  for (const OptionRow& row : kOptionRows) {
    if (!IsRunOption(row)) continue;
    const Member& member = MemberOf(row);
    const auto checked = [&](size_t key) { return keys.Number(row.keys[key]) != 0; };
    if (const auto* text = std::get_if<std::string RunOptions::*>(&member)) {
      options.*(*text) = keys.Text(row.keys[0]);
    } else if (const auto* kinds = std::get_if<FileKinds RunOptions::*>(&member)) {
      options.*(*kinds) = {checked(0), checked(1), checked(2)};
    } else if (const auto* flag = std::get_if<bool RunOptions::*>(&member)) {
      options.*(*flag) = checked(0);
    } else {
      options.*std::get<FolderStructure RunOptions::*>(member) =
          StructureFromIndex(keys.Number(row.keys[0]));
    }
  }
  return options;
}
