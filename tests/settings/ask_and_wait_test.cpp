// The question and the wait cursor of formstate.

#include "settings/form_state.h"
#include "tests/kit/fake_modal.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(AskAndWaitTest, AskYesNoIsTrueOnlyForYes) {
  testkit::FakeModal modal;
  modal.answers = {true, false};
  EXPECT_TRUE(AskYesNo("Wirklich Beenden?"));
  EXPECT_FALSE(AskYesNo("Wirklich Beenden?"));
  EXPECT_EQ(modal.requests.back(),
            (testkit::ModalRequest{testkit::ModalKind::AskYesNo, "Wirklich Beenden?"}));
}

TEST(AskAndWaitTest, OneEndWaitEndsAnyNumberOfBeginWaits) {
  BeginWait();
  BeginWait();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EndWait();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EndWait(); // without a BeginWait: harmless
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
