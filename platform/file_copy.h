#pragma once
// Copying a regular file's bytes into another open file at the least cost,
// and checking the copy as the device holds it. The kernel copies where it can (copy_file_range,
// else sendfile), so the bytes never pass through this process; only the
// parts that hold data are copied, so holes stay holes. A copier keeps its
// buffer from file to file: copying many files neither allocates nor faults
// in fresh memory each time.

#include <cstdint>
#include <sys/types.h>
#include <vector>

class DataCopier {
public:
  // Copies the size bytes of source into target (both open, target empty)
  // and reports CopyStep::HalfWritten on the way. False with errno set on
  // failure: ECANCELED when AbandonCopyInHand() stopped it.
  bool Copy(int source, int target, off_t size);
  // Whether the failed copy failed on the source's side (a read failed or
  // the file ended early), not the target's.
  bool SourceFailed() const { return sourceFailed_; }

  // What a flushed copy holds as read back from its device.
  enum class ReadBack {
    Same,             // the size bytes of source
    Differs,          // other bytes, fewer, or a read of the target failed
    SourceUnreadable, // a read of the source failed or it ended early
  };
  // Drops target's pages from the page cache and starts reading them from
  // the device again (both only where the kernel allows: tmpfs keeps them,
  // it has no device), so the copy is compared as it was stored, not as it
  // was written. Call it for every copy of a batch before the first
  // ReadBackFrom, so the device reads them all at once.
  static void ForgetCached(int target);
  // Whether target (flushed, ForgetCached) holds the size bytes of source,
  // compared byte for byte.
  ReadBack ReadBackFrom(int source, int target, off_t size);

private:
  enum class Route { CopyFileRange, SendFile, ReadWrite };

  bool CopyRange(off_t begin, off_t end);
  // Bytes copied at offset by the kernel (0 at the source's end), or -1;
  // moves to the next route where the current one is not offered.
  ssize_t KernelCopy(off_t offset, size_t want);
  ssize_t BufferedCopy(off_t offset, size_t want);
  void NoteProgress(off_t reached);

  std::vector<char> buffer_;
  int source_ = -1, target_ = -1;
  off_t size_ = 0;
  uint64_t written_ = 0; // by the buffered route, for the copy faults
  Route route_ = Route::CopyFileRange;
  bool halfReported_ = false;
  bool sourceFailed_ = false;
};

// Extended attributes (ACLs among them) that the target takes; one it does
// not support is dropped without failing the move, as mv does.
void CopyExtendedAttributes(int source, int target);
