#include "app/core/target_name.h"

#include "app/core/file_date.h"
#include "platform/file_info.h"
#include "platform/path_text.h"

SourceName SplitSourcePath(const std::string& path) {
  SourceName parts;
  const size_t slash = path.rfind(kPathSeparator);
  parts.name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = parts.name.rfind('.');
  if (dot != std::string::npos) parts.extension = parts.name.substr(dot);
  parts.baseName = parts.name.substr(0, parts.name.size() - parts.extension.size());
  return parts;
}

bool IsReadOnly(const std::string& path) {
  return IsReadOnlyFile(path);
}

std::string DecideTargetName(const std::string& sourcePath, const SourceName& source,
                             const std::string& dateStamp, const RunOptions& options) {
  if (IsReadOnly(sourcePath)) return source.baseName + source.extension;
  if (!options.renameByDate) return source.name;
  if (!options.keepOriginalName) return dateStamp + source.extension;
  if (sourcePath.find(dateStamp) != std::string::npos) return source.baseName + source.extension;
  return dateStamp + "_" + source.baseName + source.extension;
}

std::string TargetFolder(const std::string& target, const FileDate& date,
                         FolderStructure structure) {
  switch (structure) {
  case FolderStructure::Year:
    return target + date.year;
  case FolderStructure::YearMonth:
    return target + date.year + kPathSeparator + date.month;
  case FolderStructure::YearMonthDay:
    return target + date.year + kPathSeparator + date.month + kPathSeparator + date.day;
  case FolderStructure::None:
    break;
  }
  return target;
}

bool StructureCreatesFolders(FolderStructure structure) {
  return structure != FolderStructure::None;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == kPathSeparator) return folder + name;
  return folder + kPathSeparator + name;
}
