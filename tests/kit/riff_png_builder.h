#pragma once
// Builds RIFF (AVI) and PNG files in memory, laid out as their published
// structure has them: AVI with its header list and a date text, PNG with an
// eXIf chunk before or behind the image data.

#include <string>
#include <string_view>

namespace testkit {

// Four-character id, 32-bit little-endian size, data, a pad byte to an even size.
std::string RiffChunk(std::string_view id, const std::string& data);
// LIST, its size, the list type, the chunks.
std::string RiffList(std::string_view type, const std::string& chunks);
// RIFF AVI: the header list (avih, a stream list) with an IDIT chunk holding
// dateText (none when empty), a media list (movi) and an index.
std::string AviWithDateText(const std::string& dateText);

// Length, type, data, and the CRC-32 over type and data.
std::string PngChunk(std::string_view type, const std::string& data);
enum class ExifPlace { BeforeImageData, BehindImageData };
// Signature, IHDR, eXIf holding exifData where place says, IDAT chunks of
// imageDataBytes in all, IEND.
std::string PngWithExif(const std::string& exifData, ExifPlace place, size_t imageDataBytes = 64);

// An iTXt chunk: keyword, the compression flag (the text is not compressed
// either way), an empty language tag and translated keyword, the text.
std::string PngItxt(std::string_view keyword, const std::string& text, bool compressedFlag = false);
// Signature, IHDR, the chunks, one IDAT chunk, IEND.
std::string PngWithChunks(const std::string& chunksBeforeImageData);

} // namespace testkit
