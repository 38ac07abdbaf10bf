#pragma once
// The small picture a camera embeds in a JPEG's EXIF segment: IFD1 names
// where it lies in the TIFF block (JPEGInterchangeFormat 0x0201) and how
// long it is (JPEGInterchangeFormatLength 0x0202). A preview shows it
// instead of decoding the whole photo, which costs a hundred times more.
//
// This is a reader of its own, apart from the full EXIF walk: it reads the
// first segments of the file, never the image data, and takes only the few
// fields it needs. Every read goes through ByteCursor, so a hostile offset,
// count or length gives no thumbnail and never a read outside the bytes.

#include "metadata/byte_stream.h"

#include <optional>
#include <string>
#include <string_view>

// The thumbnail held in tiff (the bytes of an EXIF segment from its "II" or
// "MM" on): the bytes IFD1 points at, when they lie wholly inside tiff and
// begin as a JPEG does (FF D8); nothing otherwise.
std::optional<std::string_view> ExifThumbnailIn(std::string_view tiff);

// The thumbnail of the JPEG in source; nothing when the data is no JPEG,
// holds no EXIF segment among its first segments, or that has no thumbnail.
// Throws what the source throws (ByteSourceError).
std::optional<std::string> ReadExifThumbnail(ByteSource& source);
// The same for the file at path; nothing when it cannot be opened or read.
std::optional<std::string> ReadExifThumbnail(const std::string& path);
