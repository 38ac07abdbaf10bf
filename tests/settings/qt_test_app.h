#pragma once
// Shared by the settings and the main-window tests: the QApplication every
// GUI test needs (offscreen), and a way through modal dialogs.

#include <QTimer>

class QApplication;
class QDialog;

// The application object of a test program, made once before its first
// test: each GUI test program defines it (the window's tests use the
// program's own application class).
QApplication* MakeTestApplication(int& argc, char** argv);

// Closes every modal dialog as soon as it is shown, counting them, while the
// object lives; so a test that opens one never waits for a user.
class ModalDialogCloser {
public:
  ModalDialogCloser();
  int closed() const { return closed_; }

private:
  QTimer timer_;
  int closed_ = 0;
};
