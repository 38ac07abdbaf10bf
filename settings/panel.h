#pragma once
// A panel: a framed area that carries other controls and may show a caption.
// A class of its own (not a plain label) so that the settings file stores it
// as a panel.

#include <QLabel>

class Panel : public QLabel {
  Q_OBJECT

public:
  explicit Panel(QWidget* parent = nullptr);

  QString caption() const { return text(); }
  void setCaption(const QString& caption) { setText(caption); }
};
