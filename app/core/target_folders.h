#pragma once
// What the run knows about its target folders. Each folder is listed at most
// once per run; the exists test and the numbered names are answered from that
// listing, which the run keeps up to date as files move in and out.

#include "platform/file_info.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

// The names of one folder, compared ignoring case, and for every stem and
// extension the highest counter tag present.
class TargetFolderIndex {
public:
  void Add(std::string_view name);
  void Remove(std::string_view name);
  bool Contains(std::string_view name) const;
  // The highest counter of the names stem + "_[NNNN]" + extension (ignoring
  // case), 0 when there is none.
  uint64_t HighestCounter(std::string_view stem, std::string_view extension) const;

private:
  std::unordered_set<std::string> lowered_;
  std::unordered_map<std::string, uint64_t> highest_;
};

class TargetFolders {
public:
  // The index of folder, listing it on first use. A missing folder is created
  // with its parents when create is set. Null when the folder does not exist
  // afterwards. The pointer stays valid until Forget.
  TargetFolderIndex* Prepare(const std::string& folder, bool create);
  // Drops what is known of folder, so the next Prepare looks again.
  void Forget(const std::string& folder);
  // A file named name left folder; updates its index if it has one.
  void NoteRemoved(const std::string& folder, const std::string& name);

private:
  const FileIdentity* Identify(const std::string& folder);

  std::unordered_map<std::string, FileIdentity> identities_;
  std::map<FileIdentity, TargetFolderIndex> indexes_;
};
