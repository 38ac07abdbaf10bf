#include "run/run_options.h"

#include "run/run_texts.h"
#include "platform/file_info.h"
#include "platform/ini.h"

namespace {

bool ReadCheck(const IniSnapshot& file, const char* key, bool defaultValue) {
  return file.ReadInt(kOptionsSection, key, defaultValue ? 1 : 0) != 0;
}

} // namespace

FolderStructure StructureFromIndex(int index) {
  switch (index) {
  case 0:
    return FolderStructure::Year;
  case 1:
    return FolderStructure::YearMonth;
  case 2:
    return FolderStructure::YearMonthDay;
  default:
    return FolderStructure::None;
  }
}

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
  switch (structure) {
  case FolderStructure::Year:
    return "jahr";
  case FolderStructure::YearMonth:
    return "monat";
  case FolderStructure::YearMonthDay:
    return "tag";
  case FolderStructure::None:
    break;
  }
  return "keine";
}

RunOptions ReadRunOptions(const std::string& path) {
  const IniSnapshot file(path);
  const RunOptions defaults;
  RunOptions options;
  options.source = file.ReadString(kOptionsSection, kSourceKey, defaults.source);
  options.target = file.ReadString(kOptionsSection, kTargetKey, defaults.target);
  options.renameByDate = ReadCheck(file, kRenameKey, defaults.renameByDate);
  options.keepOriginalName = ReadCheck(file, kKeepNameKey, defaults.keepOriginalName);
  options.skipIdentical = ReadCheck(file, kIdenticalKey, defaults.skipIdentical);
  options.kinds = {ReadCheck(file, kAllFilesKey, defaults.kinds.all),
                   ReadCheck(file, kPicturesKey, defaults.kinds.pictures),
                   ReadCheck(file, kVideosKey, defaults.kinds.videos)};
  options.modernFormats = ReadCheck(file, kModernFormatsKey, defaults.modernFormats);
  options.companions = ReadCheck(file, kCompanionsKey, defaults.companions);
  options.structure = StructureFromIndex(
      file.ReadInt(kOptionsSection, kStructureKey, IndexOfStructure(defaults.structure)));
  return options;
}

FolderCheck CheckFolders(const RunOptions& options) {
  if (options.source.empty() || options.target.empty()) return FolderCheck::NotChosen;
  // A text with a NUL byte (from a damaged settings file) names no folder;
  // cut there, it would name another one.
  if (!DirectoryExists(options.source)) return FolderCheck::SourceMissing;
  if (!DirectoryExists(options.target)) return FolderCheck::TargetMissing;
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
  }
  return "";
}
