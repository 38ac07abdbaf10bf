#include "window/close_on_signal.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kEndSignals = {SIGTERM, SIGINT, SIGHUP};

// Dialogs opened from dialogs are few; the bound only guards against one
// that will not close.
constexpr int kMaxStackedDialogs = 16;

// [0] read by the event loop, [1] written by the handler.
int signalPipe[2] = {-1, -1};

void WriteToPipe(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // Non-blocking: with the pipe full a wake-up is pending already.
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

// What each signal did before, restored when the object goes.
std::array<struct sigaction, kEndSignals.size()> previousActions{};

void InstallHandlers() {
  struct sigaction action {};
  action.sa_handler = WriteToPipe;
  sigemptyset(&action.sa_mask);
  // SA_RESETHAND: the second signal ends the program the default way.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (size_t i = 0; i < kEndSignals.size(); ++i) {
    sigaction(kEndSignals[i], nullptr, &previousActions[i]);
    // A signal ignored by the starter (nohup) stays ignored.
    if (previousActions[i].sa_handler != SIG_IGN) sigaction(kEndSignals[i], &action, nullptr);
  }
}

void RestoreHandlers() {
  for (size_t i = 0; i < kEndSignals.size(); ++i)
    sigaction(kEndSignals[i], &previousActions[i], nullptr);
}

} // namespace

CloseOnSignal::CloseOnSignal(QWidget* window) : window_(window) {
  // Without the pipe the signals keep their default effect.
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::CloseWindow);
  InstallHandlers();
}

CloseOnSignal::~CloseOnSignal() {
  if (!notifier_) return;
  RestoreHandlers();
  delete notifier_;
  close(signalPipe[0]);
  close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void CloseOnSignal::CloseWindow() {
  char bytes[16];
  while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
  for (int i = 0; i < kMaxStackedDialogs; ++i) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window_) break;
    // Cancelling keeps the stored options as they are: a signal is no OK.
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }
  window_->setProperty(kClosingOnSignal, true);
  window_->close();
}
