#pragma once
// The window and the modal service of a headless run: options from the
// resolved run options, status on the console, questions on the terminal.

#include "app/core/run_window.h"
#include "platform/modal.h"
#include "tools/verteilen/console.h"
#include "tools/verteilen/run_options.h"

#include <cstdio>
#include <functional>

class ConsoleWindow final : public RunWindow {
public:
  ConsoleWindow(const RunOptions& options, Console& console)
      : options_(options), console_(console) {}

  // Called whenever the run lets events be handled (once per folder and per
  // file), where a window would react to its user.
  void SetOnEvents(std::function<void()> onEvents) { onEvents_ = std::move(onEvents); }

  void SetStatusText(const std::string& text) override;
  void SetProgressMaximum(int maximum) override;
  void SetProgressPosition(int position) override;
  void ProcessEvents() override;
  void BeginWait() override {}
  void EndWait() override {}

  std::string SourceFolderText() override { return options_.source; }
  bool AllFilesChecked() override { return options_.kinds.all; }
  bool PicturesChecked() override { return options_.kinds.pictures; }
  bool VideosChecked() override { return options_.kinds.videos; }
  std::string TargetFolderText() override { return options_.target; }
  bool RenameByDateChecked() override { return options_.renameByDate; }
  bool KeepOriginalNameChecked() override { return options_.keepOriginalName; }
  int StructureIndex() override { return options_.structure; }

private:
  const RunOptions options_;
  Console& console_;
  std::function<void()> onEvents_;
  long long files_ = 0;    // known once the collection is done
  bool milestone_ = false; // the next status is worth a line in a log
};

// Answers the run's questions: the start question on the terminal (or yes
// at once when assumeYes), "open the target folder?" always with no.
class ConsoleModal final : public Modal {
public:
  ConsoleModal(Console& console, bool assumeYes, std::FILE* input)
      : console_(console), assumeYes_(assumeYes), input_(input) {}

  void Information(const std::string& text) override { console_.Message(text); }
  void Error(const std::string& text) override { console_.Message(text); }
  bool Confirm(const std::string& text) override;
  void Message(const std::string& text) override { console_.Message(text); }
  bool AskYesNo(const std::string& question) override;
  std::optional<std::string> BrowseFolder(const std::string&) override { return std::nullopt; }
  void OpenFolder(const std::string&) override {}
  void ApplicationError(const std::string& message) override { console_.Message(message); }

private:
  bool AskOnTerminal(const std::string& question);

  Console& console_;
  bool assumeYes_;
  std::FILE* input_;
};
