#include "platform/content_hash.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// GCC and Clang know the 128-bit integer; __extension__ keeps -Wpedantic quiet.
__extension__ typedef unsigned __int128 Wide;

// Odd constants with bits spread evenly, one per lane and two for the end.
constexpr uint64_t kLaneKeys[ContentHash::kLanes] = {0xa0761d6478bd642fu, 0xe7037ed1a0b428dbu,
                                                     0x8ebc6af09c88c6e3u, 0x589965cc75374cc3u};
constexpr uint64_t kFinalKeys[2] = {0x1d8e4e27c47d124fu, 0x2d358dccaa6c78a5u};
static_assert(ContentHash::kStripeBytes == ContentHash::kLanes * 16, "16 bytes per lane");

// Little-endian on every machine, so the hash is the same everywhere.
uint64_t Load64(const unsigned char* p) {
  uint64_t value;
  std::memcpy(&value, p, sizeof value);
  if constexpr (std::endian::native == std::endian::big) {
    value = ((value & 0x00000000ffffffffu) << 32) | (value >> 32);
    value = ((value & 0x0000ffff0000ffffu) << 16) | ((value >> 16) & 0x0000ffff0000ffffu);
    value = ((value & 0x00ff00ff00ff00ffu) << 8) | ((value >> 8) & 0x00ff00ff00ff00ffu);
  }
  return value;
}

// The 128-bit product folded to 64 bits.
uint64_t Fold(uint64_t a, uint64_t b) {
  const Wide product = static_cast<Wide>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

// One stripe into the four lanes. The lane's old value is added back, so
// bytes that make one product zero do not wipe out what came before.
inline void AbsorbStripe(uint64_t& a, uint64_t& b, uint64_t& c, uint64_t& d,
                         const unsigned char* bytes) {
  a += Fold(Load64(bytes) ^ kLaneKeys[0], Load64(bytes + 8) ^ a);
  b += Fold(Load64(bytes + 16) ^ kLaneKeys[1], Load64(bytes + 24) ^ b);
  c += Fold(Load64(bytes + 32) ^ kLaneKeys[2], Load64(bytes + 40) ^ c);
  d += Fold(Load64(bytes + 48) ^ kLaneKeys[3], Load64(bytes + 56) ^ d);
}

// Takes count whole stripes into the lanes. The lanes stay in registers:
// stores through an array could alias the bytes (unsigned char may alias
// anything) and would be written back on every stripe.
void Absorb(uint64_t (&lanes)[ContentHash::kLanes], const unsigned char* bytes, size_t count) {
  uint64_t a = lanes[0], b = lanes[1], c = lanes[2], d = lanes[3];
  for (; count > 0; --count, bytes += ContentHash::kStripeBytes)
    AbsorbStripe(a, b, c, d, bytes);
  lanes[0] = a;
  lanes[1] = b;
  lanes[2] = c;
  lanes[3] = d;
}

// Absorb, and whether other holds the same bytes. The difference is
// gathered 16 bytes at a time (GCC and Clang vectors) beside the lanes, so
// comparing costs no pass of its own over the bytes.
bool AbsorbComparing(uint64_t (&lanes)[ContentHash::kLanes], const unsigned char* bytes,
                     const unsigned char* other, size_t count) {
  typedef uint64_t Pair __attribute__((vector_size(16)));
  const auto load = [](const unsigned char* p) {
    Pair pair;
    std::memcpy(&pair, p, sizeof pair);
    return pair;
  };
  Pair difference = {0, 0};
  uint64_t a = lanes[0], b = lanes[1], c = lanes[2], d = lanes[3];
  for (; count > 0; --count) {
    difference |= (load(bytes) ^ load(other)) | (load(bytes + 16) ^ load(other + 16)) |
                  (load(bytes + 32) ^ load(other + 32)) | (load(bytes + 48) ^ load(other + 48));
    AbsorbStripe(a, b, c, d, bytes);
    bytes += ContentHash::kStripeBytes;
    other += ContentHash::kStripeBytes;
  }
  lanes[0] = a;
  lanes[1] = b;
  lanes[2] = c;
  lanes[3] = d;
  return (difference[0] | difference[1]) == 0;
}

} // namespace

bool ContentHash::UpdateComparing(std::span<const unsigned char> bytes,
                                  const unsigned char* other) {
  // The bytes that complete a pending stripe, whole stripes, then the rest.
  const size_t head = pendingBytes_ == 0 ? 0 : std::min(bytes.size(), kStripeBytes - pendingBytes_);
  bool same = std::memcmp(bytes.data(), other, head) == 0;
  Update(bytes.first(head));
  const size_t whole = (bytes.size() - head) / kStripeBytes;
  if (whole > 0) {
    same = AbsorbComparing(lanes_, bytes.data() + head, other + head, whole) && same;
    totalBytes_ += whole * kStripeBytes;
  }
  const size_t rest = head + whole * kStripeBytes;
  same = same && std::memcmp(bytes.data() + rest, other + rest, bytes.size() - rest) == 0;
  Update(bytes.subspan(rest));
  return same;
}

void ContentHash::Update(std::span<const unsigned char> bytes) {
  totalBytes_ += bytes.size();
  if (pendingBytes_ > 0) {
    const size_t take = std::min(bytes.size(), kStripeBytes - pendingBytes_);
    std::memcpy(pending_ + pendingBytes_, bytes.data(), take);
    pendingBytes_ += take;
    bytes = bytes.subspan(take);
    if (pendingBytes_ < kStripeBytes) return;
    Absorb(lanes_, pending_, 1);
    pendingBytes_ = 0;
  }
  const size_t whole = bytes.size() / kStripeBytes;
  Absorb(lanes_, bytes.data(), whole);
  bytes = bytes.subspan(whole * kStripeBytes);
  if (!bytes.empty()) std::memcpy(pending_, bytes.data(), bytes.size());
  pendingBytes_ = bytes.size();
}

uint64_t ContentHash::Value() const {
  uint64_t lanes[kLanes];
  std::copy(std::begin(lanes_), std::end(lanes_), lanes);
  // The last, partial stripe padded with zeros; the length tells "x" and
  // "x\0" apart.
  if (pendingBytes_ > 0) {
    unsigned char last[kStripeBytes] = {};
    std::memcpy(last, pending_, pendingBytes_);
    Absorb(lanes, last, 1);
  }
  const uint64_t mixed = Fold(lanes[0] ^ kFinalKeys[0], lanes[1] ^ kFinalKeys[1]) ^
                         Fold(lanes[2] ^ kLaneKeys[0], lanes[3] ^ kLaneKeys[1]);
  return Fold(mixed ^ totalBytes_, kFinalKeys[0] ^ kFinalKeys[1]);
}
