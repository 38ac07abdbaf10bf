#include "platform/file_compare.h"

#include "platform/compare_faults.h"
#include "platform/content_hash.h"
#include "platform/file_info.h"
#include "platform/path_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that a video takes few reads, small enough that both chunks
// stay in the processor's cache while they are hashed and compared.
constexpr size_t kChunkBytes = 256 * 1024;

// An open file that is the one its stat described, closed on every path.
class OpenSide {
public:
  explicit OpenSide(const CompareSide& side) {
    if (side.path.empty() || ContainsNul(side.path)) return;
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (side.followLink ? 0 : O_NOFOLLOW);
    fd_ = open(side.path.c_str(), flags);
    if (fd_ < 0) return;
    struct stat st {};
    const FileStatus& expected = side.expected;
    if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_dev) != expected.identity.device ||
        static_cast<uint64_t>(st.st_ino) != expected.identity.inode ||
        static_cast<int64_t>(st.st_size) != expected.size ||
        static_cast<int64_t>(st.st_mtim.tv_sec) != expected.modifiedSeconds ||
        static_cast<int64_t>(st.st_mtim.tv_nsec) != expected.modifiedNanoseconds) {
      close(fd_);
      fd_ = -1;
      return;
    }
    // The kernel's read-ahead notices that the file is read in order.
    left_ = static_cast<uint64_t>(expected.size);
  }
  ~OpenSide() {
    if (fd_ >= 0) close(fd_);
  }
  OpenSide(const OpenSide&) = delete;
  OpenSide& operator=(const OpenSide&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  bool AtEnd() const { return left_ == 0; }

  // The next chunk into buffer: its length, or -1 when the file cannot be
  // read or ends before the size its stat gave (it changed).
  ssize_t Next(std::vector<unsigned char>& buffer) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(left_, kChunkBytes));
    size_t done = 0;
    while (done < want) {
      const ssize_t n = read(fd_, buffer.data() + done, want - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return -1;
      done += static_cast<size_t>(n);
    }
    left_ -= done;
    return static_cast<ssize_t>(done);
  }

private:
  int fd_ = -1;
  uint64_t left_ = 0; // bytes up to the size its stat gave
};

} // namespace

CompareResult FileComparer::Compare(const CompareSide& a, const CompareSide& b) {
  CompareResult result;
  OpenSide sideA(a), sideB(b);
  if (!sideA.IsOpen() || !sideB.IsOpen()) return result;
  bufferA_.resize(kChunkBytes);
  bufferB_.resize(kChunkBytes);
  // While the two agree, one hash serves both: the bytes are the same.
  ContentHash common, hashA, hashB;
  bool equal = a.expected.size == b.expected.size;
  for (bool first = true;; first = false) {
    // After the first difference only a side whose hash is wanted goes on.
    const bool readA = !sideA.AtEnd() && (equal || a.wantHash);
    const bool readB = !sideB.AtEnd() && (equal || b.wantHash);
    if (!readA && !readB) break;
    ssize_t lengthA = 0, lengthB = 0;
    if (readA && (lengthA = sideA.Next(bufferA_)) < 0) return result;
    if (readB && (lengthB = sideB.Next(bufferB_)) < 0) return result;
    if (first && ActiveFaults<CompareFaults>().afterFirstChunk)
      ActiveFaults<CompareFaults>().afterFirstChunk();
    result.bytesRead += static_cast<uint64_t>(lengthA) + static_cast<uint64_t>(lengthB);
    const std::span<const unsigned char> chunkA(bufferA_.data(), static_cast<size_t>(lengthA));
    const std::span<const unsigned char> chunkB(bufferB_.data(), static_cast<size_t>(lengthB));
    // Equal sizes are read in equal chunks.
    if (equal) {
      const ContentHash before = common;
      const bool same = a.wantHash || b.wantHash
                            ? common.UpdateComparing(chunkA, chunkB.data())
                            : std::memcmp(chunkA.data(), chunkB.data(), chunkA.size()) == 0;
      if (same) continue;
      // The first difference: from here on each side has a hash of its own;
      // the common one holds this chunk of A already.
      equal = false;
      hashA = common;
      hashB = before;
      if (b.wantHash) hashB.Update(chunkB);
      continue;
    }
    if (a.wantHash) hashA.Update(chunkA);
    if (b.wantHash) hashB.Update(chunkB);
  }
  result.verdict = equal ? Comparison::Identical : Comparison::Different;
  if (a.wantHash) result.hashA = (equal ? common : hashA).Value();
  if (b.wantHash) result.hashB = (equal ? common : hashB).Value();
  return result;
}

bool SeparateCopies(const std::string& a, const std::string& b) {
  const std::optional<FileStatus> atA = EntryStatusOf(a), atB = EntryStatusOf(b);
  return atA && atB && atA->regular && atB->regular && atA->identity != atB->identity &&
         FileComparer().Compare({a, *atA, true}, {b, *atB, true}).verdict == Comparison::Identical;
}
