#pragma once
// The recording date of a camera's clip file, from the XML file the camera
// writes beside the clip (C0001M01.XML beside C0001.MP4): the value of its
// CreationDate element, "2026-05-01T12:07:32+02:00", read with expat.

#include "metadata/stated_date.h"

#include <cstddef>
#include <optional>
#include <string_view>

// A file above this is not read: a clip's XML is a few KiB.
inline constexpr size_t kMaxClipXmlBytes = 4 * 1024 * 1024;

// The date of the first CreationDate element (any namespace) with a value
// attribute, an XMP-form date (xmp_date.h: its offset kept, "Z" made
// local); nothing when the bytes are larger than kMaxClipXmlBytes, are not
// well-formed XML up to that element, or its value is no real date.
std::optional<StatedDate> ReadClipXmlDate(std::string_view bytes);
