#pragma once
// Lower-casing of file names. Names are UTF-8 bytes; the mapping is our own
// table, so the result does not depend on the process locale.

#include <string>
#include <string_view>

// Lowers ASCII letters and the upper-case letters of Latin-1 Supplement,
// Latin Extended-A, Greek and Cyrillic ("ÄRGER.JPG" -> "ärger.jpg"). Bytes
// that are not valid UTF-8 are kept as they are.
std::string LowerName(std::string_view name);
// The same as a view: name itself when lowering leaves it as it is (most
// names a run compares are lowered already), else storage, which then holds
// the lowered name.
std::string_view LowerName(std::string_view name, std::string& storage);
