#!/usr/bin/python3
"""A share as many network and cloud file systems are mounted: a FUSE file
system of the high-level interface without use_ino, passing every call
through to a folder. The kernel then refuses the no-replace rename, and
libfuse gives every name an inode number of its own, so a hard link shows
another inode than the file's other name.

    passthrough_share.py FOLDER MOUNTPOINT

runs in the foreground until unmounted (fusermount3 -u MOUNTPOINT).
"""

import errno
import os
import sys

from fusepy import FUSE, FuseOSError, Operations


class Passthrough(Operations):
    use_ns = True  # times as whole nanoseconds, as the disk keeps them

    def __init__(self, root):
        self.root = os.path.realpath(root)

    def _path(self, path):
        return os.path.join(self.root, path.lstrip("/"))

    def __call__(self, op, *args):
        try:
            return super().__call__(op, *args)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO) from error

    def access(self, path, mode):
        if not os.access(self._path(path), mode):
            raise FuseOSError(errno.EACCES)

    def chmod(self, path, mode):
        os.chmod(self._path(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._path(path), uid, gid, follow_symlinks=False)

    def getattr(self, path, fh=None):
        st = os.fstat(fh) if fh is not None else os.lstat(self._path(path))
        facts = {key: getattr(st, key) for key in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size")}
        for key in ("st_atime", "st_mtime", "st_ctime"):
            facts[key] = getattr(st, key + "_ns")
        return facts

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._path(path))

    def readlink(self, path):
        return os.readlink(self._path(path))

    def mknod(self, path, mode, dev):
        os.mknod(self._path(path), mode, dev)

    def mkdir(self, path, mode):
        os.mkdir(self._path(path), mode)

    def rmdir(self, path):
        os.rmdir(self._path(path))

    def statfs(self, path):
        st = os.statvfs(self._path(path))
        return {key: getattr(st, key) for key in (
            "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail", "f_ffree",
            "f_files", "f_flag", "f_frsize", "f_namemax")}

    def unlink(self, path):
        os.unlink(self._path(path))

    def symlink(self, name, target):
        os.symlink(target, self._path(name))

    def rename(self, old, new):
        os.rename(self._path(old), self._path(new))

    def link(self, target, name):
        os.link(self._path(name), self._path(target))

    def utimens(self, path, times=None):
        if times is None:
            os.utime(self._path(path), follow_symlinks=False)
        else:
            os.utime(self._path(path), ns=tuple(times), follow_symlinks=False)

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def create(self, path, mode, fi=None):
        # The caller may read what it writes (a copy is checked that way).
        return os.open(self._path(path), os.O_RDWR | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        if fh is not None:
            os.ftruncate(fh, length)
        else:
            os.truncate(self._path(path), length)

    def flush(self, path, fh):
        return 0

    def release(self, path, fh):
        os.close(fh)

    def fsync(self, path, datasync, fh):
        if datasync:
            os.fdatasync(fh)
        else:
            os.fsync(fh)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    FUSE(Passthrough(sys.argv[1]), sys.argv[2], foreground=True, nothreads=False)
