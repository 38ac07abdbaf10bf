#pragma once
// Turning a tag's value bytes into display text and into a number.

#include "metadata/endind.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// A printf subset whose output never depends on the locale ("." is always the
// decimal point): literal text, "%%" and %[flags][width][.precision] followed by
// f (a double argument), d (an integer argument) or s (a text argument); flags
// '-', '+', ' ' and '0'. Throws std::runtime_error when a conversion is not one
// of these, does not match its argument, or has no argument left.
using FormatArg = std::variant<double, int64_t, std::string_view>;
std::string FormatValues(std::string_view format, std::initializer_list<FormatArg> args);

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
