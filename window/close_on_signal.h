#pragma once
// Ends the window program cleanly when it is asked to from outside: SIGTERM
// (logout, a service manager, kill), SIGINT (Ctrl+C in the terminal that
// started it) and SIGHUP (that terminal closed). The main window is closed as
// by its close box, so a run stops after the files in hand, the window's own
// closing runs, and the program ends with status 0. Open dialogs are
// cancelled first: each holds an event loop of its own, below which the
// window's close would wait. A second signal has its default effect, for a
// program that does not end.
//
// The signal handler only writes a byte to a pipe; the pipe wakes a
// QSocketNotifier in the event loop, where Qt may be called. One instance at
// a time: the pipe is process-wide.

#include <QObject>

// Set (true) on the window before a signal closes it: a window that would
// ask before closing closes without asking.
inline constexpr char kClosingOnSignal[] = "closingOnSignal";

class QSocketNotifier;
class QWidget;

class CloseOnSignal : public QObject {
public:
  explicit CloseOnSignal(QWidget* window);
  ~CloseOnSignal() override;
  CloseOnSignal(const CloseOnSignal&) = delete;
  CloseOnSignal& operator=(const CloseOnSignal&) = delete;

private:
  void CloseWindow();

  QWidget* window_;
  QSocketNotifier* notifier_ = nullptr;
};
