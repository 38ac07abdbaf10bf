#include "metadata/file_facts.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

double LocalDateTimeNumber(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const sys_days epoch{std::chrono::year{1899} / December / 30};
  return static_cast<double>((date - epoch).count()) +
         (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::optional<FileFacts> LookUpFile(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::exists(status) || fs::is_directory(status)) return std::nullopt;
  FileFacts facts;
  const auto size = fs::file_size(path, error);
  if (!error) facts.Size = static_cast<int64_t>(size);
  const auto written = fs::last_write_time(path, error);
  if (error) return facts;
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(written)));
  // One reader thread: the shared result of localtime is not a concern here.
  if (const std::tm* local = std::localtime(&seconds)) {
    facts.LocalDate = LocalDateTimeNumber(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                                          local->tm_hour, local->tm_min, local->tm_sec);
  }
  return facts;
}
