#pragma once

#include <stdexcept>

// Raised when a packed file time cannot be turned into a date: the file is
// gone or its time lies outside 1980 to 2107.
class DateConversionError : public std::runtime_error {
public:
  DateConversionError() : std::runtime_error("Ungültiges Argument zum Codieren des Datums") {}
};
