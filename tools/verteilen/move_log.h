#pragma once
// The record of the moves of a run: one line per file, "source TAB target".

#include "platform/append_file.h"

#include <stdexcept>
#include <string>

// source, separator and target on one line, each escaped (EscapeText), so a
// file name can neither break the line, fake a separator, nor reach the
// terminal as a control sequence.
std::string MoveLine(const std::string& source, const std::string& separator,
                     const std::string& target);

class MoveLogError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A log file opened for appending. Each line goes to the file with one
// write as soon as its move is done, so the log of an interrupted run lists
// exactly the files that moved.
class MoveLog {
public:
  // Opens (or creates) path. Throws MoveLogError when it cannot.
  explicit MoveLog(std::string path);
  MoveLog(const MoveLog&) = delete;
  MoveLog& operator=(const MoveLog&) = delete;

  // Throws MoveLogError, naming the move that is not recorded.
  void Append(const std::string& source, const std::string& target);

private:
  std::string path_;
  AppendFile file_;
};
