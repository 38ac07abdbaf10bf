#pragma once
// What the run knows about its target folders. Each folder is listed at most
// once per run; the exists test and the numbered names are answered from that
// listing, which the run keeps up to date as files move in and out.

#include "app/core/move_mode.h"
#include "platform/file_info.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

// The names of one folder, compared ignoring case, and for every stem and
// extension the highest counter tag present and the names that carry one.
class TargetFolderIndex {
public:
  // A name as it is written in the folder, and where its bytes are when
  // they are not there yet (a dry run's planned move: its source).
  struct Entry {
    std::string name;
    std::string content; // empty: the bytes are in the folder under name
  };

  void Add(std::string_view name, std::string content = {});
  void Remove(std::string_view name);
  bool Contains(std::string_view name) const;
  // The highest counter of the names stem + "_[NNNN]" + extension (ignoring
  // case), 0 when there is none. extension may be a longer tail that begins
  // at a dot ("_[0003].cr2.xmp": stem, ".cr2.xmp").
  uint64_t HighestCounter(std::string_view stem, std::string_view extension) const;
  // The entries named name (ignoring case).
  std::vector<Entry> Named(std::string_view name) const;
  // The entries named name, then those named stem + "_[NNNN]" + extension
  // by counter, each once (all ignoring case). The work grows with the
  // number of such names, not with the folder.
  std::vector<Entry> NameAndNumbered(std::string_view name, std::string_view stem,
                                     std::string_view extension) const;

private:
  // One name ignoring case. Listing a folder adds every name it holds, and
  // a run lists a folder again whenever another program takes a name it
  // wanted, so adding costs no more than the name itself: the spelling is
  // kept only where it differs from the lowered key.
  struct Spellings {
    std::string name;        // as written, when it differs from the lowered key
    std::string content;     // as Entry::content
    std::vector<Entry> more; // further spellings of the same name (X.JPG and x.jpg)
  };
  // The numbered names of one stem and extension.
  struct Series {
    uint64_t highest = 0;
    // Counter and lowered name (a key of names_, which stays where it is
    // until its name is removed).
    std::vector<std::pair<uint64_t, const std::string*>> members;
  };
  void AppendEntries(const std::string& lowered, std::vector<Entry>& entries) const;

  std::unordered_map<std::string, Spellings> names_; // by lowered name
  std::unordered_map<std::string, Series> series_;   // by lowered stem and extension
};

// In Plan mode nothing on disk changes: a folder that would be created gets
// an empty listing under its path, and a file that leaves a folder before that
// folder is listed is left out of its listing, as if it had moved.
class TargetFolders {
public:
  TargetFolders() = default;
  explicit TargetFolders(MoveMode mode) : mode_(mode) {}

  // The index of folder, listing it on first use. A missing folder is created
  // with its parents when create is set. Null when the folder does not exist
  // afterwards, with the system's error of its creation in error (when
  // given). The pointer stays valid until Forget. The first listing also removes the
  // temporary files that interrupted moves left there long ago (not in Plan
  // mode, which changes nothing).
  TargetFolderIndex* Prepare(const std::string& folder, bool create,
                             std::error_code* error = nullptr);
  // The identity of a folder Prepare has listed (nothing for a folder that
  // Plan mode only pretends to create).
  std::optional<FileIdentity> IdentityOfFolder(const std::string& folder);
  // Called with every folder Prepare creates (each level of a tree).
  void OnFolderCreated(std::function<void(const std::string&)> observer) {
    folderCreated_ = std::move(observer);
  }
  // Drops what is known of folder, so the next Prepare looks again.
  void Forget(const std::string& folder);
  // A file named name left folder; updates its index if it has one.
  void NoteRemoved(const std::string& folder, const std::string& name);
  // Removes folder and then each parent that Prepare created in this run,
  // as long as they are empty (a file that stayed leaves no empty folder
  // made for it behind), and forgets them.
  void RemoveIfMadeEmpty(const std::string& folder);

private:
  const FileIdentity* Identify(const std::string& folder);
  TargetFolderIndex* PlanFolder(const std::string& folder);

  MoveMode mode_ = MoveMode::Move;
  std::function<void(const std::string&)> folderCreated_;
  std::set<std::string> made_; // every level Prepare created, by path
  std::unordered_map<std::string, FileIdentity> identities_;
  std::map<FileIdentity, TargetFolderIndex> indexes_;
  // Plan mode only: folders that would have been created, by path, and the
  // names that left a folder not listed yet.
  std::unordered_map<std::string, TargetFolderIndex> planned_;
  std::set<std::pair<FileIdentity, std::string>> departed_;
};
