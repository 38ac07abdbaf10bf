#pragma once
// The field types of TIFF directory entries, as numbered in the files. A
// directory entry's type word is read as a plain 16-bit number, since files
// hold any value there; these names say which numbers the reader knows.

#include <cstdint>

enum FieldType : uint16_t {
  kByte = 1,
  kAscii = 2,
  kShort = 3,
  kLong = 4,
  kRational = 5,
  kSByte = 6,
  kUndefined = 7,
  kSShort = 8,
  kSLong = 9,
  kSRational = 10,
  kFloat = 11,
  kDouble = 12,
};

// Bytes per element of a field type; 0 for type 0 and types above kDouble,
// whose entries the walks skip.
constexpr int FieldTypeSize(uint16_t type) {
  switch (type) {
  case kByte:
  case kAscii:
  case kSByte:
  case kUndefined:
    return 1;
  case kShort:
  case kSShort:
    return 2;
  case kLong:
  case kSLong:
  case kFloat:
    return 4;
  case kRational:
  case kSRational:
  case kDouble:
    return 8;
  default:
    return 0;
  }
}
