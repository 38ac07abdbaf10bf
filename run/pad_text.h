#pragma once
// Fixed-width texts of the run: counters and date pieces with zeros in front.

#include <string>

// Fills text with fill up to width, in front when onTheLeft; never cuts.
std::string PadText(const std::string& text, char fill, int width, bool onTheLeft);
// Decimal text of number with zeros in front up to width.
std::string PadNumber(long long number, int width);
// The same appended to text, which spares a string where a longer text is
// built piece by piece.
void AppendPaddedNumber(std::string& text, long long number, int width);
