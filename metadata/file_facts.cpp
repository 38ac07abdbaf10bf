#include "metadata/internal/file_facts.h"

#include "platform/file_time.h"

#include <chrono>

double LocalDateTimeNumber(int year, int month, int day, int hour, int minute, int second) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year{year} / month / day};
  const sys_days epoch{std::chrono::year{1899} / December / 30};
  return static_cast<double>((date - epoch).count()) +
         (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::optional<FileFacts> LookUpFile(const std::string& path) {
  const std::optional<FileSizeAndTime> status = SizeAndModificationTime(path);
  if (!status) return std::nullopt;
  return FactsOf(*status);
}

FileFacts FactsOf(const FileSizeAndTime& status) {
  FileFacts facts;
  facts.size = status.size;
  if (const std::optional<LocalDateTime>& t = status.modified) {
    facts.localDate = LocalDateTimeNumber(t->year, t->month, t->day, t->hour, t->minute, t->second);
  }
  return facts;
}
