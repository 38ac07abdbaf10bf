#pragma once
// Shared by the settings and the main-window tests: the QApplication every
// GUI test needs (offscreen), and a way through modal dialogs.

#include <QTimer>

class QDialog;

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
