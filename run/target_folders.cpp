#include "run/internal/target_folders.h"

#include "platform/append_file.h"
#include "platform/directory_walk.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"
#include "platform/temporary_copy_name.h"
#include "run/internal/counter_name.h"
#include "run/target_name.h"

#include <algorithm>

namespace {

// Key of a stem and extension, both lowered; no name holds a '/'.
std::string CounterKey(std::string_view loweredStem, std::string_view loweredExtension) {
  std::string key(loweredStem);
  key += '/';
  key += loweredExtension;
  return key;
}

using SeriesTag = std::pair<CounterTag, std::string>;

// The counter tag of a lowered name in front of its extension and the key of
// its series; nothing for a name without one.
std::optional<SeriesTag> SeriesOf(std::string_view lowered) {
  const std::string_view extension = ExtensionOf(lowered);
  const std::string_view stem = lowered.substr(0, lowered.size() - extension.size());
  const auto counter = TrailingCounter(stem);
  if (!counter) return std::nullopt;
  return std::pair(*counter, CounterKey(stem.substr(0, stem.size() - counter->length), extension));
}

// A group's member whose name goes on after its picture's extension
// ("x_[0003].cr2.xmp") or after its stem ("x_[0003]-edited.jpg",
// "x_[0003]m01.xml") carries the counter in front of that whole tail: the
// series of stem and tail. Nothing when that is the series above or none.
std::optional<SeriesTag> TailSeriesOf(std::string_view lowered) {
  const size_t open = lowered.rfind("_[");
  if (open == std::string_view::npos) return std::nullopt;
  const size_t close = lowered.find(']', open);
  if (close == std::string_view::npos || close + 1 >= lowered.size()) return std::nullopt;
  const std::string_view tail = lowered.substr(close + 1);
  if (tail == ExtensionOf(lowered)) return std::nullopt;
  const auto counter = TrailingCounter(lowered.substr(0, close + 1));
  if (!counter || counter->length != close + 1 - open) return std::nullopt;
  return std::pair(*counter, CounterKey(lowered.substr(0, open), tail));
}

} // namespace

std::string_view TargetFolderIndex::Lowered(uint32_t spelling) const {
  return std::string_view(bytes_).substr(spellings_[spelling].at, spellings_[spelling].lowered);
}

std::string_view TargetFolderIndex::Written(uint32_t spelling) const {
  const Spelling& s = spellings_[spelling];
  if (s.written == 0) return Lowered(spelling);
  return std::string_view(bytes_).substr(s.at + s.lowered, s.written);
}

uint32_t TargetFolderIndex::AddSpelling(std::string_view lowered, std::string_view name,
                                        std::string_view content) {
  Spelling spelling{bytes_.size(), static_cast<uint32_t>(content.size()),
                    static_cast<uint16_t>(lowered.size()), 0};
  bytes_ += lowered;
  if (name != lowered) {
    spelling.written = static_cast<uint16_t>(name.size());
    bytes_ += name;
  }
  bytes_ += content;
  spellings_.push_back(spelling);
  return static_cast<uint32_t>(spellings_.size() - 1);
}

size_t TargetFolderIndex::SlotOf(std::string_view lowered) const {
  const size_t mask = slots_.size() - 1;
  std::optional<size_t> removed;
  for (size_t slot = std::hash<std::string_view>{}(lowered)&mask;; slot = (slot + 1) & mask) {
    const uint32_t held = slots_[slot];
    if (held == kFree) return removed.value_or(slot);
    if (held == kRemoved) {
      if (!removed) removed = slot;
    } else if (Lowered(held - 1) == lowered) {
      return slot;
    }
  }
}

std::optional<uint32_t> TargetFolderIndex::Find(std::string_view lowered) const {
  if (slots_.empty()) return std::nullopt;
  const uint32_t held = slots_[SlotOf(lowered)];
  if (held == kFree || held == kRemoved) return std::nullopt;
  return held - 1;
}

void TargetFolderIndex::Grow() {
  if ((taken_ + 1) * 4 <= slots_.size() * 3) return;
  std::vector<uint32_t> names;
  for (const uint32_t held : slots_)
    if (held != kFree && held != kRemoved) names.push_back(held);
  // At most half taken after a growth, at most three quarters before the
  // next: a linear probe stays short with a hash that spreads.
  size_t size = 8;
  while (size < names.size() * 2)
    size *= 2;
  slots_.assign(size, kFree);
  for (const uint32_t held : names)
    slots_[SlotOf(Lowered(held - 1))] = held;
  taken_ = names.size();
}

void TargetFolderIndex::Add(std::string_view name, std::string content) {
  std::string storage;
  const std::string_view lowered = LowerName(name, storage);
  if (lowered.size() > kMaxNameBytes || name.size() > kMaxNameBytes ||
      content.size() > kMaxContentBytes || spellings_.size() >= kMaxSpellings)
    return;
  if (const std::optional<uint32_t> first = Find(lowered)) {
    uint32_t last = *first;
    for (std::optional<uint32_t> s = first; s; s = Further(*s)) {
      if (Written(*s) == name) return;
      last = *s;
    }
    further_[last] = AddSpelling(lowered, name, content);
    return;
  }
  Grow();
  const size_t slot = SlotOf(lowered);
  if (slots_[slot] == kFree) ++taken_;
  const uint32_t added = AddSpelling(lowered, name, content);
  slots_[slot] = added + 1;
  for (auto series : {SeriesOf(lowered), TailSeriesOf(lowered)}) {
    if (!series) continue;
    Series& numbered = series_[std::move(series->second)];
    numbered.highest = std::max(numbered.highest, series->first.number);
    numbered.members.emplace_back(series->first.number, added);
  }
}

// The highest counter is kept when a numbered name leaves: the next number
// may then skip one, but never names a file that exists. Its bytes stay in
// the arena until the index is dropped.
void TargetFolderIndex::Remove(std::string_view name) {
  if (slots_.empty()) return;
  std::string storage;
  const std::string_view lowered = LowerName(name, storage);
  const size_t slot = SlotOf(lowered);
  const uint32_t held = slots_[slot];
  if (held == kFree || held == kRemoved) return;
  for (const auto& series : {SeriesOf(lowered), TailSeriesOf(lowered)}) {
    if (!series) continue;
    if (const auto numbered = series_.find(series->second); numbered != series_.end()) {
      std::erase_if(numbered->second.members,
                    [&](const auto& member) { return member.second == held - 1; });
    }
  }
  for (std::optional<uint32_t> s = held - 1; s;) {
    const std::optional<uint32_t> next = Further(*s);
    further_.erase(*s);
    s = next;
  }
  slots_[slot] = kRemoved;
}

bool TargetFolderIndex::Contains(std::string_view name) const {
  std::string storage;
  return Find(LowerName(name, storage)).has_value();
}

uint64_t TargetFolderIndex::HighestCounter(std::string_view stem,
                                           std::string_view extension) const {
  const auto found = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  return found == series_.end() ? 0 : found->second.highest;
}

std::optional<uint32_t> TargetFolderIndex::Further(uint32_t spelling) const {
  const auto found = further_.find(spelling);
  return found == further_.end() ? std::nullopt : std::optional<uint32_t>(found->second);
}

void TargetFolderIndex::AppendEntries(std::optional<uint32_t> first,
                                      std::vector<Entry>& entries) const {
  for (std::optional<uint32_t> s = first; s; s = Further(*s)) {
    const Spelling& spelling = spellings_[*s];
    entries.push_back(
        {std::string(Written(*s)),
         bytes_.substr(spelling.at + spelling.lowered + spelling.written, spelling.content)});
  }
}

std::vector<TargetFolderIndex::Entry> TargetFolderIndex::Named(std::string_view name) const {
  std::vector<Entry> entries;
  AppendEntries(Find(LowerName(name)), entries);
  return entries;
}

std::vector<TargetFolderIndex::Entry>
TargetFolderIndex::NameAndNumbered(std::string_view name, std::string_view stem,
                                   std::string_view extension) const {
  std::vector<Entry> entries;
  const std::optional<uint32_t> named = Find(LowerName(name));
  AppendEntries(named, entries);
  const auto series = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  if (series == series_.end()) return entries;
  std::vector<std::pair<uint64_t, uint32_t>> members = series->second.members;
  std::sort(members.begin(), members.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [counter, first] : members) {
    if (first != named) AppendEntries(first, entries);
  }
  return entries;
}

const FileIdentity* TargetFolders::Identify(const std::string& folder) {
  if (unlooked_.count(folder)) return LookUp(folder);
  if (const auto known = identities_.find(folder); known != identities_.end()) {
    return &known->second;
  }
  const auto identity = IdentityOf(folder);
  if (!identity) return nullptr;
  return &identities_.emplace(folder, *identity).first->second;
}

TargetFolderIndex* TargetFolders::Prepare(const std::string& folder, bool create,
                                          std::error_code* error) {
  TargetFolderIndex* index = nullptr;
  if (const auto known = identities_.find(folder); known != identities_.end()) {
    if (const auto found = indexes_.find(known->second); found != indexes_.end())
      index = &found->second;
  }
  if (const auto planned = planned_.find(folder); !index && planned != planned_.end())
    index = &planned->second;
  const std::string mirror = MirrorPath(folder);
  if (index && (mirror.empty() || mirrored_.count(index))) return index;
  failedAtMirror_ = false;
  if (!index) index = PrepareOwn(folder, create, error);
  if (!index || mirror.empty()) return index;
  mirrors_[folder] = mirror;
  // A second target's folder that could not be made is tried again for the
  // next file of the folder.
  if (!MakeMirror(mirror, create, error)) return nullptr;
  // Its names join the index once, however many spellings lead to it.
  if (mirrored_.insert(index).second) ListMirror(folder, mirror, *index);
  return index;
}

// The target's own folder, made or listed as the nearest known folder allows.
TargetFolderIndex* TargetFolders::PrepareOwn(const std::string& folder, bool create,
                                             std::error_code* error) {
  // Below a folder this run made, a folder is new unless another program
  // made it meanwhile: it is made at once, without a look for it first.
  const bool belowMade = !made_.count(folder) && made_.count(FolderOf(folder));
  if (!(create && ChangesFiles(mode_) && belowMade)) {
    std::error_code opening;
    if (TargetFolderIndex* listed = List(folder, opening)) return listed;
    if (opening != std::errc::no_such_file_or_directory)
      return PrepareAfterLook(folder, create, error);
    if (!create) return nullptr;
    if (mode_ == RunMode::DryRun) return PlanFolder(folder);
  }
  bool made = false;
  const std::error_code created = Create(folder, made);
  if (created) {
    if (error) *error = created;
    return nullptr;
  }
  if (!made) {
    std::error_code opening;
    return List(folder, opening);
  }
  // Made just now, it holds nothing the run needs to list. Its identity is
  // looked up only when asked for (LookUp); until then a key of its own
  // stands for it. What was known under its path was of a folder that is gone.
  const FileIdentity stand{kUnlooked, ++unlookedCount_};
  identities_.insert_or_assign(folder, stand);
  unlooked_.insert(folder);
  return &indexes_[stand];
}

const FileIdentity* TargetFolders::LookUp(const std::string& folder) {
  const std::optional<FileIdentity> identity = IdentityOf(folder);
  if (!identity) return nullptr; // gone: its index stays for those that hold it
  unlooked_.erase(folder);
  FileIdentity& known = identities_.at(folder);
  // The node keeps its place in memory under its new key, so pointers to the
  // index stay valid. A listing of a folder gone since (its inode used again)
  // steps aside the same way.
  auto index = indexes_.extract(known);
  if (!index) {
    known = *identity;
    return &known;
  }
  if (auto stale = indexes_.extract(*identity)) {
    stale.key() = {kUnlooked, ++unlookedCount_};
    indexes_.insert(std::move(stale));
  }
  index.key() = *identity;
  indexes_.insert(std::move(index));
  known = *identity;
  return &known;
}

void TargetFolders::LookUpMade() {
  // Another spelling of a folder the run made shares its index: those are
  // looked up before a folder that exists is listed (once each, and only in
  // a run that lists a folder after making one). One gone since keeps its
  // stand-in.
  while (!unlooked_.empty()) {
    const std::string made = *unlooked_.begin();
    if (!LookUp(made)) unlooked_.erase(made);
  }
}

TargetFolderIndex* TargetFolders::List(const std::string& folder, std::error_code& error) {
  TargetFolderIndex* index = nullptr;
  FileIdentity listed{};
  error = VisitFolderOf(
      folder,
      [&](const FileIdentity& identity) {
        LookUpMade();
        listed = identity;
        identities_.insert_or_assign(folder, identity);
        // Another path may have named the same folder before.
        const auto [known, added] = indexes_.try_emplace(identity);
        index = &known->second;
        return added;
      },
      [&](std::string_view entry) { AddListed(folder, listed, entry, *index); });
  return error ? nullptr : index;
}

void TargetFolders::AddListed(const std::string& folder, const FileIdentity& identity,
                              std::string_view entry, TargetFolderIndex& index) {
  const std::string name(entry);
  if (IsTemporaryCopyName(name)) {
    // Never a planned name: the walk does not collect such files.
    if (ChangesFiles(mode_)) RemoveIfStaleTemporaryCopy(JoinPath(folder, name));
  } else if (!departed_.count({identity, name})) {
    index.Add(name);
  }
}

std::error_code TargetFolders::Create(const std::string& folder, bool& made) {
  std::vector<std::string> levels;
  std::error_code created;
  const std::optional<std::string> known = KnownAbove(folder);
  if (known) {
    created = CreateFolderBelow(folder, *known, levels, made);
  } else {
    created = CreateFolderTree(folder, FolderAccess::AsUmaskAllows, &levels);
    made = !levels.empty() && levels.back() == folder;
  }
  made_.insert(levels.begin(), levels.end());
  if (folderCreated_) {
    for (const std::string& level : levels)
      folderCreated_(level);
  }
  return created;
}

std::optional<std::string> TargetFolders::KnownAbove(const std::string& folder) const {
  for (std::string level = FolderOf(folder); level.size() > 1; level = FolderOf(level)) {
    if (made_.count(level) || identities_.count(level) || roots_.count(level)) return level;
  }
  return std::nullopt;
}

void TargetFolders::NoteRoot(const std::string& root) {
  std::string folder = root;
  while (folder.size() > 1 && folder.back() == kPathSeparator)
    folder.pop_back();
  if (folder.size() > 1) roots_.insert(std::move(folder));
}

// The way before the listing told which folder it is: kept for folders that
// cannot be opened for other reasons than being absent (not readable, or a
// file in the way), whose answers it decides as it always did.
TargetFolderIndex* TargetFolders::PrepareAfterLook(const std::string& folder, bool create,
                                                   std::error_code* error) {
  if (!DirectoryExists(folder)) {
    if (!create) return nullptr;
    if (mode_ == RunMode::DryRun) return PlanFolder(folder);
    std::vector<std::string> levels;
    const std::error_code created = CreateFolderTree(folder, FolderAccess::AsUmaskAllows, &levels);
    made_.insert(levels.begin(), levels.end());
    if (folderCreated_) {
      for (const std::string& level : levels)
        folderCreated_(level);
    }
    if (created) {
      if (error) *error = created;
      return nullptr;
    }
  }
  LookUpMade();
  const FileIdentity* identity = Identify(folder);
  if (!identity) return nullptr;
  const auto [index, added] = indexes_.try_emplace(*identity);
  // Named apart: a lambda may not capture a structured binding (C++20 lets
  // it, clang 14 does not yet).
  TargetFolderIndex& listing = index->second;
  if (added) {
    VisitFolderNames(folder,
                     [&](std::string_view entry) { AddListed(folder, *identity, entry, listing); });
  }
  return &listing;
}

void TargetFolders::MirrorInto(const std::string& targetRoot, const std::string& backupRoot) {
  targetRoot_ = targetRoot;
  backupRoot_ = backupRoot;
}

std::string TargetFolders::MirrorPath(const std::string& folder) const {
  if (backupRoot_.empty() || targetRoot_.empty() || !folder.starts_with(targetRoot_)) return {};
  return backupRoot_ + folder.substr(targetRoot_.size());
}

bool TargetFolders::MakeMirror(const std::string& mirror, bool create, std::error_code* error) {
  if (DirectoryExists(mirror) || mode_ == RunMode::DryRun) return true;
  std::error_code created = std::make_error_code(std::errc::no_such_file_or_directory);
  if (create) {
    std::vector<std::string> levels;
    created = CreateFolderTree(mirror, FolderAccess::AsUmaskAllows, &levels);
    made_.insert(levels.begin(), levels.end());
    if (folderCreated_) {
      for (const std::string& level : levels)
        folderCreated_(level);
    }
  }
  if (!created) return true;
  failedAtMirror_ = true;
  if (error) *error = created;
  return false;
}

void TargetFolders::ListMirror(const std::string& folder, const std::string& mirror,
                               TargetFolderIndex& index) {
  mirrors_[folder] = mirror;
  VisitFolderNames(mirror, [&](std::string_view entry) {
    const std::string name(entry);
    if (!IsTemporaryCopyName(name)) {
      index.Add(name);
    } else if (ChangesFiles(mode_)) {
      RemoveIfStaleTemporaryCopy(JoinPath(mirror, name));
    }
  });
}

const std::string* TargetFolders::MirrorOf(const std::string& folder) const {
  if (mirrors_.empty()) return nullptr;
  // A folder is prepared with or without its trailing separator (the target
  // folder itself, a date folder) and named either way.
  for (const std::string& path : {folder, WithBackslash(folder)}) {
    if (const auto found = mirrors_.find(path); found != mirrors_.end()) return &found->second;
  }
  if (folder.size() > 1 && folder.back() == kPathSeparator) {
    const auto found = mirrors_.find(folder.substr(0, folder.size() - 1));
    if (found != mirrors_.end()) return &found->second;
  }
  return nullptr;
}

// Creating a folder with its parents works where the nearest existing entry
// on its path is a folder; the plan assumes the permissions allow it.
TargetFolderIndex* TargetFolders::PlanFolder(const std::string& folder) {
  std::string path = folder;
  while (!IdentityOf(path)) {
    while (path.size() > 1 && path.back() == kPathSeparator)
      path.pop_back();
    const size_t cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos || path.size() == 1) return &planned_[folder];
    path.resize(cut == 0 ? 1 : cut);
  }
  return DirectoryExists(path) ? &planned_[folder] : nullptr;
}

std::optional<FileIdentity> TargetFolders::IdentityOfFolder(const std::string& folder) {
  const FileIdentity* identity = planned_.count(folder) ? nullptr : Identify(folder);
  return identity ? std::optional<FileIdentity>(*identity) : std::nullopt;
}

void TargetFolders::Forget(const std::string& folder) {
  unlooked_.erase(folder);
  const auto known = identities_.find(folder);
  if (known == identities_.end()) return;
  if (const auto index = indexes_.find(known->second); index != indexes_.end()) {
    mirrored_.erase(&index->second);
    indexes_.erase(index);
  }
  identities_.erase(known);
}

void TargetFolders::RemoveIfMadeEmpty(const std::string& folder) {
  const std::string* mirror = MirrorOf(folder);
  for (const std::string& start : {folder, mirror ? *mirror : std::string()}) {
    for (std::string level = start; made_.count(level) != 0; level = FolderOf(level)) {
      // One that holds something holds its parents too.
      if (!RemoveEmptyFolder(level)) break;
      made_.erase(level);
      Forget(level);
    }
  }
}

void TargetFolders::NoteRemoved(const std::string& folder, const std::string& name) {
  if (indexes_.empty() && ChangesFiles(mode_)) return;
  const FileIdentity* identity = Identify(folder);
  if (!identity) return;
  if (const auto known = indexes_.find(*identity); known != indexes_.end()) {
    known->second.Remove(name);
    // The twin's file of that name still takes it.
    const std::string* mirror = MirrorOf(folder);
    if (mirror && EntryExists(JoinPath(*mirror, name))) known->second.Add(name);
  } else if (mode_ == RunMode::DryRun) {
    // The file is still there; its folder's listing must not show it.
    departed_.emplace(*identity, name);
  }
}
