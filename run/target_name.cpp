#include "run/target_name.h"

#include "platform/lower_name.h"
#include "platform/path_text.h"
#include "run/file_date.h"

SourceName SplitSourcePath(const std::string& path) {
  SourceName parts;
  const size_t slash = path.rfind(kPathSeparator);
  parts.name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = parts.name.rfind('.');
  if (dot != std::string::npos) parts.extension = parts.name.substr(dot);
  parts.baseName = parts.name.substr(0, parts.name.size() - parts.extension.size());
  return parts;
}

namespace {

DatePattern FolderPattern(FolderStructure structure) {
  switch (structure) {
  case FolderStructure::Year:
    return kYearFolderPattern;
  case FolderStructure::YearMonth:
    return kYearMonthFolderPattern;
  case FolderStructure::YearMonthDay:
    return kYearMonthDayFolderPattern;
  case FolderStructure::None:
    break;
  }
  return ""; // the target itself
}

PlannedName Whole(const std::string& stem, const std::string& extension) {
  return {stem, stem.size(), extension};
}

} // namespace

PlannedName DecideTargetName(const std::string& sourcePath, const SourceName& source,
                             const std::string& dateStamp, const RunOptions& options,
                             bool readOnly) {
  if (readOnly) return Whole(source.baseName, source.extension);
  // The original name kept whole: its stem ends at its last dot.
  if (!options.renameByDate) return Whole(source.baseName, source.extension);
  if (!options.keepOriginalName) return Whole(dateStamp, source.extension);
  if (sourcePath.find(dateStamp) != std::string::npos) {
    return Whole(source.baseName, source.extension);
  }
  const std::string prefix = dateStamp + "_";
  return {prefix + source.baseName, prefix.size(), source.extension};
}

PlannedName LoweredName(const PlannedName& name) {
  // Each part on its own: lower-casing may change a part's length in bytes.
  const std::string_view stem = name.stem;
  std::string lowered = LowerName(stem.substr(0, name.cuttableFrom));
  const size_t cuttableFrom = lowered.size();
  lowered += LowerName(stem.substr(name.cuttableFrom));
  return {std::move(lowered), cuttableFrom, LowerName(name.extension)};
}

std::string FitStem(const PlannedName& name, size_t roomAfter, size_t limit) {
  const size_t total = name.stem.size() + roomAfter;
  if (total <= limit) return name.stem;
  const size_t excess = total - limit;
  if (excess >= name.stem.size() - name.cuttableFrom) return name.stem.substr(0, name.cuttableFrom);
  size_t keep = name.stem.size() - excess;
  // Back off to the start of the character that would be split.
  while (keep > name.cuttableFrom && (static_cast<unsigned char>(name.stem[keep]) & 0xC0) == 0x80)
    --keep;
  return name.stem.substr(0, keep);
}

std::string TargetFolder(const std::string& target, const FileDate& date,
                         FolderStructure structure) {
  const DatePattern pattern = FolderPattern(structure);
  std::string folder;
  folder.reserve(target.size() + pattern.Text().size());
  folder += target;
  AppendDateText(folder, date.local, pattern);
  return folder;
}

bool StructureCreatesFolders(FolderStructure structure) {
  return structure != FolderStructure::None;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  const bool separated = !folder.empty() && folder.back() == kPathSeparator;
  std::string path;
  path.reserve(folder.size() + 1 + name.size());
  path += folder;
  if (!separated) path += kPathSeparator;
  path += name;
  return path;
}
