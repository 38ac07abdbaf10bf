#pragma once
// The modal seam shown with Qt: German message boxes, the folder browser and
// the desktop's file manager. Every box is modal to the whole application.

#include "platform/modal.h"

class QtModal final : public Modal {
public:
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
};
