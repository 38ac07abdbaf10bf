#include "app/core/run_options.h"

#include "app/core/run_texts.h"
#include "platform/file_info.h"
#include "platform/ini.h"

namespace {

bool ReadCheck(const std::string& path, const char* key, bool defaultValue) {
  return IniReadInt(path, kOptionsSection, key, defaultValue ? 1 : 0) != 0;
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
  const RunOptions defaults;
  RunOptions options;
  options.source = IniReadString(path, kOptionsSection, kSourceKey, defaults.source);
  options.target = IniReadString(path, kOptionsSection, kTargetKey, defaults.target);
  options.renameByDate = ReadCheck(path, kRenameKey, defaults.renameByDate);
  options.keepOriginalName = ReadCheck(path, kKeepNameKey, defaults.keepOriginalName);
  options.skipIdentical = ReadCheck(path, kIdenticalKey, defaults.skipIdentical);
  options.kinds = {ReadCheck(path, kAllFilesKey, defaults.kinds.all),
                   ReadCheck(path, kPicturesKey, defaults.kinds.pictures),
                   ReadCheck(path, kVideosKey, defaults.kinds.videos)};
  options.modernFormats = ReadCheck(path, kModernFormatsKey, defaults.modernFormats);
  options.structure = StructureFromIndex(
      IniReadInt(path, kOptionsSection, kStructureKey, IndexOfStructure(defaults.structure)));
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
