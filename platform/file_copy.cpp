#include "platform/file_copy.h"

#include "platform/internal/move_steps.h"
#include "platform/internal/write_all.h"
#include "platform/move_faults.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/sendfile.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// One read, write or kernel copy: large enough that a video takes few calls,
// small enough that a stop is noticed within a moment.
constexpr size_t kCopyChunk = 1 << 20;
// Bounds of the kernel's extended attributes: a name list and a value are
// each at most 64 KiB, so a copy never allocates by a size it was not given.
constexpr size_t kMaxAttributeBytes = 64 * 1024;

// Reads up to size bytes at offset; the count read, or -1.
ssize_t ReadAt(int fd, char* data, size_t size, off_t offset) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool WriteAt(int fd, const char* data, size_t size, off_t offset) {
  if (lseek(fd, offset, SEEK_SET) != offset) return false;
  return WriteAll(fd, std::string_view(data, size));
}

// The kernel does not offer this route between these two files.
bool RouteRefused(int error) {
  return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
         error == EBADF;
}

} // namespace

bool DataCopier::Copy(int source, int target, off_t size) {
  source_ = source;
  target_ = target;
  size_ = size;
  written_ = 0;
  halfReported_ = sourceFailed_ = false;
  // The faults act on the bytes in hand, which only the buffered route has.
  const MoveFaults& faults = ActiveMoveFaults();
  route_ =
      faults.copyFailsAfterBytes || faults.copyCorrupts ? Route::ReadWrite : Route::CopyFileRange;
  for (off_t offset = 0; offset < size_;) {
    off_t data = lseek(source_, offset, SEEK_DATA);
    if (data < 0 && errno == ENXIO) break; // only a hole is left
    if (data < 0) data = offset;           // no hole support: everything is data
    off_t hole = lseek(source_, data, SEEK_HOLE);
    if (hole < 0 || hole > size_) hole = size_;
    if (!CopyRange(data, hole)) return false;
    offset = hole;
  }
  NoteProgress(size_);
  return ftruncate(target_, size_) == 0;
}

bool DataCopier::CopyRange(off_t begin, off_t end) {
  for (off_t offset = begin; offset < end;) {
    if (AbandonRequested()) {
      errno = ECANCELED;
      return false;
    }
    const size_t want = static_cast<size_t>(std::min<off_t>(end - offset, kCopyChunk));
    const ssize_t n =
        route_ == Route::ReadWrite ? BufferedCopy(offset, want) : KernelCopy(offset, want);
    if (n < 0) return false;
    if (n == 0) break; // the source shrank; the check after the copy notices
    offset += n;
    NoteProgress(offset);
  }
  return true;
}

ssize_t DataCopier::KernelCopy(off_t offset, size_t want) {
  for (off_t from = offset, to = offset;;) {
    ssize_t n = -1;
    if (route_ == Route::CopyFileRange) {
      n = copy_file_range(source_, &from, target_, &to, want, 0);
    } else if (route_ == Route::SendFile) {
      // sendfile writes at the target's position.
      if (lseek(target_, offset, SEEK_SET) != offset) return -1;
      n = sendfile(target_, source_, &from, want);
    } else {
      return BufferedCopy(offset, want);
    }
    if (n >= 0) return n;
    if (errno == EINTR) continue;
    if (!RouteRefused(errno)) return -1;
    route_ = route_ == Route::CopyFileRange ? Route::SendFile : Route::ReadWrite;
  }
}

ssize_t DataCopier::BufferedCopy(off_t offset, size_t want) {
  buffer_.resize(2 * kCopyChunk); // the second half is for comparing
  const ssize_t n = ReadAt(source_, buffer_.data(), want, offset);
  sourceFailed_ = n <= 0;
  if (n <= 0) return n;
  const auto count = static_cast<size_t>(n);
  const MoveFaults& faults = ActiveMoveFaults();
  if (faults.copyFailsAfterBytes && written_ + count > *faults.copyFailsAfterBytes) {
    WriteAt(target_, buffer_.data(), static_cast<size_t>(*faults.copyFailsAfterBytes - written_),
            offset);
    errno = faults.copyError;
    return -1;
  }
  if (faults.copyCorrupts && offset == 0) buffer_[0] = static_cast<char>(~buffer_[0]);
  if (!WriteAt(target_, buffer_.data(), count, offset)) return -1;
  written_ += count;
  return n;
}

void DataCopier::NoteProgress(off_t reached) {
  if (!halfReported_ && reached * 2 >= size_) {
    halfReported_ = true;
    AfterStep(CopyStep::HalfWritten);
  }
}

void DataCopier::ForgetCached(int target) {
  // Only clean pages go, which the flush before made them.
  posix_fadvise(target, 0, 0, POSIX_FADV_DONTNEED);
  posix_fadvise(target, 0, 0, POSIX_FADV_WILLNEED);
}

DataCopier::ReadBack DataCopier::ReadBackFrom(int source, int target, off_t size) {
  buffer_.resize(2 * kCopyChunk);
  char* const a = buffer_.data();
  char* const b = buffer_.data() + kCopyChunk;
  for (off_t offset = 0; offset < size;) {
    const size_t want = static_cast<size_t>(std::min<off_t>(size - offset, kCopyChunk));
    const ssize_t n = ReadAt(source, a, want, offset);
    if (n != static_cast<ssize_t>(want)) return ReadBack::SourceUnreadable;
    if (ReadAt(target, b, want, offset) != n) return ReadBack::Differs;
    if (offset == 0 && ActiveMoveFaults().readBackDiffers) b[0] = static_cast<char>(~b[0]);
    if (std::memcmp(a, b, want) != 0) return ReadBack::Differs;
    offset += n;
  }
  return ReadBack::Same;
}

void CopyExtendedAttributes(int source, int target) {
  // Most photos have none: asked first, so they cost no buffer.
  if (flistxattr(source, nullptr, 0) <= 0) return;
  std::vector<char> names(kMaxAttributeBytes);
  const ssize_t listed = flistxattr(source, names.data(), names.size());
  if (listed <= 0) return;
  std::vector<char> value(kMaxAttributeBytes);
  for (size_t at = 0; at < static_cast<size_t>(listed);) {
    const char* name = names.data() + at;
    at += std::strlen(name) + 1;
    const ssize_t size = fgetxattr(source, name, value.data(), value.size());
    if (size >= 0) fsetxattr(target, name, value.data(), static_cast<size_t>(size), 0);
  }
}
