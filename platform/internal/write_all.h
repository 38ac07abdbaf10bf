#pragma once
// Writing a whole buffer to a file descriptor: write() may take less than it
// is given, or be interrupted by a signal, and a short write is not an error.

#include <string_view>

// True when every byte was written; errno tells why not.
bool WriteAll(int fd, std::string_view bytes);
