#include "tests/run/run_fixture.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace runtest {

bool FakeFrontEnd::Started() const {
  for (const std::string& entry : log)
    if (entry.rfind("Start? ", 0) == 0) return true;
  return false;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

void RunTest::SetUp() {
  UseBerlinTime();
  std::filesystem::create_directories(target_);
  frontEnd_.options.source = source_;
  frontEnd_.options.target = target_;
}

} // namespace runtest
