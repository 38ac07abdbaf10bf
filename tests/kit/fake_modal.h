#pragma once
// A scripted stand-in for the modal seam: records every request and answers
// from a script, so no test ever waits for a real box. While an object lives
// it is the program's modal service.

#include "platform/modal.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace testkit {

enum class ModalKind {
  Information,
  Error,
  Warning,
  Confirm,
  Message,
  AskYesNo,
  BrowseFolder,
  OpenFolder,
  ApplicationError,
  Report
};

struct ModalRequest {
  ModalKind kind;
  std::string text; // message, question, caption or folder; a report's summary

  bool operator==(const ModalRequest&) const = default;
};

class FakeModal final : public Modal {
public:
  // Installed here rather than in the .cpp so that the test kit itself need
  // not link the library that holds the seam.
  FakeModal() : previous_(&CurrentModal()) { SetModal(this); }
  ~FakeModal() override { SetModal(previous_); }
  FakeModal(const FakeModal&) = delete;
  FakeModal& operator=(const FakeModal&) = delete;

  // Answers to Confirm and AskYesNo, in order; when used up, the answer is No.
  std::deque<bool> answers;
  // Results of BrowseFolder, in order; when used up, the user cancels.
  std::deque<std::optional<std::string>> folders;
  // Results of OpenFolder, in order; when used up, the folder opens.
  std::deque<FolderOpening> openings;
  // Everything asked, in order.
  std::vector<ModalRequest> requests;
  // The reports shown, in order (their summaries are in requests too).
  std::vector<RunReport> reports;

  void Information(const std::string& text) override;
  void Error(const std::string& text) override;
  void Warning(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void Message(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void Report(const RunReport& report) override;
  std::optional<std::string> BrowseFolder(const std::string& caption) override;
  FolderOpening OpenFolder(const std::string& folder) override;
  void ApplicationError(const std::string& message) override;

private:
  bool NextAnswer();

  Modal* previous_;
};

} // namespace testkit
