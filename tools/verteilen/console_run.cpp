#include "tools/verteilen/console_run.h"

#include "platform/ascii_case.h"

namespace {

constexpr const char* OpenFolderQuestion = "Fertig! Ziel-Ordner jetzt öffnen?";

// A log gets the first file, then one line per tenth of the files.
bool IsMilestone(long long file, long long files) {
  return file == 1 || (files > 0 && 10 * file / files != 10 * (file - 1) / files);
}

} // namespace

void ConsoleWindow::SetStatusText(const std::string& text) {
  console_.Status(text, milestone_);
  milestone_ = false;
}

void ConsoleWindow::SetProgressMaximum(int maximum) {
  files_ = static_cast<long long>(maximum) + 1;
}

void ConsoleWindow::SetProgressPosition(int position) {
  milestone_ = files_ > 0 && IsMilestone(static_cast<long long>(position) + 1, files_);
}

void ConsoleWindow::ProcessEvents() {
  if (onEvents_) onEvents_();
}

bool ConsoleModal::Confirm(const std::string& text) {
  if (text == OpenFolderQuestion) return false;
  // "Insgesamt N Dateien gefunden." stays on its line, the question is asked.
  const size_t lineBreak = text.find('\n');
  if (lineBreak == std::string::npos) return assumeYes_ || AskOnTerminal(text);
  console_.Message(text.substr(0, lineBreak));
  return assumeYes_ || AskOnTerminal(text.substr(lineBreak + 1));
}

bool ConsoleModal::AskYesNo(const std::string& question) {
  return assumeYes_ || AskOnTerminal(question);
}

bool ConsoleModal::AskOnTerminal(const std::string& question) {
  const std::optional<std::string> answer = console_.Ask(question + " [j/N] ", input_);
  if (!answer) return false;
  const std::string word = AsciiLowered(*answer);
  return word == "j" || word == "ja";
}
