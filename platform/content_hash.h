#pragma once
// A fast 64-bit hash of a file's bytes, fed in pieces of any size. It only
// narrows down which files may be equal: equal hashes are always confirmed
// byte for byte, so a collision costs a read, never a wrong verdict. It is
// not meant to resist a chosen collision, and never stored.
//
// Four lanes each take 16 bytes of every 64-byte stripe through one wide
// (64 x 64 -> 128 bit) multiplication folded to 64 bits, so hashing keeps
// pace with reading from the page cache.

#include <cstddef>
#include <cstdint>
#include <span>

class ContentHash {
public:
  // Feeds the next bytes; the result does not depend on how the bytes are
  // split between calls.
  void Update(std::span<const unsigned char> bytes);
  // Update(bytes), and whether other holds the same bytes, found in the same
  // pass over them (other holds as many bytes).
  bool UpdateComparing(std::span<const unsigned char> bytes, const unsigned char* other);
  // The hash of every byte fed so far.
  uint64_t Value() const;

  static constexpr size_t kStripeBytes = 64;
  static constexpr size_t kLanes = 4;

private:
  uint64_t lanes_[kLanes] = {0x243f6a8885a308d3u, 0x13198a2e03707344u, 0xa4093822299f31d0u,
                             0x082efa98ec4e6c89u};
  // The stripe not yet complete.
  unsigned char pending_[kStripeBytes] = {};
  size_t pendingBytes_ = 0;
  uint64_t totalBytes_ = 0;
};
