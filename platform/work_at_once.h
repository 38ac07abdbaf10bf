#pragma once
// Work on many independent items by a few threads at once. Reading a file's
// header or listing a folder waits for the disk, the card or the network;
// several of them at a time overlap those waits, and on a local disk they
// take both cores. The calling thread is one of the workers, so without a
// thread to be had the work is still done, one item after the other.

#include <cstddef>
#include <functional>

// Calls work(i) for every i below count, on up to threads threads (the
// calling one among them), each i once, in no set order; returns once all
// are done. The first exception work threw is thrown again then (the items
// not yet begun are left undone).
void WorkAtOnce(size_t count, size_t threads, const std::function<void(size_t)>& work);
