#include "app/core/target_folders.h"

#include "app/core/counter_name.h"
#include "app/core/target_name.h"
#include "platform/append_file.h"
#include "platform/directory_walk.h"
#include "platform/lower_name.h"
#include "platform/move_file.h"
#include "platform/path_text.h"

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
// ("x_[0003].cr2.xmp") carries the counter in front of that whole tail: the
// series of stem and tail. Nothing when that is the series above or none.
std::optional<SeriesTag> TailSeriesOf(std::string_view lowered) {
  const size_t open = lowered.rfind("_[");
  if (open == std::string_view::npos) return std::nullopt;
  const size_t close = lowered.find(']', open);
  if (close == std::string_view::npos || close + 1 >= lowered.size() || lowered[close + 1] != '.')
    return std::nullopt;
  const std::string_view tail = lowered.substr(close + 1);
  if (tail == ExtensionOf(lowered)) return std::nullopt;
  const auto counter = TrailingCounter(lowered.substr(0, close + 1));
  if (!counter || counter->length != close + 1 - open) return std::nullopt;
  return std::pair(*counter, CounterKey(lowered.substr(0, open), tail));
}

} // namespace

void TargetFolderIndex::Add(std::string_view name, std::string content) {
  auto [found, added] = names_.try_emplace(LowerName(name));
  const std::string& lowered = found->first;
  Spellings& spellings = found->second;
  if (!added) {
    const auto same = [&](const Entry& entry) { return entry.name == name; };
    if ((spellings.name.empty() ? lowered : spellings.name) == name ||
        std::any_of(spellings.more.begin(), spellings.more.end(), same)) {
      return;
    }
    spellings.more.push_back({std::string(name), std::move(content)});
    return;
  }
  if (lowered != name) spellings.name = name;
  spellings.content = std::move(content);
  for (auto series : {SeriesOf(lowered), TailSeriesOf(lowered)}) {
    if (!series) continue;
    Series& numbered = series_[std::move(series->second)];
    numbered.highest = std::max(numbered.highest, series->first.number);
    numbered.members.emplace_back(series->first.number, &lowered);
  }
}

// The highest counter is kept when a numbered name leaves: the next number
// may then skip one, but never names a file that exists.
void TargetFolderIndex::Remove(std::string_view name) {
  const auto found = names_.find(LowerName(name));
  if (found == names_.end()) return;
  for (const auto& series : {SeriesOf(found->first), TailSeriesOf(found->first)}) {
    if (!series) continue;
    if (const auto numbered = series_.find(series->second); numbered != series_.end()) {
      std::erase_if(numbered->second.members,
                    [&](const auto& member) { return member.second == &found->first; });
    }
  }
  names_.erase(found);
}

bool TargetFolderIndex::Contains(std::string_view name) const {
  return names_.count(LowerName(name)) != 0;
}

uint64_t TargetFolderIndex::HighestCounter(std::string_view stem,
                                           std::string_view extension) const {
  const auto found = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  return found == series_.end() ? 0 : found->second.highest;
}

void TargetFolderIndex::AppendEntries(const std::string& lowered,
                                      std::vector<Entry>& entries) const {
  const auto found = names_.find(lowered);
  if (found == names_.end()) return;
  const Spellings& spellings = found->second;
  entries.push_back({spellings.name.empty() ? lowered : spellings.name, spellings.content});
  entries.insert(entries.end(), spellings.more.begin(), spellings.more.end());
}

std::vector<TargetFolderIndex::Entry> TargetFolderIndex::Named(std::string_view name) const {
  std::vector<Entry> entries;
  AppendEntries(LowerName(name), entries);
  return entries;
}

std::vector<TargetFolderIndex::Entry>
TargetFolderIndex::NameAndNumbered(std::string_view name, std::string_view stem,
                                   std::string_view extension) const {
  std::vector<Entry> entries;
  const std::string lowered = LowerName(name);
  AppendEntries(lowered, entries);
  const auto series = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  if (series == series_.end()) return entries;
  std::vector<std::pair<uint64_t, const std::string*>> members = series->second.members;
  std::sort(members.begin(), members.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [counter, key] : members) {
    if (*key != lowered) AppendEntries(*key, entries);
  }
  return entries;
}

const FileIdentity* TargetFolders::Identify(const std::string& folder) {
  if (const auto known = identities_.find(folder); known != identities_.end()) {
    return &known->second;
  }
  const auto identity = IdentityOf(folder);
  if (!identity) return nullptr;
  return &identities_.emplace(folder, *identity).first->second;
}

TargetFolderIndex* TargetFolders::Prepare(const std::string& folder, bool create,
                                          std::error_code* error) {
  if (const auto known = identities_.find(folder); known != identities_.end()) {
    if (const auto index = indexes_.find(known->second); index != indexes_.end()) {
      return &index->second;
    }
  }
  if (const auto planned = planned_.find(folder); planned != planned_.end()) {
    return &planned->second;
  }
  if (!DirectoryExists(folder)) {
    if (!create) return nullptr;
    if (mode_ == MoveMode::Plan) return PlanFolder(folder);
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
  const FileIdentity* identity = Identify(folder);
  if (!identity) return nullptr;
  // Another path may have named the same folder before.
  const auto [index, added] = indexes_.try_emplace(*identity);
  if (added) {
    for (const std::string& name : ListFolderNames(folder)) {
      if (IsTemporaryCopyName(name)) {
        // Never a planned name: the walk does not collect such files.
        if (mode_ == MoveMode::Move) RemoveIfStaleTemporaryCopy(JoinPath(folder, name));
      } else if (!departed_.count({*identity, name})) {
        index->second.Add(name);
      }
    }
  }
  return &index->second;
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
  const auto known = identities_.find(folder);
  if (known == identities_.end()) return;
  indexes_.erase(known->second);
  identities_.erase(known);
}

void TargetFolders::RemoveIfMadeEmpty(const std::string& folder) {
  for (std::string level = folder; made_.count(level) != 0; level = FolderOf(level)) {
    // One that holds something holds its parents too.
    if (!RemoveEmptyFolder(level)) return;
    made_.erase(level);
    Forget(level);
  }
}

void TargetFolders::NoteRemoved(const std::string& folder, const std::string& name) {
  if (indexes_.empty() && mode_ == MoveMode::Move) return;
  const FileIdentity* identity = Identify(folder);
  if (!identity) return;
  if (const auto known = indexes_.find(*identity); known != indexes_.end()) {
    known->second.Remove(name);
  } else if (mode_ == MoveMode::Plan) {
    // The file is still there; its folder's listing must not show it.
    departed_.emplace(*identity, name);
  }
}
