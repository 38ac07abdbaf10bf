#!/usr/bin/python3
"""The slow share of fotomaz-bench --langsam: every request waits, nothing is
cached, and what is done through the share lands in its folder.

    slow_share_test.py FOTOMAZ_BENCH_SHARE

Exits 77 (skipped) without a usable /dev/fuse.
"""

import ctypes
import errno
import os
import signal
import subprocess
import sys
import tempfile
import time

WAIT_MS = 40
RENAME_NOREPLACE = 1


def mounted(path, outside):
    return os.stat(path).st_dev != outside


def seconds(action):
    start = time.monotonic()
    action()
    return time.monotonic() - start


def check(failures, what, holds):
    if not holds:
        failures.append(what)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if not os.access("/dev/fuse", os.R_OK | os.W_OK):
        print("no usable /dev/fuse")
        return 77
    with tempfile.TemporaryDirectory() as scratch:
        folder, share = os.path.join(scratch, "ordner"), os.path.join(scratch, "teilung")
        os.makedirs(os.path.join(folder, "a", "b"))
        os.mkdir(share)
        with open(os.path.join(folder, "a", "b", "bild.jpg"), "wb") as out:
            out.write(b"\xff\xd8bytes")
        process = subprocess.Popen([sys.argv[1], folder, share, str(WAIT_MS)])
        outside = os.stat(scratch).st_dev
        deadline = time.monotonic() + 20
        while not mounted(share, outside):
            if process.poll() is not None or time.monotonic() > deadline:
                print("the share did not mount")
                return 1
            time.sleep(0.02)
        failures = []
        try:
            path = os.path.join(share, "a", "b", "bild.jpg")
            # Three names to look up, then the attributes: each a request
            # that waits, the second time as the first (nothing cached).
            least = 3 * WAIT_MS / 1000
            for attempt in ("first", "second"):
                check(failures, f"the {attempt} stat did not wait for each part",
                      seconds(lambda: os.stat(path)) >= least)
            with open(path, "rb") as source:
                check(failures, "read", source.read() == b"\xff\xd8bytes")
            with open(os.path.join(share, "a", "neu.jpg"), "wb") as out:
                out.write(b"neu")
            os.rename(path, os.path.join(share, "a", "b", "umbenannt.jpg"))
            os.link(os.path.join(share, "a", "neu.jpg"), os.path.join(share, "a", "b", "neu.jpg"))
            landed = {
                "write": os.path.join(folder, "a", "neu.jpg"),
                "rename": os.path.join(folder, "a", "b", "umbenannt.jpg"),
            }
            for what, landed_at in landed.items():
                check(failures, f"{what} did not reach the folder", os.path.isfile(landed_at))
            check(failures, "rename left its source", not os.path.exists(
                os.path.join(folder, "a", "b", "bild.jpg")))
            check(failures, "link did not reach the folder",
                  os.stat(os.path.join(folder, "a", "neu.jpg")).st_nlink == 2)
            libc = ctypes.CDLL(None, use_errno=True)
            refused = libc.renameat2(-100, os.path.join(share, "a", "neu.jpg").encode(), -100,
                                     os.path.join(share, "frei.jpg").encode(), RENAME_NOREPLACE)
            check(failures, "a no-replace rename was not refused",
                  refused == -1 and ctypes.get_errno() == errno.EINVAL)
        finally:
            process.send_signal(signal.SIGTERM)
            process.wait(timeout=10)
        check(failures, "SIGTERM did not unmount", not mounted(share, outside))
        for failure in failures:
            print(failure)
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
