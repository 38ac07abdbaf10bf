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
  TagOrigin Origin = TagOrigin::Exif;
  uint16_t ValueType = 0;
  uint16_t IptcRecord = 0;
  uint16_t TagNumber = 0;
  std::string Name;
  std::string Description;
  std::string ValueList;
  std::string Text;
  ByteString RawBytes;
  int32_t ValueOffset = 0; // 0-based, in the bytes the walk read
  std::string FormatText;
  int32_t ByteCount = 0;
  TextRenderer Renderer = nullptr;
};
