#include "run/internal/identical_files.h"

namespace {

// A candidate that passed the stat: a regular file of the source's size.
struct SizedCandidate {
  const ContentCandidate* candidate;
  FileStatus status;
};

} // namespace

size_t IdenticalFiles::KeyHash::operator()(const Key& key) const {
  uint64_t mixed = key.identity.inode * 0x9e3779b97f4a7c15u;
  for (const uint64_t part :
       {key.identity.device, static_cast<uint64_t>(key.size),
        static_cast<uint64_t>(key.modifiedSeconds), static_cast<uint64_t>(key.modifiedNanoseconds)})
    mixed = (mixed ^ part) * 0x100000001b3u + (mixed >> 29);
  return static_cast<size_t>(mixed);
}

IdenticalFiles::Key IdenticalFiles::KeyOf(const FileStatus& status) {
  return {status.identity, status.size, status.modifiedSeconds, status.modifiedNanoseconds};
}

std::optional<uint64_t> IdenticalFiles::KnownHash(const FileStatus& status) const {
  const auto known = hashes_.find(KeyOf(status));
  return known == hashes_.end() ? std::nullopt : std::optional<uint64_t>(known->second);
}

IdenticalFiles::Verdict IdenticalFiles::Compare(const std::string& source,
                                                const FileStatus& sourceStatus,
                                                const std::string& content,
                                                const FileStatus& contentStatus) {
  const std::optional<uint64_t> sourceHash = KnownHash(sourceStatus);
  const std::optional<uint64_t> contentHash = KnownHash(contentStatus);
  if (sourceHash && contentHash && *sourceHash != *contentHash) return {false, true};
  const CompareResult result = comparer_.Compare({source, sourceStatus, true, !sourceHash},
                                                 {content, contentStatus, false, !contentHash});
  bytesRead_ += result.bytesRead;
  const std::optional<FileStatus> sourceAfter = StatusOf(source);
  const std::optional<FileStatus> contentAfter = EntryStatusOf(content);
  const bool sourceSteady = sourceAfter && Unchanged(sourceStatus, *sourceAfter);
  const bool contentSteady = contentAfter && Unchanged(contentStatus, *contentAfter);
  if (result.hashA && sourceSteady) hashes_[KeyOf(sourceStatus)] = *result.hashA;
  if (result.hashB && contentSteady) hashes_[KeyOf(contentStatus)] = *result.hashB;
  return {result.verdict == Comparison::Identical, sourceSteady && contentSteady};
}

bool IdenticalFiles::Equal(const std::string& source, const FileStatus& sourceStatus,
                           const std::string& content, const FileStatus& contentStatus) {
  const Verdict first = Compare(source, sourceStatus, content, contentStatus);
  if (first.steady) return first.equal;
  const std::optional<FileStatus> sourceNow = StatusOf(source);
  const std::optional<FileStatus> contentNow = EntryStatusOf(content);
  if (!sourceNow || !contentNow || !contentNow->regular) return false;
  const Verdict second = Compare(source, *sourceNow, content, *contentNow);
  return second.equal && second.steady;
}

std::optional<std::string> IdenticalFiles::Find(const std::string& source, const FileStatus& status,
                                                const std::vector<ContentCandidate>& candidates) {
  // A candidate with a known hash waits while the source's is unknown: a
  // candidate read anyway (its hash unknown) may yield the source's hash,
  // and then the waiting ones cost nothing to rule out.
  std::vector<SizedCandidate> waiting;
  for (const ContentCandidate& candidate : candidates) {
    const std::optional<FileStatus> entry = EntryStatusOf(candidate.content);
    if (!entry || !entry->regular || entry->size != status.size) continue;
    // Another name of the very same file: nothing to read.
    if (entry->identity == status.identity) return candidate.path;
    if (KnownHash(*entry) && !KnownHash(status)) {
      waiting.push_back({&candidate, *entry});
    } else if (Equal(source, status, candidate.content, *entry)) {
      return candidate.path;
    }
  }
  for (const SizedCandidate& sized : waiting) {
    if (Equal(source, status, sized.candidate->content, sized.status)) return sized.candidate->path;
  }
  return std::nullopt;
}

void IdenticalFiles::NoteMoved(const FileStatus& status, const std::string& target) {
  const std::optional<uint64_t> hash = KnownHash(status);
  if (!hash) return;
  const std::optional<FileStatus> moved = EntryStatusOf(target);
  if (moved && moved->regular) hashes_[KeyOf(*moved)] = *hash;
}
