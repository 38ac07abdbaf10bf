#include "run/internal/companion_groups.h"

#include "platform/directory_walk.h"
#include "platform/file_info.h"
#include "platform/lower_name.h"
#include "platform/name_mask.h"
#include "platform/path_text.h"
#include "platform/work_at_once.h"
#include "run/file_collection.h"
#include "run/file_date.h"
#include "run/internal/companion_names.h"
#include "run/internal/counter_name.h"
#include "run/internal/date_read_ahead.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <limits>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace {

// Extensions of files that are always sidecars, whatever kinds are ticked.
constexpr std::array<std::string_view, 6> kSidecarExtensions{".xmp", ".thm", ".aae",
                                                             ".pp3", ".dop", ".json"};
constexpr std::array<std::string_view, 3> kJpegExtensions{".jpg", ".jpeg", ".jpe"};

// Names are compared lowered, so the tables must be.
constexpr bool IsLoweredExtension(std::string_view extension) {
  return extension.size() > 1 && extension[0] == '.' &&
         std::none_of(extension.begin(), extension.end(),
                      [](char c) { return c >= 'A' && c <= 'Z'; });
}
static_assert(std::all_of(kSidecarExtensions.begin(), kSidecarExtensions.end(),
                          IsLoweredExtension));
static_assert(std::all_of(kJpegExtensions.begin(), kJpegExtensions.end(), IsLoweredExtension));
static_assert(IsLoweredExtension(kExportDataTail));

// A camera writes the raw and the JPEG of one shot within a second, and a
// Live Photo's clip starts up to about 1.5 s before its still: two pictures
// or videos of one base name whose own capture dates lie further apart were
// taken apart (a 2005 raw of one camera, a 2008 JPEG of another that
// reached the same number) and are no pair. Sidecars carry no date of their
// own that would tell; they join by name alone.
constexpr int64_t kPairBoundSeconds = 10;

// A list index needs 32 bits in the group table.
constexpr size_t kMaxGroupedFiles = std::numeric_limits<uint32_t>::max() - 1;

bool OneOf(std::string_view extension, const auto& table) {
  return std::find(table.begin(), table.end(), extension) != table.end();
}

std::vector<NameMask> Masks(std::initializer_list<const std::vector<std::string>*> lists) {
  std::vector<NameMask> masks;
  for (const std::vector<std::string>* patterns : lists)
    for (const std::string& pattern : *patterns)
      masks.emplace_back(pattern);
  return masks;
}

bool AnyMatches(const std::vector<NameMask>& masks, std::string_view lowered) {
  return std::any_of(masks.begin(), masks.end(),
                     [&](const NameMask& mask) { return mask.MatchesLowered(lowered); });
}

// The role of a file by its lowered name; nothing for a file that never
// joins a group. Every picture and video pattern counts, ticked or not: the
// option promises RAW+JPEG whatever else is collected.
std::optional<MemberRole> RoleOf(std::string_view lowered) {
  static const std::vector<NameMask> stills = Masks({&PicturePatterns(), &ModernPicturePatterns()});
  static const std::vector<NameMask> videos = Masks({&VideoPatterns(), &ModernVideoPatterns()});
  const std::string_view extension = ExtensionOf(lowered);
  // First: "x.jpg.xmp" matches the picture pattern "*.jp*".
  if (OneOf(extension, kSidecarExtensions) || IsClipDataExtension(extension))
    return MemberRole::Sidecar;
  if (OneOf(extension, kJpegExtensions)) return MemberRole::Jpeg;
  if (AnyMatches(stills, lowered)) return MemberRole::Still;
  if (AnyMatches(videos, lowered)) return MemberRole::Video;
  return std::nullopt;
}

// Seconds of a calendar day and time, counted on one scale.
int64_t SecondsOf(const LocalDateTime& t) {
  using namespace std::chrono;
  const sys_days day{year{t.year} / month{static_cast<unsigned>(t.month)} /
                     std::chrono::day{static_cast<unsigned>(t.day)}};
  return int64_t{day.time_since_epoch().count()} * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

struct Candidate {
  std::string name;    // as on disk
  std::string lowered; // LowerName(name)
  MemberRole role;
  size_t file; // index in the list; npos when not collected
  // A picture's or video's group base: its base name, or that of the owner
  // its name points at (renamed). Its tail: its name after that base; a
  // sidecar's, set when it joins, after its owner's tail.
  std::string base = {};
  std::string tail = {};
  bool renamed = false;
  // Its own capture date from its metadata, in SecondsOf; read once, when a
  // pair is to be told.
  mutable std::optional<std::optional<int64_t>> captured = std::nullopt;

  const std::optional<int64_t>& Captured(const std::string& folder) const {
    if (captured) return *captured;
    captured.emplace();
    const std::string path = folder + name;
    if (!DatedByMetadata(path, /*allFormats=*/true)) return *captured;
    try {
      const DatedFile dated = DateOfFile(path, /*allFormats=*/true);
      if (IsOwnCaptureDate(dated.source)) *captured = SecondsOf(dated.date.local);
    } catch (const std::exception&) {
      // No date of its own: it joins by name.
    }
    return *captured;
  }
};

// A group while its folder is looked through.
struct Forming {
  std::string base; // lowered
  std::vector<const Candidate*> members;
  std::unordered_set<std::string> tails;
  // Whether the picture or video candidate was taken with every member that
  // has a capture date of its own (kPairBoundSeconds).
  bool TakenWith(const Candidate& candidate, const std::string& folder) const {
    return std::all_of(members.begin(), members.end(), [&](const Candidate* member) {
      if (member->role == MemberRole::Sidecar) return true;
      const std::optional<int64_t>& own = member->Captured(folder);
      if (!own) return true;
      const std::optional<int64_t>& other = candidate.Captured(folder);
      return !other || (*own > *other ? *own - *other : *other - *own) <= kPairBoundSeconds;
    });
  }
  bool Join(const Candidate& candidate) {
    if (!tails.insert(candidate.tail).second) return false;
    members.push_back(&candidate);
    return true;
  }
  // Whether the group holds a video of base name base under its own name.
  bool HasVideo() const {
    return std::any_of(members.begin(), members.end(), [](const Candidate* member) {
      return member->role == MemberRole::Video && !member->renamed;
    });
  }
};

// The lowered name a sidecar was named after: NAME for NAME.xmp and for
// NAME.supplemental-metadata.json.
std::string_view SidecarOwner(std::string_view lowered) {
  const std::string_view extension = ExtensionOf(lowered);
  std::string_view owner = lowered.substr(0, lowered.size() - extension.size());
  if (extension == kExportDataExtension && owner.ends_with(kExportDataTail))
    owner.remove_suffix(kExportDataTail.size());
  return owner;
}

// A group and the member of it that owns a sidecar by its name.
struct Owner {
  size_t group;
  const Candidate* member;
};

// Sets each picture's and video's group base and tail; one whose name
// points at another that is there (companion_names.h) takes that one's.
// The names of the folder are gathered only when a name points at one.
void RenameByOwner(std::vector<Candidate>& candidates) {
  std::vector<std::pair<Candidate*, std::vector<OwnerName>>> pointing;
  for (Candidate& candidate : candidates) {
    if (candidate.role == MemberRole::Sidecar) continue;
    const std::string_view extension = ExtensionOf(candidate.lowered);
    candidate.base = candidate.lowered.substr(0, candidate.lowered.size() - extension.size());
    candidate.tail = std::string(extension);
    if (std::vector<OwnerName> owners = PictureOwnerNames(candidate.lowered); !owners.empty())
      pointing.emplace_back(&candidate, std::move(owners));
  }
  if (pointing.empty()) return;
  std::unordered_set<std::string_view> stills;     // whole names
  std::unordered_set<std::string_view> stillBases; // base names
  std::unordered_set<std::string_view> videoBases;
  for (const Candidate& candidate : candidates) {
    if (candidate.role == MemberRole::Sidecar) continue;
    if (candidate.role == MemberRole::Video) {
      videoBases.insert(candidate.base);
    } else {
      stillBases.insert(candidate.base);
      stills.insert(candidate.lowered);
    }
  }
  const auto there = [&](const OwnerName& owner) {
    if (owner.whole) return owner.kind != OwnerKind::Video && stills.count(owner.name) > 0;
    const bool still = stillBases.count(owner.name) > 0;
    const bool video = videoBases.count(owner.name) > 0;
    return owner.kind == OwnerKind::Picture ? still
           : owner.kind == OwnerKind::Video ? video
                                            : still || video;
  };
  // Decided first, renamed after: the sets view the bases.
  std::vector<std::pair<Candidate*, OwnerName*>> renamed;
  for (auto& [candidate, owners] : pointing) {
    const auto owner = std::find_if(owners.begin(), owners.end(), there);
    if (owner != owners.end()) renamed.emplace_back(candidate, &*owner);
  }
  for (auto& [candidate, owner] : renamed) {
    if (owner->whole) owner->name.resize(owner->name.size() - ExtensionOf(owner->name).size());
    candidate->renamed = true;
    candidate->tail = std::move(owner->tail);
    candidate->base = std::move(owner->name);
  }
}

struct ExportOwner {
  Owner owner;
  std::string_view form;
};

// The export's other names of the data of every picture and video that
// joined a group (ExportDataNames), made when a data file is first looked
// up that no whole name owns: a folder without one pays nothing. A name two
// pictures would share is neither's.
class ExportNames {
public:
  explicit ExportNames(const std::unordered_map<std::string, Owner>& byWholeName)
      : byWholeName_(byWholeName) {}
  const ExportOwner* Find(std::string_view lowered) {
    if (!made_) {
      made_ = true;
      for (const auto& [whole, owner] : byWholeName_) {
        for (ExportDataName& name : ExportDataNames(whole)) {
          const auto [at, fresh] =
              names_.try_emplace(std::move(name.name), ExportOwner{owner, name.form});
          if (!fresh) at->second.reset();
        }
      }
    }
    const auto found =
        names_.find(std::string(lowered.substr(0, lowered.size() - kExportDataExtension.size())));
    return found == names_.end() || !found->second ? nullptr : &*found->second;
  }

private:
  const std::unordered_map<std::string, Owner>& byWholeName_;
  std::unordered_map<std::string, std::optional<ExportOwner>> names_;
  bool made_ = false;
};

// The candidates of one folder, and the groups formed of them: each a list
// of two or more, in the order they move.
struct FolderCandidates {
  size_t number = 0; // in the list
  std::string path;
  std::vector<Candidate> candidates;
  std::vector<std::vector<const Candidate*>> groups = {};
};

// Reads the capture dates a pair may be told by: those of the pictures and
// videos that share their base with another of their folder. Each is a
// file's open and read, several at a time (the readers of the run's read
// ahead): on a share their round trips overlap, and on a local disk they
// take both cores instead of one before the run can start. One that fails
// to be read is read again when it is asked for.
void ReadPairDates(const std::vector<FolderCandidates>& folders) {
  std::vector<std::pair<const Candidate*, const std::string*>> wanted;
  for (const FolderCandidates& folder : folders) {
    std::unordered_map<std::string_view, size_t> pictures;
    for (const Candidate& candidate : folder.candidates)
      if (candidate.role != MemberRole::Sidecar) ++pictures[candidate.base];
    for (const Candidate& candidate : folder.candidates)
      if (candidate.role != MemberRole::Sidecar && pictures[candidate.base] >= 2)
        wanted.emplace_back(&candidate, &folder.path);
  }
  WorkAtOnce(wanted.size(), kDateReaders, [&](size_t i) {
    const Candidate& candidate = *wanted[i].first;
    try {
      candidate.Captured(*wanted[i].second);
    } catch (...) {
      candidate.captured.reset();
    }
  });
}

// The pictures, videos and sidecars of a folder: its collected files (the
// list's files there), then the names of its listing that were not
// collected.
void GatherCandidates(const CollectedFiles& list, const std::vector<size_t>& files,
                      FolderCandidates& found) {
  const std::string& folder = found.path;
  std::vector<Candidate>& candidates = found.candidates;
  std::unordered_set<std::string> collected;
  for (size_t file : files) {
    std::string name(list.Name(file));
    std::string lowered = LowerName(name);
    collected.insert(name);
    if (const auto role = RoleOf(lowered))
      candidates.push_back({std::move(name), std::move(lowered), *role, file});
  }
  // Sidecars and the picture of a kind not ticked come along unasked.
  std::vector<std::string> others = ListFolderNames(folder);
  std::sort(others.begin(), others.end());
  for (std::string& name : others) {
    if (collected.count(name)) continue;
    std::string lowered = LowerName(name);
    if (const auto role = RoleOf(lowered))
      candidates.push_back({std::move(name), std::move(lowered), *role, std::string::npos});
  }
  RenameByOwner(candidates);
}

// Forms the groups of the folder's candidates, their dates read.
void FormGroups(FolderCandidates& found) {
  const std::string& folder = found.path;
  std::vector<Candidate>& candidates = found.candidates;
  // Pictures and videos by base name and capture time; collected ones
  // found a group, and so does a collected one taken at another time than
  // the group of its base name (strangers of one number).
  std::vector<Forming> forming;
  std::unordered_map<std::string, std::vector<size_t>> byBase;
  std::unordered_map<std::string, Owner> byWholeName;
  for (const bool collectedPass : {true, false}) {
    for (const Candidate& candidate : candidates) {
      if (candidate.role == MemberRole::Sidecar ||
          (candidate.file != std::string::npos) != collectedPass)
        continue;
      std::vector<size_t>& ofBase = byBase[candidate.base];
      const auto taken = std::find_if(ofBase.begin(), ofBase.end(), [&](size_t group) {
        return forming[group].TakenWith(candidate, folder);
      });
      size_t group = taken == ofBase.end() ? forming.size() : *taken;
      if (taken == ofBase.end()) {
        if (!collectedPass) continue;
        ofBase.push_back(group);
        forming.push_back({candidate.base, {}, {}});
      }
      if (forming[group].Join(candidate))
        byWholeName.emplace(candidate.lowered, Owner{group, &candidate});
    }
  }
  ExportNames exportNames(byWholeName);
  for (Candidate& candidate : candidates) {
    if (candidate.role != MemberRole::Sidecar) continue;
    const std::string_view extension = ExtensionOf(candidate.lowered);
    if (IsClipDataExtension(extension)) {
      const std::optional<OwnerName> clip = ClipDataOwner(candidate.lowered);
      const auto base = clip ? byBase.find(clip->name) : byBase.end();
      if (base == byBase.end()) continue;
      const auto group = std::find_if(base->second.begin(), base->second.end(),
                                      [&](size_t g) { return forming[g].HasVideo(); });
      if (group == base->second.end()) continue;
      candidate.tail = clip->tail;
      forming[*group].Join(candidate);
      continue;
    }
    const std::string owner(SidecarOwner(candidate.lowered));
    const std::string rest = candidate.lowered.substr(owner.size());
    if (const auto whole = byWholeName.find(owner); whole != byWholeName.end()) {
      candidate.tail = whole->second.member->tail + rest;
      forming[whole->second.group].Join(candidate);
    } else if (const ExportOwner* exported = extension == kExportDataExtension
                                                 ? exportNames.Find(candidate.lowered)
                                                 : nullptr) {
      candidate.tail = exported->owner.member->tail + std::string(exported->form);
      forming[exported->owner.group].Join(candidate);
    } else if (const auto base = byBase.find(owner);
               base != byBase.end() && !base->second.empty()) {
      candidate.tail = rest;
      forming[base->second.front()].Join(candidate);
    }
  }
  for (Forming& group : forming) {
    // A file that only came along must still be a file.
    std::erase_if(group.members, [&](const Candidate* member) {
      if (member->file != std::string::npos) return false;
      const std::optional<FileStatus> status = StatusOf(folder + member->name);
      return !status || !status->regular;
    });
    if (group.members.size() < 2) continue;
    std::stable_sort(group.members.begin(), group.members.end(),
                     [](const Candidate* a, const Candidate* b) {
                       // A copy or clip named after another follows it.
                       const bool aSidecar = a->role == MemberRole::Sidecar;
                       const bool bSidecar = b->role == MemberRole::Sidecar;
                       if (aSidecar != bSidecar) return bSidecar;
                       if (a->renamed != b->renamed) return b->renamed;
                       if (a->role != b->role) return a->role < b->role;
                       return a->name < b->name;
                     });
    found.groups.push_back(std::move(group.members));
  }
}

} // namespace

CompanionGroups::CompanionGroups(CollectedFiles& list) {
  if (list.Size() > kMaxGroupedFiles) return;
  // The collected files by folder, folders in the order they first come.
  std::vector<std::vector<size_t>> byFolder(list.Folders());
  std::vector<size_t> folders;
  for (size_t i = 0; i < list.Size(); ++i) {
    std::vector<size_t>& files = byFolder[list.FolderNumber(i)];
    if (files.empty()) folders.push_back(list.FolderNumber(i));
    files.push_back(i);
  }
  groupOf_.assign(list.Size(), 0);
  // Each folder's listing and groups on their own, several folders at once;
  // the groups join the list in the folders' order.
  std::vector<FolderCandidates> byPath(folders.size());
  WorkAtOnce(folders.size(), kDateReaders, [&](size_t f) {
    byPath[f].number = folders[f];
    byPath[f].path = list.FolderPath(folders[f]);
    GatherCandidates(list, byFolder[folders[f]], byPath[f]);
  });
  ReadPairDates(byPath);
  WorkAtOnce(byPath.size(), kDateReaders, [&](size_t f) { FormGroups(byPath[f]); });
  for (const FolderCandidates& found : byPath) {
    for (const std::vector<const Candidate*>& members : found.groups) {
      CompanionGroup made;
      made.first = list.Size();
      for (const Candidate* member : members) {
        size_t file = member->file;
        if (file == std::string::npos) {
          file = list.Size();
          if (!list.Add(found.number, member->name, EntryKind::Unknown)) continue;
          groupOf_.push_back(0);
        }
        made.first = std::min(made.first, file);
        groupOf_[file] = static_cast<uint32_t>(groups_.size() + 1);
        made.members.push_back(
            {file, member->role, member->tail, member->file == std::string::npos});
      }
      groups_.push_back(std::move(made));
    }
  }
}

const CompanionGroup* CompanionGroups::GroupOf(size_t file) const {
  if (file >= groupOf_.size() || groupOf_[file] == 0) return nullptr;
  return &groups_[groupOf_[file] - 1];
}
