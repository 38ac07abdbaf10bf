#pragma once
// The application object. Every handler of the windows already runs guarded
// (RunGuarded); this catches what escapes any other event handler, so that an
// error ends one user action and never the program.

#include <QApplication>

class FotomazApplication : public QApplication {
public:
  FotomazApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};
