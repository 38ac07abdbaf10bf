// The window program ends on a signal from outside as by its close box, also
// with dialogs open above the window.

#include "window/close_on_signal.h"

#include <QCloseEvent>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class CountingWindow : public QWidget {
public:
  int closeEvents = 0;

protected:
  void closeEvent(QCloseEvent* event) override {
    ++closeEvents;
    event->accept();
  }
};

TEST(CloseOnSignalTest, EachEndSignalCancelsOpenDialogsThenClosesTheWindow) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (const int dialogs : {0, 2}) {
      CountingWindow window;
      window.show();
      const CloseOnSignal closeOnSignal(&window);
      QDialog outer(&window);
      QDialog inner(&outer);
      int results = 0;
      // Should the signal not end them, the dialogs end accepted, and fail.
      QTimer::singleShot(5000, &inner, [&] {
        inner.done(QDialog::Accepted);
        outer.done(QDialog::Accepted);
      });
      if (dialogs == 0) {
        std::raise(signal);
      } else {
        QTimer::singleShot(0, &inner, [&] {
          std::raise(signal);
          results += inner.exec() == QDialog::Rejected;
        });
        results += outer.exec() == QDialog::Rejected;
      }
      EXPECT_TRUE(QTest::qWaitFor([&] { return window.closeEvents > 0; }, 2000))
          << "signal " << signal << ", dialogs " << dialogs;
      EXPECT_EQ(window.closeEvents, 1);
      EXPECT_EQ(results, dialogs);
      EXPECT_FALSE(window.isVisible());
    }
  }
}

} // namespace
