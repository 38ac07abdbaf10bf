#include "tools/verteilen/move_log.h"

#include "run/escaped_text.h"

std::string MoveLine(const std::string& source, const std::string& separator,
                     const std::string& target) {
  return EscapeText(source) + separator + EscapeText(target);
}

MoveLog::MoveLog(std::string path)
    : path_(std::move(path)), file_(path_, AppendFile::Mode::CreateOrAppend) {
  if (!file_.IsOpen()) {
    throw MoveLogError("Das Protokoll " + path_ + " kann nicht geöffnet werden.");
  }
}

void MoveLog::Append(const std::string& source, const std::string& target) {
  if (!file_.Append(MoveLine(source, "\t", target) + '\n')) {
    throw MoveLogError("In " + path_ + " kann nicht geschrieben werden; nicht protokolliert: " +
                       MoveLine(source, " -> ", target));
  }
}
