#pragma once
// Everything modal goes through this interface: the Qt implementation shows
// German message boxes, tests install a scripted fake. No test ever blocks.

#include <exception>
#include <optional>
#include <string>
#include <vector>

// Whether a file manager could be started for a folder.
enum class FolderOpening { Opened, Failed };

// The report at the end of a run or an undo: a warning when a file could
// not be moved (or put back), an information otherwise.
enum class ReportKind { Information, Warning };
struct RunReport {
  ReportKind kind = ReportKind::Information;
  std::string summary;            // one line of counts
  std::vector<std::string> lines; // every file, one line each
  std::string recordPath;         // the run's record; empty when there is none
};

class Modal {
public:
  virtual ~Modal() = default;

  // Information box ("Informationen"), one OK button.
  virtual void Information(const std::string& text) = 0;
  // Error box ("Fehler"), one OK button.
  virtual void Error(const std::string& text) = 0;
  // Warning box ("Warnung"), one OK button.
  virtual void Warning(const std::string& text) = 0;
  // Confirmation box ("Bestätigung") with "&Ja" and "&Nein"; true only for Yes.
  virtual bool Confirm(const std::string& text) = 0;
  // Plain box without icon, one OK button.
  virtual void Message(const std::string& text) = 0;
  // The yes/no question of AskYesNo ("=> Frage <=", no icon); true only for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // The whole report of a run ("Warnung" or "Informationen" by its kind),
  // every line in a scrollable list that can be copied; one OK button.
  virtual void Report(const RunReport& report) = 0;
  // Folder browser with the given caption; nothing when the user cancels.
  virtual std::optional<std::string> BrowseFolder(const std::string& caption) = 0;
  // Opens the folder in the desktop's file manager. Failed when no file
  // manager could be started, so the caller can tell the user.
  [[nodiscard]] virtual FolderOpening OpenFolder(const std::string& folder) = 0;
  // The application's general error box for an error that escaped a handler.
  virtual void ApplicationError(const std::string& message) = 0;
};

// The program's modal service. Tests replace it with a fake.
Modal& CurrentModal();
// Installs a modal service (not owned); nullptr restores the default, which
// answers nothing and must be replaced before use.
void SetModal(Modal* modal);

// The text the general error box shows for message: a full stop is added
// when the last character comes after "." in character-code order.
std::string ApplicationErrorText(const std::string& message);

// Runs one user action (a handler). An error that escapes it ends the action
// and is shown in the application's general error box; the program goes on.
// True when the action completed.
template <class Action> bool RunGuarded(Action&& action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    CurrentModal().ApplicationError(ApplicationErrorText(error.what()));
  } catch (...) {
    CurrentModal().ApplicationError(ApplicationErrorText("Unbekannter Fehler"));
  }
  return false;
}

// A handler of window for connecting to a signal, run guarded as above.
template <class Window> auto GuardedHandler(Window* window, void (Window::*handler)()) {
  return [window, handler] { RunGuarded([&] { (window->*handler)(); }); };
}
