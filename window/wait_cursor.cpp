#include "window/wait_cursor.h"

#include <QApplication>

void BeginWait() {
  if (QApplication::overrideCursor())
    QApplication::changeOverrideCursor(Qt::WaitCursor);
  else
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void EndWait() {
  while (QApplication::overrideCursor())
    QApplication::restoreOverrideCursor();
}
