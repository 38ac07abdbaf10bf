#include "run/run_options.h"

#include "platform/file_info.h"
#include "platform/ini.h"
#include "platform/path_text.h"
#include "run/option_binding.h"
#include "run/run_texts.h"

int IndexOfStructure(FolderStructure structure) {
  switch (structure) {
  case FolderStructure::Year:
    return 0;
  case FolderStructure::YearMonth:
    return 1;
  case FolderStructure::YearMonthDay:
    return 2;
  case FolderStructure::None:
    break;
  }
  return -1;
}

const char* StructureWord(FolderStructure structure) {
  const int index = IndexOfStructure(structure);
  // "keine", the last word, has no entry in the list.
  return WordsOf(OptionValue::Structure)
      .words[index < 0 ? WordCount(OptionValue::Structure) - 1 : static_cast<size_t>(index)]
      .data();
}

namespace {

// A missing key or number keeps the key's default.
class SettingsFileKeys final : public OptionKeys {
public:
  explicit SettingsFileKeys(const IniSnapshot& file) : file_(file) {}
  std::string Text(const SettingKey& key) const override {
    return file_.ReadString(kOptionsSection, std::string(key.name), "");
  }
  int Number(const SettingKey& key) const override {
    return file_.ReadInt(kOptionsSection, std::string(key.name), key.defaultValue);
  }

private:
  const IniSnapshot& file_;
};

// Whether real paths a and b are one folder or one holds the other, by
// whole path parts ("/a/b" holds "/a/b/c", not "/a/bc").
bool Nested(const std::string& a, const std::string& b) {
  const std::string outer = WithBackslash(a.size() <= b.size() ? a : b);
  return WithBackslash(a.size() <= b.size() ? b : a).starts_with(outer);
}

} // namespace

RunOptions ReadRunOptions(const std::string& path) {
  const IniSnapshot file(path);
  return RunOptionsFrom(SettingsFileKeys(file));
}

FolderCheck CheckFolders(const RunOptions& options) {
  if (options.source.empty() || options.target.empty()) return FolderCheck::NotChosen;
  // A text with a NUL byte (from a damaged settings file) names no folder;
  // cut there, it would name another one.
  if (!DirectoryExists(options.source)) return FolderCheck::SourceMissing;
  if (!DirectoryExists(options.target)) return FolderCheck::TargetMissing;
  return CheckBackupFolder(options);
}

FolderCheck CheckBackupFolder(const RunOptions& options) {
  if (options.backup.empty()) return FolderCheck::Ready;
  if (!DirectoryExists(options.backup)) return FolderCheck::BackupMissing;
  // By real paths: a link or a second spelling of a folder is that folder.
  const std::optional<std::string> backup = RealFolderPath(options.backup);
  for (const std::string* folder : {&options.source, &options.target}) {
    if (folder->empty() || !DirectoryExists(*folder)) continue;
    const std::optional<std::string> real = RealFolderPath(*folder);
    if (!backup || !real || Nested(*backup, *real)) return FolderCheck::BackupInside;
  }
  return FolderCheck::Ready;
}

const char* FolderCheckText(FolderCheck check) {
  switch (check) {
  case FolderCheck::Ready:
    break;
  case FolderCheck::NotChosen:
    return kFoldersNotChosenText;
  case FolderCheck::SourceMissing:
    return kSourceMissingText;
  case FolderCheck::TargetMissing:
    return kTargetMissingText;
  case FolderCheck::BackupMissing:
    return kBackupMissingText;
  case FolderCheck::BackupInside:
    return kBackupInsideText;
  }
  return "";
}
