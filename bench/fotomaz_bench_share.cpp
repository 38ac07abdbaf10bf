// fotomaz-bench-share: a slow share for fotomaz-bench --langsam. A FUSE file
// system that passes every request through to a folder after waiting a fixed
// time, as a network share or a card reader waits for its device:
//
//   fotomaz-bench-share FOLDER MOUNTPOINT MS
//
// It stays in the foreground until unmounted or sent SIGTERM. Names and
// attributes are not cached (entry and attribute timeouts 0), so each system
// call on a path costs a request per part of the path, and many requests are
// served at once by as many threads, as a share serves many clients. As
// libfuse's high-level interface without use_ino mounts several network and
// cloud shares, it refuses the no-replace rename (the kernel asks once, then
// refuses it itself) and gives each name an inode number of its own, so a
// hard link shows another inode than its file.
//
// Written on libfuse3 rather than in Python: 320 lstat of a file three
// folders deep, with a 1 ms wait, took 2.03 s one after another here and
// 0.114 s from 16 threads, 0.059 s from 32; the Python share of the tests
// with the same wait took 2.15, 0.133 and 0.129 s. It serves about as many
// requests at once as the bench's sixteen files ask, but no more, so a run
// that asks more at once would be measured against the share's own limit.

// 3.12: the loop's configuration with its thread bound.
#define FUSE_USE_VERSION 312
#include <fuse.h>

#include "bench/slow_share_wait.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace {

// More threads than requests a client has open at once: the bench's sixteen
// files at a time, each a system call whose path parts are looked up one
// after another, plus the kernel's reads ahead and releases in the background.
constexpr unsigned kThreads = 64;

struct Share {
  int root = -1;                     // the folder passed through
  std::chrono::microseconds wait{0}; // before each request
};

Share& TheShare() {
  return *static_cast<Share*>(fuse_get_context()->private_data);
}

// Waits, then gives the path below the folder ("." for its root): every
// request of the file system starts here.
const char* Served(const char* path) {
  std::this_thread::sleep_for(TheShare().wait);
  return path[1] ? path + 1 : ".";
}

int Root() {
  return TheShare().root;
}

int Status(int result) {
  return result < 0 ? -errno : 0;
}

void* Init(fuse_conn_info*, fuse_config* config) {
  config->entry_timeout = 0;
  config->negative_timeout = 0;
  config->attr_timeout = 0;
  config->use_ino = 0;
  return fuse_get_context()->private_data;
}

int GetAttr(const char* path, struct stat* st, fuse_file_info* fi) {
  const char* name = Served(path);
  return Status(fi ? fstat(static_cast<int>(fi->fh), st)
                   : fstatat(Root(), name, st, AT_SYMLINK_NOFOLLOW));
}

int Access(const char* path, int mask) {
  return Status(faccessat(Root(), Served(path), mask, 0));
}

int ReadLink(const char* path, char* buffer, size_t size) {
  if (size == 0) return -EINVAL;
  const ssize_t length = readlinkat(Root(), Served(path), buffer, size - 1);
  if (length < 0) return -errno;
  buffer[length] = '\0';
  return 0;
}

int MakeNode(const char* path, mode_t mode, dev_t device) {
  return Status(mknodat(Root(), Served(path), mode, device));
}

int MakeDir(const char* path, mode_t mode) {
  return Status(mkdirat(Root(), Served(path), mode));
}

int Unlink(const char* path) {
  return Status(unlinkat(Root(), Served(path), 0));
}

int RemoveDir(const char* path) {
  return Status(unlinkat(Root(), Served(path), AT_REMOVEDIR));
}

int SymLink(const char* target, const char* path) {
  return Status(symlinkat(target, Root(), Served(path)));
}

int Rename(const char* from, const char* to, unsigned int flags) {
  const char* fromName = Served(from);
  // ENOSYS: the kernel refuses every later no-replace rename itself.
  if (flags != 0) return -ENOSYS;
  return Status(renameat(Root(), fromName, Root(), to[1] ? to + 1 : "."));
}

int Link(const char* from, const char* to) {
  const char* fromName = Served(from);
  return Status(linkat(Root(), fromName, Root(), to[1] ? to + 1 : ".", 0));
}

int ChangeMode(const char* path, mode_t mode, fuse_file_info* fi) {
  const char* name = Served(path);
  return Status(fi ? fchmod(static_cast<int>(fi->fh), mode) : fchmodat(Root(), name, mode, 0));
}

int ChangeOwner(const char* path, uid_t uid, gid_t gid, fuse_file_info* fi) {
  const char* name = Served(path);
  return Status(fi ? fchown(static_cast<int>(fi->fh), uid, gid)
                   : fchownat(Root(), name, uid, gid, AT_SYMLINK_NOFOLLOW));
}

int Truncate(const char* path, off_t size, fuse_file_info* fi) {
  const char* name = Served(path);
  if (fi) return Status(ftruncate(static_cast<int>(fi->fh), size));
  const int fd = openat(Root(), name, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return -errno;
  const int status = Status(ftruncate(fd, size));
  close(fd);
  return status;
}

int SetTimes(const char* path, const timespec times[2], fuse_file_info* fi) {
  const char* name = Served(path);
  return Status(fi ? futimens(static_cast<int>(fi->fh), times)
                   : utimensat(Root(), name, times, AT_SYMLINK_NOFOLLOW));
}

int Open(const char* path, fuse_file_info* fi) {
  const int fd = openat(Root(), Served(path), fi->flags | O_CLOEXEC);
  if (fd < 0) return -errno;
  fi->fh = static_cast<uint64_t>(fd);
  return 0;
}

int Create(const char* path, mode_t mode, fuse_file_info* fi) {
  const int fd = openat(Root(), Served(path), fi->flags | O_CREAT | O_CLOEXEC, mode);
  if (fd < 0) return -errno;
  fi->fh = static_cast<uint64_t>(fd);
  return 0;
}

int Read(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info* fi) {
  Served(path);
  const ssize_t count = pread(static_cast<int>(fi->fh), buffer, size, offset);
  return count < 0 ? -errno : static_cast<int>(count);
}

int Write(const char* path, const char* buffer, size_t size, off_t offset, fuse_file_info* fi) {
  Served(path);
  const ssize_t count = pwrite(static_cast<int>(fi->fh), buffer, size, offset);
  return count < 0 ? -errno : static_cast<int>(count);
}

int StatFs(const char* path, struct statvfs* st) {
  Served(path);
  return Status(fstatvfs(Root(), st));
}

int Flush(const char* path, fuse_file_info*) {
  Served(path);
  return 0;
}

int Release(const char* path, fuse_file_info* fi) {
  Served(path);
  close(static_cast<int>(fi->fh));
  return 0;
}

int FSync(const char* path, int dataOnly, fuse_file_info* fi) {
  Served(path);
  const int fd = static_cast<int>(fi->fh);
  return Status(dataOnly ? fdatasync(fd) : fsync(fd));
}

int OpenDir(const char* path, fuse_file_info* fi) {
  const int fd = openat(Root(), Served(path), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -errno;
  DIR* dir = fdopendir(fd);
  if (!dir) {
    const int error = errno;
    close(fd);
    return -error;
  }
  fi->fh = reinterpret_cast<uint64_t>(dir);
  return 0;
}

// The whole listing at once (offset 0): libfuse keeps it for the handle and
// hands it out in the pieces the kernel asks for.
int ReadDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* fi,
            fuse_readdir_flags) {
  Served(path);
  DIR* dir = reinterpret_cast<DIR*>(fi->fh);
  rewinddir(dir);
  errno = 0;
  while (const dirent* entry = readdir(dir)) {
    struct stat st {};
    st.st_mode = static_cast<mode_t>(DTTOIF(entry->d_type));
    if (fill(buffer, entry->d_name, &st, 0, static_cast<fuse_fill_dir_flags>(0)) != 0) break;
  }
  return -errno;
}

int ReleaseDir(const char* path, fuse_file_info* fi) {
  Served(path);
  closedir(reinterpret_cast<DIR*>(fi->fh));
  return 0;
}

fuse_operations Operations() {
  fuse_operations ops{};
  ops.init = Init;
  ops.getattr = GetAttr;
  ops.access = Access;
  ops.readlink = ReadLink;
  ops.mknod = MakeNode;
  ops.mkdir = MakeDir;
  ops.unlink = Unlink;
  ops.rmdir = RemoveDir;
  ops.symlink = SymLink;
  ops.rename = Rename;
  ops.link = Link;
  ops.chmod = ChangeMode;
  ops.chown = ChangeOwner;
  ops.truncate = Truncate;
  ops.utimens = SetTimes;
  ops.open = Open;
  ops.create = Create;
  ops.read = Read;
  ops.write = Write;
  ops.statfs = StatFs;
  ops.flush = Flush;
  ops.release = Release;
  ops.fsync = FSync;
  ops.opendir = OpenDir;
  ops.readdir = ReadDir;
  ops.releasedir = ReleaseDir;
  return ops;
}

[[noreturn]] void Usage() {
  std::fprintf(stderr, "usage: fotomaz-bench-share FOLDER MOUNTPOINT MS (0 to %u)\n",
               kLongestShareWaitMs);
  std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 4) Usage();
  char* end = nullptr;
  const long waitMs = std::strtol(argv[3], &end, 10);
  if (!argv[3][0] || *end || waitMs < 0 || waitMs > long{kLongestShareWaitMs}) Usage();
  Share share;
  share.wait = std::chrono::milliseconds(waitMs);
  share.root = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (share.root < 0) {
    std::fprintf(stderr, "fotomaz-bench-share: %s: %s\n", argv[1], std::strerror(errno));
    return 1;
  }

  fuse_args args = FUSE_ARGS_INIT(0, nullptr);
  fuse_opt_add_arg(&args, argv[0]);
  fuse_opt_add_arg(&args, "-o");
  fuse_opt_add_arg(&args, "fsname=fotomaz-bench-share");
  const fuse_operations ops = Operations();
  fuse* fs = fuse_new(&args, &ops, sizeof ops, &share);
  int status = 1;
  if (fs && fuse_mount(fs, argv[2]) == 0) {
    fuse_session* session = fuse_get_session(fs);
    if (fuse_set_signal_handlers(session) == 0) {
      fuse_loop_config* loop = fuse_loop_cfg_create();
      fuse_loop_cfg_set_max_threads(loop, kThreads);
      fuse_loop_cfg_set_idle_threads(loop, kThreads);
      status = fuse_loop_mt(fs, loop) == 0 ? 0 : 1;
      fuse_loop_cfg_destroy(loop);
      fuse_remove_signal_handlers(session);
    }
    fuse_unmount(fs);
  }
  if (fs) fuse_destroy(fs);
  fuse_opt_free_args(&args);
  close(share.root);
  return status;
}
