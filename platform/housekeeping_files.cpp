#include "platform/housekeeping_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool StartsWithIgnoringAsciiCase(std::string_view name, std::string_view prefix) {
  return name.size() >= prefix.size() &&
         EqualIgnoringAsciiCase(name.substr(0, prefix.size()), prefix);
}

} // namespace

bool IsHousekeepingFolder(std::string_view name) {
  for (const HousekeepingName& row : kHousekeepingNames)
    if (row.match == HousekeepingMatch::Folder && EqualIgnoringAsciiCase(name, row.name))
      return true;
  return false;
}

HousekeepingFile HousekeepingFileOf(std::string_view name) {
  for (const HousekeepingName& row : kHousekeepingNames) {
    switch (row.match) {
    case HousekeepingMatch::Folder:
      break;
    case HousekeepingMatch::File:
      if (EqualIgnoringAsciiCase(name, row.name)) return HousekeepingFile::Yes;
      break;
    case HousekeepingMatch::FilePrefix:
      if (StartsWithIgnoringAsciiCase(name, row.name)) return HousekeepingFile::Yes;
      break;
    case HousekeepingMatch::AppleDouble:
      if (StartsWithIgnoringAsciiCase(name, row.name)) return HousekeepingFile::IfAppleDoubleMagic;
      break;
    }
  }
  return HousekeepingFile::No;
}

bool StartsWithAppleDoubleMagic(int dirFd, const char* name) {
  const int fd = openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  unsigned char first[sizeof kAppleDoubleMagic] = {};
  ssize_t got = 0;
  do {
    got = pread(fd, first, sizeof first, 0);
  } while (got < 0 && errno == EINTR);
  close(fd);
  return got == static_cast<ssize_t>(sizeof first) &&
         std::memcmp(first, kAppleDoubleMagic, sizeof first) == 0;
}
