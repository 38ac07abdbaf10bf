#include "run/file_collection.h"

#include "platform/directory_walk.h"
#include "platform/file_info.h"
#include "platform/lower_name.h"
#include "platform/name_mask.h"
#include "platform/path_text.h"
#include "run/internal/sidecar_names.h"
#include "run/run_front_end.h"

#include <cstdint>
#include <optional>

namespace {

void ShowFound(RunFrontEnd* frontEnd, size_t count) {
  if (!frontEnd) return;
  frontEnd->ProcessEvents();
  frontEnd->SetStatusText("Dateien gefunden: " + std::to_string(count) + "  ");
}

// Whether the file at path is a link to a file inside the source tree
// (realRoot: the tree's real path). Moved, such a link would land in the
// library beside the very photo it names, which the run moves there too, and
// a relative one would lead nowhere; a link out of the tree is the only way
// its file comes along and is moved as before. Only links are looked at
// (an entry of unknown kind gets one look at itself).
bool LinksIntoTree(const std::string& path, EntryKind kind, const std::string& realRoot) {
  if (kind == EntryKind::Regular || realRoot.empty()) return false;
  if (kind == EntryKind::Unknown) {
    const std::optional<FileStatus> entry = EntryStatusOf(path);
    if (!entry || !entry->link) return false;
  }
  const std::optional<std::string> real = RealFolderPath(path);
  return real && real->starts_with(WithBackslash(realRoot));
}

} // namespace

const std::vector<std::string>& AllFilesPatterns() {
  static const std::vector<std::string> patterns{"*.*"};
  return patterns;
}

const std::vector<std::string>& PicturePatterns() {
  static const std::vector<std::string> patterns{"*.jp*", "*.tif", "*.png", "*.bmp", "*.gif"};
  return patterns;
}

const std::vector<std::string>& VideoPatterns() {
  static const std::vector<std::string> patterns{"*.m2ts", "*.mpg", "*.mpeg",
                                                 "*.avi",  "*.mov", "*.divx"};
  return patterns;
}

void CollectFiles(const std::string& folder, const std::vector<std::string>& patterns,
                  CollectedFiles& list, RunFrontEnd* frontEnd, std::vector<FileOutcome>* stays) {
  if (patterns.empty()) return;
  const std::string realRoot = RealFolderPath(folder).value_or(std::string());
  std::vector<NameMask> masks(patterns.begin(), patterns.end());
  // A sidecar is collected only by the mask of every file ("Alle").
  std::vector<bool> takesSidecars;
  for (const std::string& pattern : patterns)
    takesSidecars.push_back(pattern == AllFilesPatterns().front());
  // The files go to the list in walk order, each with its pattern, and are
  // grouped by pattern at the end.
  std::vector<uint32_t> patternOf;
  size_t firstFound = 0; // by the first pattern
  // How many files of each pattern every folder held, in walk order: enough
  // to show the counts of the later patterns' walks without walking again.
  std::vector<std::vector<uint32_t>> foundPerFolder;
  const size_t before = list.Size();

  WalkFolderTree(
      folder,
      [&](const FolderContents& contents) {
        std::vector<uint32_t> found(patterns.size());
        std::optional<size_t> number;
        std::vector<FolderSidecars::Name> sidecars;
        for (size_t i = 0; i < contents.files.size(); ++i) {
          const std::string lowered = LowerName(contents.files[i]);
          const bool sidecar = IsSidecarName(lowered);
          if (sidecar) sidecars.emplace_back(lowered, contents.files[i]);
          for (size_t p = 0; p < masks.size(); ++p) {
            if ((!sidecar || takesSidecars[p]) && masks[p].MatchesLowered(lowered)) {
              if (LinksIntoTree(contents.path + contents.files[i], contents.kinds[i], realRoot)) {
                if (stays)
                  stays->push_back(
                      StayedOutcome(contents.path + contents.files[i], StayReason::LinkIntoSource));
                break;
              }
              if (!number) number = list.AddFolder(contents.path);
              if (list.Add(*number, contents.files[i], contents.kinds[i]))
                patternOf.push_back(static_cast<uint32_t>(p));
              ++found[p];
              break;
            }
          }
        }
        // Kept for the dates of the folder's files (file_date.h).
        if (number && !sidecars.empty())
          list.SetSidecars(*number, FolderSidecars(std::move(sidecars)));
        firstFound += found[0];
        if (patterns.size() > 1) foundPerFolder.push_back(std::move(found));
        // The first pattern's walk is the one that happens now.
        ShowFound(frontEnd, before + firstFound);
      },
      [&](const std::string& folder) {
        if (stays) stays->push_back(StayedOutcome(folder, StayReason::FolderUnreadable));
      });

  size_t count = before + firstFound;
  for (size_t p = 1; p < patterns.size(); ++p) {
    for (const std::vector<uint32_t>& found : foundPerFolder) {
      count += found[p];
      ShowFound(frontEnd, count);
    }
  }
  if (patterns.size() > 1) list.OrderByGroup(before, patternOf);
}

void CollectFiles(const std::string& folder, const std::string& pattern, CollectedFiles& list,
                  RunFrontEnd* frontEnd) {
  CollectFiles(folder, std::vector<std::string>{pattern}, list, frontEnd);
}

const std::vector<std::string>& ModernPicturePatterns() {
  static const std::vector<std::string> patterns{
      "*.tiff", "*.heic", "*.heif", "*.avif", "*.dng", "*.cr2", "*.cr3", "*.nef", "*.arw", "*.orf",
      "*.rw2",  "*.pef",  "*.webp", "*.hif",  "*.raf", "*.jxl", "*.nrw", "*.srw", "*.rwl", "*.3fr",
      "*.erf",  "*.mef",  "*.mos",  "*.iiq",  "*.kdc", "*.dcr", "*.sr2", "*.srf", "*.insp"};
  return patterns;
}

const std::vector<std::string>& ModernVideoPatterns() {
  static const std::vector<std::string> patterns{"*.mp4", "*.m4v",  "*.3gp",  "*.mts",
                                                 "*.mkv", "*.webm", "*.insv", "*.lrv"};
  return patterns;
}

void FillFileList(const std::string& folder, CollectedFiles& list, const FileChoice& choice,
                  RunFrontEnd* frontEnd, std::vector<FileOutcome>* stays) {
  const FileKinds& kinds = choice.kinds;
  const bool modernFormats = choice.modernFormats;
  if (choice.fill == ListFill::Replace) list.Clear();
  std::vector<std::string> patterns;
  const auto add = [&](const std::vector<std::string>& more) {
    patterns.insert(patterns.end(), more.begin(), more.end());
  };
  if (kinds.all) {
    add(AllFilesPatterns());
  } else {
    if (kinds.pictures) add(PicturePatterns());
    if (kinds.pictures && modernFormats) add(ModernPicturePatterns());
    if (kinds.videos) add(VideoPatterns());
    if (kinds.videos && modernFormats) add(ModernVideoPatterns());
  }
  CollectFiles(folder, patterns, list, frontEnd, stays);
}
