#pragma once
// Turning a tag's value bytes into display text and into a number.

#include "metadata/endind.h"

#include <cstdint>
#include <string>
#include <string_view>

// Bytes per element of a TIFF field type; 0 for type 0 and types above 12.
int TypeByteSize(uint16_t type);

// Renders raw (elements of the given type, read in order's byte order) as text,
// applying the value list and the format; at most 128 elements.
std::string RenderValue(const tEndInd& order, std::string_view raw, uint16_t type,
                        std::string_view valueList, std::string_view format);
double NumericValue(const tEndInd& order, std::string_view raw, uint16_t type);

std::string ValueListText(std::string_view list, std::string_view key);
double FractionValue(std::string_view text);

std::string RenderComponents(const std::string& text);
std::string RenderShutterSpeed(const std::string& text);
std::string RenderFlash(const std::string& text); // throws std::runtime_error on a non-integer
std::string RenderUserComment(const std::string& text);
std::string RenderWideText(const std::string& text); // throws std::runtime_error on a non-integer
std::string RenderDegrees(const std::string& text);
std::string RenderTimeStamp(const std::string& text);
