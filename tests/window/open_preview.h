#pragma once
// Opens the preview from the main window's menu, as a user would, for the
// tests that look at it.

#include "window/main_window.h"
#include "window/preview_dialog.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <functional>

// inspect sees the preview once it is shown; it is closed afterwards unless
// inspect closed it. False when no preview was shown.
inline bool OpenPreview(MainWindow& form, const std::function<void(PreviewDialog&)>& inspect) {
  bool shown = false;
  QTimer watch;
  watch.setInterval(5);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* preview = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
    if (!preview) return;
    watch.stop();
    shown = true;
    inspect(*preview);
    if (preview->isVisible()) preview->reject();
  });
  watch.start();
  form.findChild<QAction*>("Vorschau1")->trigger();
  return shown;
}
