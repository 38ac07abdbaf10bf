#include "metadata/byte_order.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr Endianness kBoth[] = {Endianness::Little, Endianness::Big};

TEST(ByteOrderView, ReadsSixteenAndThirtyTwoBitsInBothOrders) {
  const std::string bytes("\x01\x02\x03\x04", 4);
  const ByteOrderView intel(bytes, Endianness::Little);
  const ByteOrderView motorola(bytes, Endianness::Big);
  EXPECT_EQ(intel.U16At(0), 0x0201);
  EXPECT_EQ(motorola.U16At(0), 0x0102);
  EXPECT_EQ(intel.U32At(0), 0x04030201u);
  EXPECT_EQ(motorola.U32At(0), 0x01020304u);
}

TEST(ByteOrderView, ThirtyTwoBitsAreUnsigned) {
  for (Endianness order : kBoth) {
    EXPECT_EQ(ByteOrderView("\xFF\xFF\xFF\xFF", order).U32At(0), 0xFFFFFFFFu);
    EXPECT_EQ(ByteOrderView("\xFF\xFF", order).U16At(0), 0xFFFF);
  }
  EXPECT_EQ(ByteOrderView(std::string_view("\x80\0\0\0", 4), Endianness::Big).U32At(0),
            0x80000000u);
}

TEST(ByteOrderView, BytesPastTheEndReadAsZero) {
  const std::string bytes("\x01\x02\x03", 3);
  const ByteOrderView intel(bytes, Endianness::Little);
  const ByteOrderView motorola(bytes, Endianness::Big);
  EXPECT_EQ(intel.U16At(2), 0x0003);
  EXPECT_EQ(motorola.U16At(2), 0x0300);
  EXPECT_EQ(intel.U32At(1), 0x00000302u);
  EXPECT_EQ(motorola.U32At(1), 0x02030000u);
  EXPECT_EQ(intel.U16At(3), 0);
  EXPECT_EQ(motorola.U32At(3), 0u);
  EXPECT_EQ(ByteOrderView("", Endianness::Little).U32At(0), 0u);
}

TEST(ByteOrderView, OffsetsBeforeTheStartReadAsZero) {
  const ByteOrderView intel("\x01\x02", Endianness::Little);
  const ByteOrderView motorola("\x01\x02", Endianness::Big);
  // Offset -1 straddles the start: only the byte at offset 0 exists.
  EXPECT_EQ(intel.U16At(-1), 0x0100);
  EXPECT_EQ(motorola.U16At(-1), 0x0001);
  EXPECT_EQ(motorola.U32At(-2), 0x00000102u);
  EXPECT_EQ(intel.ByteAt(-1), 0);
  EXPECT_EQ(intel.ByteAt(-5), 0);
}

TEST(ByteOrderView, ExtremeOffsetsAreSafe) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  for (Endianness order : kBoth) {
    const ByteOrderView view("\xAA\xBB\xCC\xDD", order);
    for (int64_t p : {kMax, kMax - 1, kMax - 3, kMin, kMin + 1, int64_t{1} << 40,
                      int64_t{std::numeric_limits<uint32_t>::max()} + 1}) {
      EXPECT_EQ(view.U16At(p), 0) << p;
      EXPECT_EQ(view.U32At(p), 0u) << p;
      EXPECT_EQ(view.ByteAt(p), 0) << p;
    }
  }
}

TEST(FoldBytes, FoldsInOrderAndKeepsFourLowBytes) {
  EXPECT_EQ(FoldBytes("", Endianness::Little), 0);
  EXPECT_EQ(FoldBytes("", Endianness::Big), 0);
  EXPECT_EQ(FoldBytes("\x01\x02", Endianness::Little), 0x0201);
  EXPECT_EQ(FoldBytes("\x01\x02", Endianness::Big), 0x0102);
  // Five bytes: Motorola keeps the last four, Intel the first four.
  EXPECT_EQ(FoldBytes("\x01\x02\x03\x04\x05", Endianness::Big), 0x02030405);
  EXPECT_EQ(FoldBytes("\x01\x02\x03\x04\x05", Endianness::Little), 0x04030201);
  // Short values stay unsigned; a full four-byte value with the top bit is negative.
  EXPECT_EQ(FoldBytes("\xFF\xFF", Endianness::Little), 0xFFFF);
  EXPECT_EQ(FoldBytes("\xFE\xFF\xFF\xFF", Endianness::Little), -2);
}

} // namespace
