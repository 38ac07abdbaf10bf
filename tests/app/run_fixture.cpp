#include "tests/app/run_fixture.h"

#include <sys/stat.h>

namespace runtest {

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

} // namespace runtest
