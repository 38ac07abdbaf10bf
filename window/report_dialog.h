#pragma once
// The report of a run as a dialog: caption "Warnung" or "Informationen" by
// its kind, the summary line, every file in a scrollable list, "Kopieren"
// for the whole list, the path of the run's record, and "OK". Sized to fit
// an 800x600 screen whatever the list holds.

#include "platform/modal.h"

#include <QDialog>

class ReportDialog : public QDialog {
  Q_OBJECT

public:
  explicit ReportDialog(const RunReport& report, QWidget* parent = nullptr);

private:
  void OnCopyClicked();

  std::string listText_;
};
