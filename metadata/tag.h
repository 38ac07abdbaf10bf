#pragma once
// The one record of a tag: tag-table rows, decoded tags, maker-note entries
// and IPTC entries all are one, so every part of the reader hands the same
// record on.

#include "metadata/byte_string.h"
#include "metadata/text_renderer.h"

#include <cstdint>
#include <string>

// Where a tag was found.
enum class TagOrigin { Exif, MakerNote };

struct Tag {
  TagOrigin origin = TagOrigin::Exif;
  uint16_t valueType = 0;
  uint16_t iptcRecord = 0;
  uint16_t tagNumber = 0;
  std::string name;
  std::string description;
  std::string valueList;
  std::string text;
  ByteString rawBytes;
  int32_t valueOffset = 0; // 0-based, in the bytes the walk read
  std::string formatText;
  int32_t byteCount = 0;
  TextRenderer renderer = nullptr;
};
