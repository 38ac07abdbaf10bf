#pragma once
// Start-up as main() does it, for the window tests: the main window and its
// options dialog over a settings file that names the two folders.

#include "window/main_window.h"
#include "settings/options_dialog.h"
#include "tests/kit/temp_files.h"

#include <memory>
#include <string>

struct StartedWindow {
  std::unique_ptr<MainWindow> form;
  OptionsDialog* options = nullptr; // owned by form
};

inline StartedWindow StartWindow(const std::string& settings, const std::string& source,
                                 const std::string& target, const std::string& optionLines) {
  testkit::WriteFile(settings,
                     "[optionenf]\nquellee=" + source + "/\nziele=" + target + "/\n" + optionLines);
  StartedWindow started{std::make_unique<MainWindow>(settings)};
  started.options = new OptionsDialog(settings, started.form->Mirrors(), started.form.get());
  started.form->SetOptions(started.options);
  started.form->show();
  return started;
}
