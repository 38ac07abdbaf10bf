#pragma once
// The terminal side of a headless run: the status line and the messages on
// standard error, the planned moves on standard output.
//
// On a terminal the status is one line that is redrawn in place (at most ten
// times a second). Elsewhere, in a log, a status is written only when the
// caller marks it as a milestone, so a long run does not write a line per
// file.

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

class Console {
public:
  Console(std::FILE* output, std::FILE* error, bool outputIsTerminal, bool errorIsTerminal);

  void Status(const std::string& text, bool milestone);
  // A message on a line of its own; the status before it is not repeated.
  void Message(const std::string& text);
  // A line on standard output.
  void Output(const std::string& line);
  // Shows question and reads one line of answer from input; nothing at the
  // end of input or when the read is interrupted.
  std::optional<std::string> Ask(const std::string& question, std::FILE* input);
  // Leaves the latest status on a line of its own (once).
  void Finish();

private:
  void ClearStatusLine();

  std::FILE* output_;
  std::FILE* error_;
  bool outputIsTerminal_;
  bool errorIsTerminal_;
  std::string status_;
  bool statusPending_ = false; // the latest status still deserves a line
  bool statusShown_ = false;   // terminal: the status line is on the screen
  std::string drawn_;          // terminal: the status text on the screen
  std::chrono::steady_clock::time_point lastDrawn_;
};
