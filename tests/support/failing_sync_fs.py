#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A file system that passes everything on to a backing folder, except that
syncing fails with EIO: the sync of a file (fsync) or of a folder
(fsyncdir), as asked. The write-failure tests mount it to see what the
program does when a sync fails for real.

    failing_sync_fs.py BACKING MOUNT_POINT file|folder

Runs in the foreground until the file system is unmounted."""

import errno
import os
import sys

try:
    from fusepy import FUSE, FuseOSError, Operations  # Debian's name
except ImportError:
    from fuse import FUSE, FuseOSError, Operations


class FailingSync(Operations):
    def __init__(self, backing, failing):
        self.backing = backing
        self.failing = failing

    def _path(self, path):
        return os.path.join(self.backing, path.lstrip("/"))

    def _fail(self, kind):
        if self.failing == kind:
            raise FuseOSError(errno.EIO)
        return 0

    def __call__(self, op, *args):
        try:
            return super().__call__(op, *args)
        except OSError as error:
            raise FuseOSError(error.errno)

    def access(self, path, mode):
        if not os.access(self._path(path), mode):
            raise FuseOSError(errno.EACCES)

    def getattr(self, path, fh=None):
        st = os.lstat(self._path(path))
        keys = ("st_atime", "st_ctime", "st_mtime", "st_gid", "st_uid", "st_mode", "st_nlink",
                "st_size")
        return {key: getattr(st, key) for key in keys}

    def statfs(self, path):
        st = os.statvfs(self._path(path))
        keys = ("f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail", "f_ffree", "f_files",
                "f_flag", "f_frsize", "f_namemax")
        return {key: getattr(st, key) for key in keys}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._path(path))

    def chmod(self, path, mode):
        os.chmod(self._path(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._path(path), uid, gid)

    def utimens(self, path, times=None):
        os.utime(self._path(path), times)

    def mkdir(self, path, mode):
        os.mkdir(self._path(path), mode)

    def rmdir(self, path):
        os.rmdir(self._path(path))

    def unlink(self, path):
        os.unlink(self._path(path))

    def rename(self, old, new):
        os.rename(self._path(old), self._path(new))

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def create(self, path, mode, fi=None):
        return os.open(self._path(path), os.O_WRONLY | os.O_CREAT | os.O_TRUNC, mode)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        os.truncate(self._path(path), length)

    def flush(self, path, fh):
        return 0

    def release(self, path, fh):
        os.close(fh)

    def fsync(self, path, datasync, fh):
        return self._fail("file")

    def fsyncdir(self, path, datasync, fh):
        return self._fail("folder")


if __name__ == "__main__":
    backing, mount_point, failing = sys.argv[1:4]
    FUSE(FailingSync(backing, failing), mount_point, foreground=True, nothreads=True)
