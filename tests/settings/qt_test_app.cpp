#include "tests/settings/qt_test_app.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment : public testing::Environment {
public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "gui-tests";
    static char* argv[] = {name, nullptr};
    application_ = MakeTestApplication(argc, argv);
  }
  void TearDown() override { delete application_; }

private:
  QApplication* application_ = nullptr;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace

ModalDialogCloser::ModalDialogCloser() {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      dialog->close();
      ++closed_;
    }
  });
  timer_.start();
}
