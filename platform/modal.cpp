#include "platform/modal.h"

#include <stdexcept>

namespace {

// Until a front end installs its own, any modal request is a programming error.
class NoModal final : public Modal {
  [[noreturn]] static void Fail() { throw std::logic_error("no modal service installed"); }

public:
  void Information(const std::string&) override { Fail(); }
  void Error(const std::string&) override { Fail(); }
  void Warning(const std::string&) override { Fail(); }
  bool Confirm(const std::string&) override { Fail(); }
  void Message(const std::string&) override { Fail(); }
  bool AskYesNo(const std::string&) override { Fail(); }
  void Report(const RunReport&) override { Fail(); }
  std::optional<std::string> BrowseFolder(const std::string&) override { Fail(); }
  FolderOpening OpenFolder(const std::string&) override { Fail(); }
  void ApplicationError(const std::string&) override { Fail(); }
};

NoModal noModal;
Modal* current = &noModal;

} // namespace

Modal& CurrentModal() {
  return *current;
}

void SetModal(Modal* modal) {
  current = modal ? modal : &noModal;
}

std::string ApplicationErrorText(const std::string& message) {
  if (message.empty() || static_cast<unsigned char>(message.back()) <= '.') return message;
  return message + '.';
}
