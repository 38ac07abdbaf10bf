#pragma once
// Byte strings are std::string: one char per byte. The name says which
// strings hold a file's bytes rather than text.

#include <string>

using ByteString = std::string;
