#pragma once
// The run's view of a file (file_info.h) from a stat the platform made: one
// conversion for a look by name and a look at an open file, so both tell the
// same.

#include "platform/file_info.h"

#include <sys/stat.h>

FileStatus StatusOfStat(const struct stat& st);
// The same from a statx that told the basic fields, with its flags where it
// told them.
FileStatus StatusOfStatx(const struct statx& entry);
