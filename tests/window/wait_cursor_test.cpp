#include "window/wait_cursor.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(WaitCursorTest, OneEndWaitEndsAnyNumberOfBeginWaits) {
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
