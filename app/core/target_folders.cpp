#include "app/core/target_folders.h"

#include "app/core/counter_name.h"
#include "app/core/target_name.h"
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

} // namespace

void TargetFolderIndex::Add(std::string_view name, std::string content) {
  std::string lowered = LowerName(name);
  std::vector<Entry>& entries = names_[lowered];
  if (entries.empty()) {
    const std::string_view extension = ExtensionOf(lowered);
    const std::string_view stem =
        std::string_view(lowered).substr(0, lowered.size() - extension.size());
    if (const auto counter = TrailingCounter(stem)) {
      Series& series =
          series_[CounterKey(stem.substr(0, stem.size() - counter->length), extension)];
      series.highest = std::max(series.highest, counter->number);
      series.members.emplace_back(counter->number, lowered);
    }
  }
  entries.push_back({std::string(name), std::move(content)});
}

// The highest counter is kept when a numbered name leaves: the next number
// may then skip one, but never names a file that exists.
void TargetFolderIndex::Remove(std::string_view name) {
  const std::string lowered = LowerName(name);
  if (names_.erase(lowered) == 0) return;
  const std::string_view extension = ExtensionOf(lowered);
  const std::string_view stem =
      std::string_view(lowered).substr(0, lowered.size() - extension.size());
  if (const auto counter = TrailingCounter(stem)) {
    const auto series =
        series_.find(CounterKey(stem.substr(0, stem.size() - counter->length), extension));
    if (series != series_.end()) {
      std::erase_if(series->second.members,
                    [&](const auto& member) { return member.second == lowered; });
    }
  }
}

bool TargetFolderIndex::Contains(std::string_view name) const {
  return names_.count(LowerName(name)) != 0;
}

uint64_t TargetFolderIndex::HighestCounter(std::string_view stem,
                                           std::string_view extension) const {
  const auto found = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  return found == series_.end() ? 0 : found->second.highest;
}

std::vector<TargetFolderIndex::Entry>
TargetFolderIndex::NameAndNumbered(std::string_view name, std::string_view stem,
                                   std::string_view extension) const {
  std::vector<Entry> result;
  const std::string lowered = LowerName(name);
  const auto append = [&](const std::string& key) {
    if (const auto found = names_.find(key); found != names_.end())
      result.insert(result.end(), found->second.begin(), found->second.end());
  };
  append(lowered);
  const auto series = series_.find(CounterKey(LowerName(stem), LowerName(extension)));
  if (series == series_.end()) return result;
  std::vector<std::pair<uint64_t, std::string>> members = series->second.members;
  std::sort(members.begin(), members.end());
  for (const auto& member : members) {
    if (member.second != lowered) append(member.second);
  }
  return result;
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
    if (const std::error_code created = CreateFolderTree(folder)) {
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
