#include "metadata/byte_order.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

ByteOrderBuffer Buffer(bool bigEndian, std::string bytes) {
  ByteOrderBuffer order;
  order.BigEndian = bigEndian;
  order.Buffer = std::move(bytes);
  return order;
}

TEST(EndIndTest, ReadsSixteenAndThirtyTwoBitsInBothOrders) {
  const std::string bytes("\x01\x02\x03\x04", 4);
  const ByteOrderBuffer intel = Buffer(false, bytes);
  const ByteOrderBuffer motorola = Buffer(true, bytes);
  EXPECT_EQ(intel.ReadU16(1), 0x0201);
  EXPECT_EQ(motorola.ReadU16(1), 0x0102);
  EXPECT_EQ(intel.ReadU32(1), 0x04030201);
  EXPECT_EQ(motorola.ReadU32(1), 0x01020304);
}

TEST(EndIndTest, ThirtyTwoBitsKeepTheBitPatternAsSigned) {
  for (bool bigEndian : {false, true}) {
    EXPECT_EQ(Buffer(bigEndian, "\xFF\xFF\xFF\xFF").ReadU32(1), -1);
    EXPECT_EQ(Buffer(bigEndian, "\xFF\xFF").ReadU16(1), 0xFFFF);
  }
  EXPECT_EQ(Buffer(true, std::string("\x80\0\0\0", 4)).ReadU32(1),
            std::numeric_limits<int32_t>::min());
}

TEST(EndIndTest, BytesPastTheEndReadAsZero) {
  const std::string bytes("\x01\x02\x03", 3);
  const ByteOrderBuffer intel = Buffer(false, bytes);
  const ByteOrderBuffer motorola = Buffer(true, bytes);
  EXPECT_EQ(intel.ReadU16(3), 0x0003);
  EXPECT_EQ(motorola.ReadU16(3), 0x0300);
  EXPECT_EQ(intel.ReadU32(2), 0x00000302);
  EXPECT_EQ(motorola.ReadU32(2), 0x02030000);
  EXPECT_EQ(intel.ReadU16(4), 0);
  EXPECT_EQ(motorola.ReadU32(4), 0);
  EXPECT_EQ(Buffer(false, "").ReadU32(1), 0);
}

TEST(EndIndTest, PositionsBeforeTheStartReadAsZero) {
  const ByteOrderBuffer intel = Buffer(false, "\x01\x02");
  const ByteOrderBuffer motorola = Buffer(true, "\x01\x02");
  // Position 0 straddles the start: only the byte at position 1 exists.
  EXPECT_EQ(intel.ReadU16(0), 0x0100);
  EXPECT_EQ(motorola.ReadU16(0), 0x0001);
  EXPECT_EQ(motorola.ReadU32(-1), 0x00000102);
  EXPECT_EQ(intel.ByteAt(0), 0);
  EXPECT_EQ(intel.ByteAt(-5), 0);
}

TEST(EndIndTest, ExtremePositionsAreSafe) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  for (bool bigEndian : {false, true}) {
    const ByteOrderBuffer order = Buffer(bigEndian, "\xAA\xBB\xCC\xDD");
    for (int64_t p : {kMax, kMax - 1, kMax - 3, kMin, kMin + 1, int64_t{1} << 40,
                      int64_t{std::numeric_limits<uint32_t>::max()} + 1}) {
      EXPECT_EQ(order.ReadU16(p), 0) << p;
      EXPECT_EQ(order.ReadU32(p), 0) << p;
      EXPECT_EQ(order.ByteAt(p), 0) << p;
    }
  }
}

TEST(EndIndTest, BytesToIntFoldsInOrderAndKeepsFourLowBytes) {
  const ByteOrderBuffer intel = Buffer(false, "");
  const ByteOrderBuffer motorola = Buffer(true, "");
  EXPECT_EQ(intel.BytesToInt(""), 0);
  EXPECT_EQ(motorola.BytesToInt(""), 0);
  EXPECT_EQ(intel.BytesToInt("\x01\x02"), 0x0201);
  EXPECT_EQ(motorola.BytesToInt("\x01\x02"), 0x0102);
  // Five bytes: Motorola keeps the last four, Intel the first four.
  EXPECT_EQ(motorola.BytesToInt("\x01\x02\x03\x04\x05"), 0x02030405);
  EXPECT_EQ(intel.BytesToInt("\x01\x02\x03\x04\x05"), 0x04030201);
  // Short values stay unsigned; a full four-byte value with the top bit is negative.
  EXPECT_EQ(intel.BytesToInt("\xFF\xFF"), 0xFFFF);
  EXPECT_EQ(intel.BytesToInt("\xFE\xFF\xFF\xFF"), -2);
}

} // namespace
