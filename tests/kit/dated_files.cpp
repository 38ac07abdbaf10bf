#include "tests/kit/dated_files.h"

#include "tests/kit/temp_files.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

namespace testkit {

namespace fs = std::filesystem;

void UseBerlinTime() {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
}

time_t LocalSeconds(int year, int month, int day, int hour, int minute, int second) {
  UseBerlinTime();
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return mktime(&local);
}

void SetModifiedTime(const std::string& path, time_t modified) {
  const timespec times[2] = {{modified, 0}, {modified, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the time of " + path);
}

void WriteFileAt(const std::string& path, const std::string& bytes, time_t modified) {
  fs::create_directories(fs::path(path).parent_path());
  WriteFile(path, bytes);
  SetModifiedTime(path, modified);
}

std::vector<std::string> FilesBelow(const std::string& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> ExactTree(const std::string& root) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    struct stat st {};
    if (lstat(entry.path().c_str(), &st) != 0) continue;
    std::string line =
        fs::relative(entry.path(), root).string() + " mode " + std::to_string(st.st_mode & 07777);
    if (S_ISREG(st.st_mode)) {
      line += " size " + std::to_string(st.st_size) + " time " + std::to_string(st.st_mtim.tv_sec) +
              "." + std::to_string(st.st_mtim.tv_nsec) + " content " +
              ReadWholeFile(entry.path().string());
    } else if (S_ISDIR(st.st_mode)) {
      line += " folder";
    }
    lines.push_back(std::move(line));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

} // namespace testkit
