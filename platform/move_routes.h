#pragma once
// What the movers learn of each file system during a run. A share that
// refuses the no-replace rename, or has no hard links, or gives every name
// an inode number of its own (FUSE without use_ino: a hard link there looks
// like another file), is met once per device: the moves after that take the
// way that works there at once, without the calls known to fail. The run and
// the undo forget it when they start, since a device number may name another
// file system by then (a card plugged in again, a share mounted anew).

void ForgetMoveRoutes();
