#include "tools/verteilen/console.h"

#include <cstdlib>
#include <sys/types.h>

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
// Back to the start of the line, and erase what is left of it.
constexpr const char* kLineStart = "\r";
constexpr const char* kEraseToEnd = "\x1b[K";

// The run's status texts end in blanks that only a window can afford.
std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

} // namespace

Console::Console(std::FILE* output, std::FILE* error, bool outputIsTerminal, bool errorIsTerminal)
    : output_(output), error_(error), outputIsTerminal_(outputIsTerminal),
      errorIsTerminal_(errorIsTerminal) {}

void Console::Status(const std::string& text, bool milestone) {
  status_ = WithoutTrailingBlanks(text);
  statusPending_ = true;
  if (errorIsTerminal_) {
    const auto now = std::chrono::steady_clock::now();
    if (statusShown_ && now - lastDrawn_ < kRedrawInterval) return;
    std::fprintf(error_, "%s%s%s", kLineStart, status_.c_str(), kEraseToEnd);
    std::fflush(error_);
    statusShown_ = true;
    drawn_ = status_;
    lastDrawn_ = now;
  } else if (milestone) {
    std::fprintf(error_, "%s\n", status_.c_str());
    std::fflush(error_);
    statusPending_ = false;
  }
}

void Console::Message(const std::string& text) {
  ClearStatusLine();
  std::fprintf(error_, "%s\n", text.c_str());
  std::fflush(error_);
  statusPending_ = false;
}

void Console::Output(const std::string& line) {
  if (outputIsTerminal_) ClearStatusLine();
  std::fprintf(output_, "%s\n", line.c_str());
}

std::optional<std::string> Console::Ask(const std::string& question, std::FILE* input) {
  ClearStatusLine();
  statusPending_ = false;
  std::fprintf(error_, "%s", question.c_str());
  std::fflush(error_);
  char* line = nullptr;
  size_t capacity = 0;
  const ssize_t length = getline(&line, &capacity, input);
  std::optional<std::string> answer;
  if (length >= 0) answer = std::string(line, static_cast<size_t>(length));
  std::free(line);
  if (answer && answer->back() == '\n') {
    answer->pop_back();
  } else {
    std::fputc('\n', error_); // the prompt's line was not ended by the answer
  }
  return answer;
}

void Console::Finish() {
  if (statusPending_ && errorIsTerminal_) {
    if (!statusShown_ || drawn_ != status_) {
      std::fprintf(error_, "%s%s%s", kLineStart, status_.c_str(), kEraseToEnd);
    }
    std::fputc('\n', error_);
  } else if (statusPending_) {
    std::fprintf(error_, "%s\n", status_.c_str());
  }
  std::fflush(error_);
  statusPending_ = false;
  statusShown_ = false;
}

void Console::ClearStatusLine() {
  if (!statusShown_) return;
  std::fflush(output_);
  std::fprintf(error_, "%s%s", kLineStart, kEraseToEnd);
  std::fflush(error_);
  statusShown_ = false;
}
