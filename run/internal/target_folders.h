#pragma once
// What the run knows about its target folders. Each folder is listed at most
// once per run; the exists test and the numbered names are answered from that
// listing, which the run keeps up to date as files move in and out.

#include "platform/file_info.h"
#include "run/run_mode.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
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
  // One spelling of a name. Listing a folder adds every name it holds, and a
  // run may fill one folder with a million files, so a name costs its bytes
  // in one arena (bytes_: the lowered name, then the spelling where it
  // differs, then the content) and these 16 bytes, not strings of its own.
  struct Spelling {
    uint64_t at = 0;      // where its bytes begin in bytes_
    uint32_t content = 0; // length of the content
    uint16_t lowered = 0; // length of the lowered name
    uint16_t written = 0; // length of the spelling; 0: the lowered name itself
  };
  static_assert(sizeof(Spelling) == 16);
  // The numbered names of one stem and extension.
  struct Series {
    uint64_t highest = 0;
    std::vector<std::pair<uint64_t, uint32_t>> members; // counter and name (its first spelling)
  };
  // A name is one directory entry (NAME_MAX, 255 bytes, even lowered), far
  // below its 16 bits; no path as content and no folder comes near four
  // billion bytes or names.
  static constexpr size_t kMaxNameBytes = UINT16_MAX;
  static constexpr size_t kMaxContentBytes = UINT32_MAX;
  static constexpr uint32_t kFree = 0, kRemoved = UINT32_MAX; // slots that hold no name
  static constexpr size_t kMaxSpellings = kRemoved - 1;

  std::string_view Lowered(uint32_t spelling) const;
  std::string_view Written(uint32_t spelling) const;
  uint32_t AddSpelling(std::string_view lowered, std::string_view name, std::string_view content);
  // The slot of a lowered name, or of where it would go.
  size_t SlotOf(std::string_view lowered) const;
  // The spelling of the same name added after spelling, or nothing.
  std::optional<uint32_t> Further(uint32_t spelling) const;
  // The first spelling of a lowered name, or nothing.
  std::optional<uint32_t> Find(std::string_view lowered) const;
  // Makes room for one more name: at most three quarters of the slots are
  // taken, so a free one ends every probe.
  void Grow();
  void AppendEntries(std::optional<uint32_t> first, std::vector<Entry>& entries) const;

  std::string bytes_;
  std::vector<Spelling> spellings_;
  // The next spelling of the same name (X.JPG after x.jpg), rare enough to
  // be kept apart: by spelling number.
  std::unordered_map<uint32_t, uint32_t> further_;
  // Open addressing by the hash of the lowered name: a name's first
  // spelling number + 1, kFree or kRemoved.
  std::vector<uint32_t> slots_;
  size_t taken_ = 0;                               // slots not free, removed ones included
  std::unordered_map<std::string, Series> series_; // by lowered stem and extension
};

// In a dry run nothing on disk changes: a folder that would be created gets
// an empty listing under its path, and a file that leaves a folder before that
// folder is listed is left out of its listing, as if it had moved.
class TargetFolders {
public:
  TargetFolders() = default;
  explicit TargetFolders(RunMode mode) : mode_(mode) {}

  // The index of folder, listing it on first use. A missing folder is created
  // with its parents when create is set. Null when the folder does not exist
  // afterwards, with the system's error of its creation in error (when
  // given). The pointer stays valid until Forget. The first listing also removes the
  // temporary files that interrupted moves left there long ago (not in a
  // dry run, which changes nothing).
  TargetFolderIndex* Prepare(const std::string& folder, bool create,
                             std::error_code* error = nullptr);
  // The identity of a folder Prepare has listed (nothing for a folder that
  // a dry run only pretends to create).
  std::optional<FileIdentity> IdentityOfFolder(const std::string& folder);
  // root is the target folder of the run's files, known to exist (the run
  // checked it): folders below it are made from it down. Should it be gone,
  // they are made as if it were not known.
  void NoteRoot(const std::string& root);
  // Called with every folder Prepare creates (each level of a tree).
  void OnFolderCreated(std::function<void(const std::string&)> observer) {
    folderCreated_ = std::move(observer);
  }
  // A second target (backup_copies.h): each folder under targetRoot that
  // Prepare lists from now on has a twin at the same relative path under
  // backupRoot, made with it (and reported as made) and listed into the same
  // index, so a name taken in either folder is taken for both. Both end in
  // the separator; an empty backupRoot: none.
  void MirrorInto(const std::string& targetRoot, const std::string& backupRoot);
  // The twin of a folder Prepare has prepared; nullptr when it has none.
  const std::string* MirrorOf(const std::string& folder) const;
  // Whether the last Prepare that found no folder failed at the twin.
  bool FailedAtMirror() const { return failedAtMirror_; }
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
  // The identity of a folder this run made, looked up now: its index goes
  // under it. Null when the folder has gone.
  const FileIdentity* LookUp(const std::string& folder);
  void LookUpMade();
  TargetFolderIndex* PlanFolder(const std::string& folder);
  // Prepare of the target's own folder, without its twin.
  TargetFolderIndex* PrepareOwn(const std::string& folder, bool create, std::error_code* error);
  // The index of folder from one listing that also tells its identity; null
  // with the error of the listing's open.
  TargetFolderIndex* List(const std::string& folder, std::error_code& error);
  TargetFolderIndex* PrepareAfterLook(const std::string& folder, bool create,
                                      std::error_code* error);
  void AddListed(const std::string& folder, const FileIdentity& identity, std::string_view entry,
                 TargetFolderIndex& index);
  // Makes folder with its parents from the nearest folder known to exist;
  // made: folder itself was made here.
  std::error_code Create(const std::string& folder, bool& made);
  // The nearest folder above folder that this run made, listed or was told
  // exists.
  std::optional<std::string> KnownAbove(const std::string& folder) const;
  // The twin folder's path, empty when there is none.
  std::string MirrorPath(const std::string& folder) const;
  // Makes the twin when it is missing (create set); false when it is not there.
  bool MakeMirror(const std::string& mirror, bool create, std::error_code* error);
  // Adds the twin's names to index.
  void ListMirror(const std::string& folder, const std::string& mirror, TargetFolderIndex& index);

  RunMode mode_ = RunMode::Real;
  std::function<void(const std::string&)> folderCreated_;
  std::set<std::string> made_;  // every level Prepare created, by path
  std::set<std::string> roots_; // NoteRoot's, without a trailing separator
  // Folders made by this run whose identity is not looked up yet; their
  // indexes are keyed by a stand-in of this device, which no file system has.
  static constexpr uint64_t kUnlooked = UINT64_MAX;
  std::set<std::string> unlooked_;
  uint64_t unlookedCount_ = 0;
  std::unordered_map<std::string, FileIdentity> identities_;
  std::map<FileIdentity, TargetFolderIndex> indexes_;
  // A dry run only: folders that would have been created, by path, and the
  // names that left a folder not listed yet.
  std::unordered_map<std::string, TargetFolderIndex> planned_;
  std::set<std::pair<FileIdentity, std::string>> departed_;
  std::string targetRoot_, backupRoot_;
  std::unordered_map<std::string, std::string> mirrors_; // by folder path as prepared
  bool failedAtMirror_ = false;
  // Indexes holding their second target's names (node-based maps keep them
  // in place).
  std::unordered_set<const TargetFolderIndex*> mirrored_;
};
