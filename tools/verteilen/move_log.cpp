#include "tools/verteilen/move_log.h"

#include "app/core/escaped_text.h"
#include "platform/write_all.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

std::string MoveLine(const std::string& source, const std::string& separator,
                     const std::string& target) {
  return EscapeText(source) + separator + EscapeText(target);
}

MoveLog::MoveLog(std::string path) : path_(std::move(path)) {
  fd_ = open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) throw MoveLogError("Das Protokoll " + path_ + " kann nicht geöffnet werden.");
}

MoveLog::~MoveLog() {
  close(fd_);
}

void MoveLog::Append(const std::string& source, const std::string& target) {
  // One write per line: with O_APPEND the line lands whole at the end.
  if (!WriteAll(fd_, MoveLine(source, "\t", target) + '\n')) {
    throw MoveLogError("In " + path_ + " kann nicht geschrieben werden; nicht protokolliert: " +
                       MoveLine(source, " -> ", target));
  }
}
