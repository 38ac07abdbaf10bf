#include "metadata/file_facts.h"

#include <chrono>
#include <ctime>
#include <sys/stat.h>

double LocalDateTimeNumber(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const sys_days epoch{std::chrono::year{1899} / December / 30};
  return static_cast<double>((date - epoch).count()) +
         (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::optional<FileFacts> LookUpFile(const std::string& path) {
  // One stat for existence, size and time: this runs for every JPEG of a run.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) return std::nullopt;
  FileFacts facts;
  facts.Size = static_cast<int64_t>(status.st_size);
  // localtime_r does not re-read the time zone on every call, unlike localtime.
  std::tm local{};
  if (localtime_r(&status.st_mtim.tv_sec, &local)) {
    facts.LocalDate = LocalDateTimeNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                          local.tm_hour, local.tm_min, local.tm_sec);
  }
  return facts;
}
