#pragma once
// Shared by the reader's tests: reading bytes built with the test kit.

#include "metadata/exif_reader.h"
#include "tests/kit/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace readertest {

// What a read of the bytes as a file of that name gives.
inline ExifRead Read(const std::string& bytes, const std::string& name = "a.jpg",
                     ExifDetail detail = ExifDetail::Everything) {
  MemorySource source(bytes);
  return ReadExifSource(source, name, detail);
}

// A JPEG whose only metadata is an EXIF segment with this IFD0.
inline std::string JpegWith(const testkit::Ifd& ifd0, testkit::ByteOrder order) {
  return testkit::Soi() + testkit::ExifApp1(testkit::Tiff(ifd0, order)) + testkit::ScanAndEnd();
}

inline std::string DateTimeText(const ExifRead& read) {
  return read.HasExif() ? read.exif.dateTime : std::string("<no Exif>");
}

// Runs a test once per byte order.
class BothOrders : public ::testing::TestWithParam<testkit::ByteOrder> {
protected:
  testkit::ByteOrder order() const { return GetParam(); }
};

inline std::string OrderName(const ::testing::TestParamInfo<testkit::ByteOrder>& info) {
  return info.param == testkit::ByteOrder::Intel ? "Intel" : "Motorola";
}

} // namespace readertest

#define INSTANTIATE_BOTH_ORDERS(suite)                                                             \
  INSTANTIATE_TEST_SUITE_P(                                                                        \
      ByteOrders, suite,                                                                           \
      ::testing::Values(testkit::ByteOrder::Intel, testkit::ByteOrder::Motorola),                  \
      readertest::OrderName)
